// The text of the settings file "Zenkoru.ini": line 1 "移動指導=ON" or
// "移動指導=OFF", line 2 "BGM=ON" or "BGM=OFF", line 3 "思考時間=1", "=5" or
// "=15" (files without it are older: 5), line 4 "ルール=標準" (standard Chu
// Shogi) or "ルール=本ソフト" (files without it are older: this program's
// rules), then, only when a clock is set, "持ち時間=M" (minutes), "秒読み=S"
// and "加算=S" (seconds; files without them are older: no clock), each ended
// by CR LF. Pure text work: no file access.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zk {

// A settings file is never larger than this; a larger one is broken.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

struct SettingsValues {
    bool guidance = false;       // 移動指導
    bool bgm = true;             // BGM
    int thinkSeconds = 5;        // 思考時間 of LEVEL4: 1, 5 or 15
    bool standardRules = false;  // ルール: the standard game, not this program's own
    int clockMinutes = 0;        // 持ち時間 (0: none)
    int byoyomiSeconds = 0;      // 秒読み (0: none)
    int incrementSeconds = 0;    // 加算 (0: none)
    friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

// The options of a readable file: each line counts as on only when it is
// exactly the "on" text. Nothing when the file is too large, is not text, or
// has fewer than two lines; the caller then falls back to the defaults.
std::optional<SettingsValues> parseSettings(std::string_view bytes);

// The file's text for the given options.
std::string formatSettings(SettingsValues v);

}  // namespace zk
