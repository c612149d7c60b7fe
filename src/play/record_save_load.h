// Saving the game record to a "*.棋譜" file and loading one for replay, as
// the record-file panel does them: the boxes, the panel and the screen around
// record_storage's checks and file work. The menu and panel handlers call
// these; the fresh start between reading and replaying (Form_Load) is theirs.
#pragma once

#include <string>

#include "record_file.h"
#include "state.h"

namespace zk {

// The RETURN button: write entries 1..recordEnd under the typed name in the
// file list's directory. Names the file list could not show again are
// refused, an existing file is replaced only after the user agrees and only
// if it is a writable regular file (a link's target is replaced in its
// place), and a failed write leaves any earlier file whole.
void 棋譜_保存(State& s);

// Read and check the clicked file whole. On refusal (a file without entries
// too): the forbidden sound and one box (title "棋譜") that says why; nothing
// of the game is touched and the result is false.
bool 棋譜_読取(State& s, const std::string& fileName, RecordFileContent& out);

// After the fresh start: record mode on, the header lines, the entries, the
// sides from the first entry, the side labels and the two notices.
void 棋譜_再生準備(State& s, const RecordFileContent& content);

}  // namespace zk
