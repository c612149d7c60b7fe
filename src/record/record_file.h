// The record file "*.棋譜": three header lines, then one line per record entry
// of 17 characters in fixed columns (fromX, fromY, toX, toY in two columns
// each; pieceAfter, movedPiece, capturedPiece in three), lines ended by CR LF.
// Pure text work: no file access and no drawing.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "move_record.h"
#include "text_lines.h"

namespace zk {

// Larger files are refused before they are read.
constexpr std::size_t kMaxRecordFileBytes = 4 * 1024 * 1024;

// One entry as its 17-character line, without the line end.
std::string formatEntry(const MoveRecord& e);
// True when an entry can be written and read back: squares 1..12 and whole
// piece codes -39..39.
bool entryFitsFile(const MoveRecord& e);
// The whole file for entries 1..end of the record.
std::string formatRecordFile(const GameRecord& r, int end);

// The next line of the open record file into 文字列: 1 when a line was read,
// 0 at the end (文字列 is then left as it was).
int ファイル1_読込(LineReader& file1, std::string& 文字列);

// What a record file holds.
struct RecordFileContent {
    std::array<std::string, 3> header;  // a missing header line reads empty
    std::vector<MoveRecord> entries;    // entry i at index i - 1
};

// Why a file was refused, and on which line (counted from 1, header included).
struct RecordFileError {
    enum class Kind { None, TooLarge, NotText, EmptyLine, BadSquare, BadPiece };
    Kind kind = Kind::None;
    int line = 0;
    bool ok() const { return kind == Kind::None; }
};

// Read a whole file. Each field is the number its columns start with
// (leading blanks skipped, 0 when there is none); text past column 17 is
// ignored. Refused: more than kMaxRecordFileBytes, a line that is not text,
// a square outside 1..12, a piece code outside -39..39, and a blank line
// followed by further entries (blank lines at the end are ignored).
RecordFileError parseRecordFile(std::string_view bytes, RecordFileContent& out);

}  // namespace zk
