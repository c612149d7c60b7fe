// The record file's text: exact bytes of what we write, and what we accept
// or refuse when reading.
#include "record_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zk {
namespace {

MoveRecord entry(int fx, int fy, int tx, int ty, int after, int moved, int captured) {
    MoveRecord e;
    e.fromX = fx;
    e.fromY = fy;
    e.toX = tx;
    e.toY = ty;
    e.pieceAfter = after;
    e.movedPiece = moved;
    e.capturedPiece = captured;
    return e;
}

GameRecord recordOf(const std::vector<MoveRecord>& entries, int count) {
    GameRecord r;
    r.slot(0).pieceAfter = 1;
    for (std::size_t i = 0; i < entries.size(); ++i) r.slot(static_cast<int>(i) + 1) = entries[i];
    r.recordEnd = static_cast<int>(entries.size());
    r.recordCount = count;
    return r;
}

struct RoundTrip {
    const char* name;
    std::vector<MoveRecord> entries;
    int recordCount;
    std::string file;
};

// Each file was written out by hand from the column table.
const RoundTrip kRoundTrips[] = {
    {"three moves",
     {entry(5, 9, 5, 8, -2, -2, 0), entry(8, 4, 8, 5, 2, 2, 0), entry(5, 8, 5, 7, -2, -2, 0)},
     3,
     "\r\n\r\n\r\n"
     " 5 9 5 8 -2 -2  0\r\n"
     " 8 4 8 5  2  2  0\r\n"
     " 5 8 5 7 -2 -2  0\r\n"},
    {"two-step move and a promotion with capture",
     {entry(6, 9, 6, 8, -2, -2, 0), entry(7, 4, 7, 5, 2, 2, 0), entry(6, 10, 6, 9, -34, -34, 0),
      entry(6, 9, 7, 8, -34, -34, 0), entry(12, 1, 12, 12, 28, 29, -4)},
     5,
     "\r\n\r\n\r\n"
     " 6 9 6 8 -2 -2  0\r\n"
     " 7 4 7 5  2  2  0\r\n"
     " 610 6 9-34-34  0\r\n"
     " 6 9 7 8-34-34  0\r\n"
     "12 11212 28 29 -4\r\n"},
    {"taken back two moves",
     {entry(5, 9, 5, 8, -2, -2, 0), entry(8, 4, 8, 5, 2, 2, 0), entry(5, 8, 5, 7, -2, -2, 0)},
     1,
     "\r\n\r\n\r\n"
     " 5 9 5 8 -2 -2  0\r\n"
     " 8 4 8 5  2  2  0\r\n"
     " 5 8 5 7 -2 -2  0\r\n"},
    {"declined second step",
     {entry(6, 9, 6, 8, -2, -2, 0), entry(7, 4, 7, 5, 2, 2, 0), entry(6, 10, 6, 9, -34, -34, 0),
      entry(6, 10, 6, 9, -34, -34, -34)},
     4,
     "\r\n\r\n\r\n"
     " 6 9 6 8 -2 -2  0\r\n"
     " 7 4 7 5  2  2  0\r\n"
     " 610 6 9-34-34  0\r\n"
     " 610 6 9-34-34-34\r\n"},
};

TEST(RecordFile, WritesExactBytesAndReadsThemBack) {
    for (const auto& t : kRoundTrips) {
        SCOPED_TRACE(t.name);
        GameRecord r = recordOf(t.entries, t.recordCount);
        EXPECT_EQ(formatRecordFile(r, r.recordEnd), t.file);

        RecordFileContent back;
        ASSERT_TRUE(parseRecordFile(t.file, back).ok());
        EXPECT_EQ(back.header, (std::array<std::string, 3>{}));
        EXPECT_EQ(back.entries, t.entries);
    }
}

TEST(RecordFile, ReadsAFileWrittenByHand) {
    // LF line ends, text in the header, a comment past column 17, a short
    // line without its captured piece, fields with a plus sign and tabs.
    const std::string file =
        "対局 2024\n"
        "\n"
        "先手 人間\n"
        " 5 9 5 8 -2 -2  0   first move\n"
        " 8 4 8 5  2  2\n"
        "\t5 8 5 7 +1 -2  0\n";
    RecordFileContent c;
    ASSERT_TRUE(parseRecordFile(file, c).ok());
    EXPECT_EQ(c.header[0], "対局 2024");
    EXPECT_EQ(c.header[1], "");
    EXPECT_EQ(c.header[2], "先手 人間");
    const std::vector<MoveRecord> want = {entry(5, 9, 5, 8, -2, -2, 0), entry(8, 4, 8, 5, 2, 2, 0),
                                          entry(5, 8, 5, 7, 1, -2, 0)};
    EXPECT_EQ(c.entries, want);
}

TEST(RecordFile, FilesWithoutEntriesAreEmptyRecords) {
    for (const char* file : {"", "\r\n", "\r\n\r\n\r\n", "a\r\nb\r\nc", "\r\n\r\n\r\n\r\n  \r\n"}) {
        RecordFileContent c;
        EXPECT_TRUE(parseRecordFile(file, c).ok()) << file;
        EXPECT_TRUE(c.entries.empty()) << file;
    }
}

TEST(RecordFile, BlankLinesAfterTheLastEntryAreIgnored) {
    RecordFileContent c;
    ASSERT_TRUE(parseRecordFile("\r\n\r\n\r\n 5 9 5 8 -2 -2  0\r\n\r\n \t\r\n", c).ok());
    EXPECT_EQ(c.entries.size(), 1u);
}

TEST(RecordFile, RefusesBadLinesNamingTheFirst) {
    using Kind = RecordFileError::Kind;
    const std::string head = "\r\n\r\n\r\n";
    const std::string good = " 5 9 5 8 -2 -2  0\r\n";
    struct Case {
        std::string file;
        Kind kind;
        int line;
    };
    const Case cases[] = {
        {head + good + " 0 9 5 8 -2 -2  0\r\n", Kind::BadSquare, 5},
        {head + good + good + " 5 9 513 -2 -2  0\r\n", Kind::BadSquare, 6},
        {head + " 5 9 5\r\n", Kind::BadSquare, 4},
        {head + "xx 9 5 8 -2 -2  0\r\n", Kind::BadSquare, 4},
        {head + " 5 9 5 8 40 -2  0\r\n", Kind::BadPiece, 4},
        {head + good + " 5 9 5 8 -2-40  0\r\n", Kind::BadPiece, 5},
        {head + " 5 9 5 8 -2 -2-99\r\n", Kind::BadPiece, 4},
        {head + good + "\r\n" + good, Kind::EmptyLine, 5},
        {head + good + std::string(" 5 9 5 8 -2 -2  0\0", 18) + "\r\n", Kind::NotText, 5},
        {head + good + " 5 9 5 8 -2 -2  0 \xff\xfe\r\n", Kind::NotText, 5},
        {"\r\n\x01\x02\r\n\r\n" + good, Kind::NotText, 2},
        {head + "\xe3\x81\r\n", Kind::NotText, 4},
        {head + good + "\xed\xa0\x80\r\n", Kind::NotText, 5},
        {head + good + "\xc0\xaf\r\n", Kind::NotText, 5},
        {head + good + " 5 9 5 8 -2 -2  0\x1b\r\n", Kind::NotText, 5},
    };
    for (const auto& c : cases) {
        RecordFileContent content;
        RecordFileError e = parseRecordFile(c.file, content);
        EXPECT_EQ(e.kind, c.kind) << c.file;
        EXPECT_EQ(e.line, c.line) << c.file;
    }
}

TEST(RecordFile, RefusesFilesOverTheLimitBeforeReading) {
    RecordFileContent c;
    std::string big(kMaxRecordFileBytes + 1, ' ');
    EXPECT_EQ(parseRecordFile(big, c).kind, RecordFileError::Kind::TooLarge);
}

TEST(RecordFile, OnlyEntriesThatReadBackCanBeWritten) {
    EXPECT_TRUE(entryFitsFile(entry(1, 12, 12, 1, -39, 39, 0)));
    EXPECT_FALSE(entryFitsFile(entry(0, 5, 5, 5, 1, 1, 0)));
    EXPECT_FALSE(entryFitsFile(entry(5, 5, 13, 5, 1, 1, 0)));
    MoveRecord mid = entry(5, 5, 5, 6, 1, 1, 0);
    mid.pieceAfter = code::COM_鷲_1;
    EXPECT_FALSE(entryFitsFile(mid));
}

TEST(RecordFile, LineReaderKeepsTheStringAtTheEnd) {
    LineReader file1("a\r\nb");
    std::string line = "x";
    EXPECT_EQ(ファイル1_読込(file1, line), 1);
    EXPECT_EQ(line, "a");
    EXPECT_EQ(ファイル1_読込(file1, line), 1);
    EXPECT_EQ(line, "b");
    EXPECT_EQ(ファイル1_読込(file1, line), 0);
    EXPECT_EQ(line, "b");
}

}  // namespace
}  // namespace zk
