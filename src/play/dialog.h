// Short forms for the boxes and sounds of the game's handlers: every refusal
// plays the forbidden sound and shows an OK box, questions are Yes/No boxes.
#pragma once

#include <string>

#include "platform.h"
#include "state.h"

namespace zk {

// An OK-only message box.
inline void 通知(State& s, const std::string& text, const std::string& title) {
    s.screen.ui->messageBox(text, title, MsgButtons::OK, MsgIcon::None);
}

// A Yes/No box; true when the answer is Yes.
inline bool 質問(State& s, const std::string& text, const std::string& title) {
    return s.screen.ui->messageBox(text, title, MsgButtons::YesNo, MsgIcon::None) == MsgAnswer::Yes;
}

// The refusal sound ("禁止.wav").
inline void 禁止音(State& s) { s.screen.ui->dsPlay(s.sounds.soundForbidden); }

// The sound of a piece being put down ("駒打音.wav").
inline void 駒打音(State& s) { s.screen.ui->dsPlay(s.sounds.soundPiece); }

// The refusal sound followed by its OK box.
inline void 禁止通知(State& s, const std::string& text, const std::string& title) {
    禁止音(s);
    通知(s, text, title);
}

}  // namespace zk
