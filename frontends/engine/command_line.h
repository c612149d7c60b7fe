// What both protocols do with a raw command line before reading it: its
// words, a check that it is text an interface could have meant, and a word
// quoted short enough for a report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zk::protocol {

// The blank-separated words of a command line.
std::vector<std::string> split(std::string_view line);

// What is wrong with a raw command line (too long, a control character, only
// blanks), or "" when nothing is.
std::string lineProblem(std::string_view line);

// A word of the input as a report quotes it: short enough for one line.
std::string quoted(const std::string& word);

}  // namespace zk::protocol
