// Games played through the press flow and the computer's turn, written as
// SFEN and USI moves and read back: the same start, the same moves and the
// record the game wrote, entry for entry.
#include "move_list.h"
#include "record_file.h"
#include "script_fixture.h"
#include "sfen.h"

namespace zk {
namespace {

// Export the game (start, record entries 1..end) and read it back.
void expectRoundTrip(const Position& start, const GameRecord& r, TopSide top) {
    const std::vector<Move> moves = movesOfRecord(r);
    const std::string text = formatGameText(start, moves);
    ImportedGame g;
    const NotationError e = parseGameText(text, g, top);
    ASSERT_TRUE(e.ok) << notationErrorText(e) << "\n" << text;
    EXPECT_EQ(g.start, start);
    EXPECT_EQ(g.moves, moves);
    const int end = std::max(r.recordEnd, r.recordCount);
    ASSERT_EQ(g.record.recordEnd, end) << text;
    for (int n = 0; n <= end; ++n)
        EXPECT_EQ(g.record.at(n), r.at(n)) << "entry " << n << "\n" << text;
    EXPECT_EQ(g.end, Position::fromRecord(start.Board, start.mover, r, end));
}

struct Mode {
    const char* name;
    std::vector<std::string> setup;
    TopSide top;
};

class GameText : public ScriptTest, public ::testing::WithParamInterface<int> {
protected:
    std::string settings() const override { return "移動指導=OFF\r\nBGM=OFF\r\n"; }
};

// Random presses in every mode; the computer plays LEVEL1 so that the games
// stay quick. The record is taken before a move that ends the game, since
// the end lays out a new game.
TEST_P(GameText, RandomGamesInEveryModeReadBackToTheSameRecord) {
    const Mode modes[] = {
        {"humans", {"menu START"}, TopSide::Human},
        {"sente", {"menu LEVEL1", "menu SENTE"}, TopSide::Computer},
        {"gote", {"menu LEVEL1", "menu GOTE"}, TopSide::Computer},
        {"handicap",
         {"menu LEVEL1", "menu SENTE", "menu LBEL_UP", "menu LBEL_UP"},
         TopSide::Computer},
    };
    const Mode& mode = modes[GetParam() % 4];
    SCOPED_TRACE(mode.name);
    run("seed " + std::to_string(GetParam()));
    for (const std::string& line : mode.setup) run(line);
    GameRecord r;
    BoardGrid board{};
    bool ended = false;
    for (int ply = 0; ply < 160; ++ply) {
        const int movesBefore = s().game.moveCount;
        runner().execute("random-move");
        ended = s().game.turnPlayer == Game::noPlayer || s().game.record.recordCount == 0;
        if (ended) break;
        r = s().game.record;
        board = s().game.Board;
        ASSERT_EQ(static_cast<int>(moveList(r).size()), s().game.moveCount);
        ASSERT_GT(s().game.moveCount, movesBefore);
    }
    ASSERT_GT(r.recordEnd, 10);
    const int firstMover = r.at(1).movedPiece >= 1 ? 1 : -1;
    const Position start = Position::fromBoard(startBoardOf(board, r, r.recordCount), firstMover);
    if (mode.setup.size() < 4) {
        EXPECT_EQ(start.Board, Position::initial().Board);
    }
    expectRoundTrip(start, r, mode.top);
    if (mode.top == TopSide::Computer) {
        // Read as a game between humans, the computer's moves still read back.
        ImportedGame g;
        ASSERT_TRUE(parseGameText(formatGameText(start, movesOfRecord(r)), g).ok);
        EXPECT_EQ(g.end.Board, board);
    }
    if (ended) return;
    // Taken back: the list still shows every move, the export still holds them.
    run("menu REPLAY");
    EXPECT_EQ(static_cast<int>(moveList(s().game.record).size()), s().game.moveCount + 1);
    expectRoundTrip(start, s().game.record, mode.top);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GameText, ::testing::Range(1, 13));

// The record files of the record tests, each played from the initial
// position by the side of its first entry.
TEST(GameTextFiles, RecordFilesReadBackToTheSameRecord) {
    const std::string head = "\r\n\r\n\r\n";
    const std::string files[] = {
        head + " 5 9 5 8 -2 -2  0\r\n 8 4 8 5  2  2  0\r\n 5 8 5 7 -2 -2  0\r\n",
        head +
            " 6 9 6 8 -2 -2  0\r\n 7 4 7 5  2  2  0\r\n 610 6 9-34-34  0\r\n 6 9 7 8-34-34  0\r\n",
        head +
            " 6 9 6 8 -2 -2  0\r\n 7 4 7 5  2  2  0\r\n 610 6 9-34-34  0\r\n 610 6 9-34-34-34\r\n",
        "Zenkoru record\n\nby hand\n 8 4 8 5  2  2  0 top first\n 5 9 5 8 -2 -2  0\n",
    };
    for (const std::string& file : files) {
        RecordFileContent c;
        ASSERT_TRUE(parseRecordFile(file, c).ok());
        GameRecord r;
        r.entries[0].pieceAfter = PieceCode(1);
        for (const MoveRecord& e : c.entries) r.slot(++r.recordEnd) = e;
        r.recordCount = r.recordEnd;
        const int firstMover = r.at(1).movedPiece >= 1 ? 1 : -1;
        expectRoundTrip(Position::fromBoard(Position::initial().Board, firstMover), r,
                        TopSide::Human);
    }
}

TEST_F(ScriptTest, MovesCommandListsTheMovesWithTheirMarks) {
    run({"menu START", "press 6 9", "press 6 8", "press 7 4", "press 7 5", "press 6 10"});
    ui().answers = {MsgAnswer::Yes};
    run({"press 6 9", "press 7 8", "menu REPLAY"});
    EXPECT_EQ(run("moves"),
              Lines({"moves=3", "*    1 ▲７八と", "*    2 △６五と", "     3 ▲７九・６八獅"}));
}

}  // namespace
}  // namespace zk
