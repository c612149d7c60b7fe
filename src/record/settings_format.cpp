#include "settings_format.h"

#include <charconv>

#include "text_lines.h"

namespace zk {

namespace {

// The number after `key` on a clock line, when the line is that key's and the
// number is a sensible one (0..999); `out` is left alone otherwise.
void readClockLine(std::string_view line, std::string_view key, int& out) {
    if (!line.starts_with(key)) return;
    line.remove_prefix(key.size());
    int value = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (ec == std::errc() && end == line.data() + line.size() && value >= 0 && value <= 999)
        out = value;
}

}  // namespace

std::optional<SettingsValues> parseSettings(std::string_view bytes) {
    if (bytes.size() > kMaxSettingsBytes) return std::nullopt;
    LineReader file(bytes);
    std::string_view line1, line2, more;
    if (!file.next(line1) || !file.next(line2)) return std::nullopt;
    if (!isTextLine(line1) || !isTextLine(line2)) return std::nullopt;
    SettingsValues v;
    // Binary bytes anywhere mean the file is not ours.
    for (int line = 3; file.next(more); ++line) {
        if (!isTextLine(more)) return std::nullopt;
        if (line == 3 && more == "思考時間=1") v.thinkSeconds = 1;
        if (line == 3 && more == "思考時間=15") v.thinkSeconds = 15;
        if (line == 4) v.standardRules = more == "ルール=標準";
        readClockLine(more, "持ち時間=", v.clockMinutes);
        readClockLine(more, "秒読み=", v.byoyomiSeconds);
        readClockLine(more, "加算=", v.incrementSeconds);
    }
    v.guidance = line1 == "移動指導=ON";
    v.bgm = line2 == "BGM=ON";
    return v;
}

std::string formatSettings(SettingsValues v) {
    std::string out = v.guidance ? "移動指導=ON\r\n" : "移動指導=OFF\r\n";
    out += v.bgm ? "BGM=ON\r\n" : "BGM=OFF\r\n";
    out += "思考時間=" + std::to_string(v.thinkSeconds) + "\r\n";
    out += v.standardRules ? "ルール=標準\r\n" : "ルール=本ソフト\r\n";
    if (v.clockMinutes > 0 || v.byoyomiSeconds > 0 || v.incrementSeconds > 0) {
        out += "持ち時間=" + std::to_string(v.clockMinutes) + "\r\n";
        out += "秒読み=" + std::to_string(v.byoyomiSeconds) + "\r\n";
        out += "加算=" + std::to_string(v.incrementSeconds) + "\r\n";
    }
    return out;
}

}  // namespace zk
