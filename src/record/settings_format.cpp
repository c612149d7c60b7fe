#include "settings_format.h"

#include "text_lines.h"

namespace zk {

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
    return out;
}

}  // namespace zk
