#include "command_line.h"

#include <sstream>

namespace zk::protocol {

namespace {
constexpr std::size_t kMaxLine = 256 * 1024;  // longer than any game a GUI sends
}

std::vector<std::string> split(std::string_view line) {
    std::vector<std::string> words;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::string lineProblem(std::string_view line) {
    if (line.size() > kMaxLine) return "line too long (" + std::to_string(line.size()) + " bytes)";
    for (const char ch : line) {
        const auto u = static_cast<unsigned char>(ch);
        if ((u < 0x20 && ch != '\t') || u == 0x7f)
            return "control character " + std::to_string(u) + " in the line";
    }
    if (line.find_first_not_of(" \t") == std::string_view::npos) return "empty line";
    return {};
}

std::string quoted(const std::string& word) {
    return word.size() <= 32 ? word : word.substr(0, 32) + "...";
}

}  // namespace zk::protocol
