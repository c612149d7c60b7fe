#include "record_file.h"

#include <cstdio>

namespace zk {

namespace {

// Field columns (from 0) and widths, in the order of the line.
constexpr int kFieldStart[7] = {0, 2, 4, 6, 8, 11, 14};
constexpr int kFieldWidth[7] = {2, 2, 2, 2, 3, 3, 3};
constexpr int kLineChars = 17;

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The first 17 characters of a text line, one byte each; a character that is
// not ASCII becomes '?', a column past the end of the line '\0'.
std::array<char, kLineChars> columnsOf(std::string_view line) {
    std::array<char, kLineChars> cols{};
    int col = 0;
    for (std::size_t i = 0; i < line.size() && col < kLineChars; ++i) {
        auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x80)
            cols[col++] = static_cast<char>(c);
        else if ((c & 0xC0) != 0x80)
            cols[col++] = '?';
    }
    return cols;
}

// The number a field starts with: blanks skipped, an optional sign, digits.
int fieldValue(const std::array<char, kLineChars>& cols, int field) {
    int i = kFieldStart[field];
    const int end = i + kFieldWidth[field];
    while (i < end && (cols[i] == ' ' || cols[i] == '\t')) ++i;
    int sign = 1;
    if (i < end && (cols[i] == '-' || cols[i] == '+')) {
        if (cols[i] == '-') sign = -1;
        ++i;
    }
    int value = 0;
    while (i < end && cols[i] >= '0' && cols[i] <= '9') value = value * 10 + (cols[i++] - '0');
    return sign * value;
}

bool squareOk(int v) { return v >= 1 && v <= 12; }
bool pieceOk(int v) { return v >= -39 && v <= 39; }

}  // namespace

std::string formatEntry(const MoveRecord& e) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%2d%2d%2d%2d%3d%3d%3d", e.fromX, e.fromY, e.toX, e.toY,
                  e.pieceAfter.whole(), e.movedPiece.whole(), e.capturedPiece.whole());
    return buf;
}

bool entryFitsFile(const MoveRecord& e) {
    for (PieceCode c : {e.pieceAfter, e.movedPiece, e.capturedPiece})
        if (c.isMidMove() || !pieceOk(c.whole())) return false;
    return squareOk(e.fromX) && squareOk(e.fromY) && squareOk(e.toX) && squareOk(e.toY);
}

std::string formatRecordFile(const GameRecord& r, int end) {
    std::string out = "\r\n\r\n\r\n";
    out.reserve(out.size() + static_cast<std::size_t>(end > 0 ? end : 0) * (kLineChars + 2));
    for (int i = 1; i <= end; ++i) {
        out += formatEntry(r.at(i));
        out += "\r\n";
    }
    return out;
}

int ファイル1_読込(LineReader& file1, std::string& 文字列) {
    std::string_view line;
    if (!file1.next(line)) return 0;
    文字列.assign(line);
    return 1;
}

RecordFileError parseRecordFile(std::string_view bytes, RecordFileContent& out) {
    using Kind = RecordFileError::Kind;
    out = {};
    if (bytes.size() > kMaxRecordFileBytes) return {Kind::TooLarge, 0};

    LineReader file1(bytes);
    std::string line;
    for (auto& header : out.header) {
        if (ファイル1_読込(file1, line) == 0) return {};
        if (!isTextLine(line)) return {Kind::NotText, file1.lineNumber()};
        header = line;
        line.clear();
    }

    int firstBlank = 0;  // first of the blank lines since the last entry
    while (ファイル1_読込(file1, line) == 1) {
        const int number = file1.lineNumber();
        if (!isTextLine(line)) return {Kind::NotText, number};
        if (isBlank(line)) {
            if (firstBlank == 0) firstBlank = number;
            continue;
        }
        if (firstBlank != 0) return {Kind::EmptyLine, firstBlank};

        const auto cols = columnsOf(line);
        int v[7];
        for (int f = 0; f < 7; ++f) v[f] = fieldValue(cols, f);
        if (!squareOk(v[0]) || !squareOk(v[1]) || !squareOk(v[2]) || !squareOk(v[3]))
            return {Kind::BadSquare, number};
        if (!pieceOk(v[4]) || !pieceOk(v[5]) || !pieceOk(v[6])) return {Kind::BadPiece, number};

        MoveRecord e;
        e.fromX = v[0];
        e.fromY = v[1];
        e.toX = v[2];
        e.toY = v[3];
        e.pieceAfter = v[4];
        e.movedPiece = v[5];
        e.capturedPiece = v[6];
        out.entries.push_back(e);
    }
    return {};
}

}  // namespace zk
