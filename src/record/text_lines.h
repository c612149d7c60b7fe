// Reading the program's small text files: lines ended by CR LF (or a lone LF
// or CR, as other editors write them), and the test that a line is text.
#pragma once

#include <string_view>

namespace zk {

// Walks the lines of a file held in memory. A leading UTF-8 byte-order mark
// is skipped; a final line needs no line end.
class LineReader {
public:
    explicit LineReader(std::string_view bytes);
    // The next line without its line end; false at the end of the bytes.
    bool next(std::string_view& line);
    // Number of lines returned so far (the last line's number, from 1).
    int lineNumber() const { return lineNumber_; }

private:
    std::string_view rest_;
    int lineNumber_ = 0;
};

// True when the line is valid UTF-8 holding no control character except tab.
bool isTextLine(std::string_view line);

// Number of characters (UTF-8 code points) of valid UTF-8 text.
std::size_t charCount(std::string_view text);
// The first `count` characters of valid UTF-8 text (all of it when shorter).
std::string_view firstChars(std::string_view text, std::size_t count);

}  // namespace zk
