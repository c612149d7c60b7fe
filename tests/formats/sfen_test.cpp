#include "sfen.h"

#include <gtest/gtest.h>

#include "move_list.h"

namespace zk {
namespace {

const char* const kInitial =
    "+l+f+c+s+g+ek+g+s+c+f+l/+a1+b1+t+o+x+t1+b1+a/+m+v+r+h+dqn+d+h+r+v+m/+p+p+p+p+p+p+p+p+p+p+p+p/"
    "3+i4+i3/12/12/3+I4+I3/+P+P+P+P+P+P+P+P+P+P+P+P/+M+V+R+H+DNQ+D+H+R+V+M/+A1+B1+T+X+O+T1+B1+A/"
    "+L+F+C+S+GK+E+G+S+C+F+L b - 1";

TEST(Sfen, WritesEveryCodeOnceAndReadsItBack) {
    EXPECT_EQ(formatSfen(Position::initial()), kInitial);
    Position p;
    ASSERT_TRUE(parseSfen(kInitial, p).ok);
    EXPECT_EQ(p, Position::initial());

    // Every kind of both sides on one board, the top side to move.
    Position all = Position::fromBoard(BoardGrid{}, 1);
    for (int k = 1; k <= 39; ++k) {
        all.Board[1 + (k - 1) % 12][1 + (k - 1) / 12] = PieceCode(k);
        all.Board[1 + (k - 1) % 12][12 - (k - 1) / 12] = PieceCode(-k);
    }
    const std::string text = formatSfen(all);
    EXPECT_EQ(text.substr(text.size() - 6), " w - 1");
    ASSERT_TRUE(parseSfen(text, p).ok) << text;
    EXPECT_EQ(p, all);
}

TEST(Sfen, ReadsTheStandardPositionPlayersPaste) {
    Position p;
    const NotationError e = parseSfen(
        "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/"
        "MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1",
        p);
    ASSERT_TRUE(e.ok) << notationErrorText(e);
    EXPECT_EQ(p.mover, -1);
    EXPECT_EQ(p.Board[6][10], code::MAN_獅_B);  // N
    EXPECT_EQ(p.Board[7][10], code::MAN_奔_B);  // Q
    EXPECT_EQ(p.Board[4][8], code::MAN_仲);     // I
    EXPECT_EQ(p.Board[1][1], code::COM_香);     // l
    EXPECT_EQ(p.Board[7][1], code::COM_王);
    EXPECT_EQ(legalMoves(p).empty(), false);
}

TEST(Sfen, RefusesNamingTheFirstBadField) {
    const std::string rows = "/12/12/12/12/12/12/12/12/12/12/";
    struct Case {
        std::string text;
        int field;
    } cases[] = {
        {"", 1},
        {"5k6" + rows + "6K5", 2},
        {"5k6" + rows + "6K5 x", 2},
        {"5k6" + rows + "6K5 b +", 3},
        {"5k6" + rows + "6K5 b - 0", 4},
        {"5k6" + rows + "6K5 b - 1 extra", 0},
        {"5k6" + rows + "6K", 1},        // a short rank
        {"5k7" + rows + "6K5 b", 1},     // a long rank
        {"5k6" + rows + "6K5/12 b", 1},  // thirteen ranks
        {"5z6" + rows + "6K5 b", 1},     // no such piece
        {"5+k6" + rows + "6K5 b", 1},    // the king has no promoted form
        {"12" + rows + "6K5 b", 1},      // no royal piece on top
        {"5k6" + rows + "6K4+ b", 1},    // '+' at the end
    };
    for (const Case& c : cases) {
        Position p = Position::initial();
        const NotationError e = parseSfen(c.text, p);
        EXPECT_FALSE(e.ok) << c.text;
        EXPECT_EQ(e.field, c.field) << c.text << ": " << notationErrorText(e);
        EXPECT_EQ(p, Position::initial()) << c.text;
    }
    Position p;
    EXPECT_TRUE(parseSfen("5k6" + rows + "5+E6 w", p).ok);  // a crown prince is royal
}

TEST(Usi, WritesSquaresFromTheRightAndTwoStepMovesAsThreeSquares) {
    EXPECT_EQ(usiSquare(1, 1), "12a");
    EXPECT_EQ(usiSquare(12, 12), "1l");
    Move m;
    m.fromX = 6, m.fromY = 5, m.midX = 6, m.midY = 6, m.toX = 6, m.toY = 7;
    m.piece = m.midAfter = m.after = code::COM_獅_B;
    EXPECT_EQ(usiMove(m), "7e7f7g");
    m.midX = 0;
    m.after = code::COM_歩;
    EXPECT_EQ(usiMove(m), "7e7g+");
}

TEST(GameTextReader, RefusesTheFirstBadMoveAndLeavesTheGameAlone) {
    ImportedGame g;
    ASSERT_TRUE(parseGameText("position startpos moves 7i7h 8d8e 7h7g", g).ok);
    ASSERT_EQ(g.moves.size(), 3u);
    EXPECT_EQ(g.record.recordEnd, 3);
    const ImportedGame kept = g;

    struct Case {
        const char* text;
        int field, move;
    } cases[] = {
        {"position startpos moves 7i7h 8d8e 7h7f", 0, 3},  // a pawn does not jump
        {"startpos moves 7i7h 7i7h", 0, 2},                // the top side moves now
        {"startpos moves 7i7h 8d8e 13a1a", 0, 3},          // no file 13
        {"startpos moves 7i7h 8d8e 7h7g7f7e", 0, 3},       // four squares
        {"startpos moves 7i7h+", 0, 1},                    // no promotion there
        {"startpos moves 7j7i7h", 0, 1},                   // the lion's square is taken
        {"startpos 7i7h", 0, 0},                           // "moves" missing
        {"position sfen 12 b moves 7i7h", 1, 0},
    };
    for (const Case& c : cases) {
        g = kept;
        const NotationError e = parseGameText(c.text, g);
        EXPECT_FALSE(e.ok) << c.text;
        EXPECT_EQ(e.field, c.field) << c.text;
        EXPECT_EQ(e.move, c.move) << c.text << ": " << notationErrorText(e);
        EXPECT_EQ(g.moves, kept.moves) << c.text;
        EXPECT_EQ(g.record.entries, kept.record.entries) << c.text;
    }
    EXPECT_EQ(notationErrorText({false, 0, 3, "7h7f"}), "3手目が指せません：7h7f");
    // Too long to be a game: refused before any move is read.
    std::string longGame = "startpos moves";
    while (longGame.size() <= kMaxGameTextBytes) longGame += " 7i7h 8d8e 7h7i 8e8d";
    EXPECT_FALSE(parseGameText(longGame, g).ok);
}

TEST(GameTextReader, ReadsTheLionsMovesAsThePressFlowRecordsThem) {
    // 7j is the bottom lion (34); 7i is empty after the pawn's move.
    ImportedGame g;
    ASSERT_TRUE(parseGameText("startpos moves 7i7h 6d6e 7j7i 5d5e 7i8h7g", g).ok);
    ASSERT_EQ(g.record.recordEnd, 7);
    // A first step alone writes the step twice, the second time "taking" itself.
    EXPECT_EQ(g.record.at(3),
              (MoveRecord{6, 10, 6, 9, code::EMPTY, code::MAN_獅_B, code::MAN_獅_B}));
    EXPECT_EQ(g.record.at(4),
              (MoveRecord{6, 10, 6, 9, code::MAN_獅_B, code::MAN_獅_B, code::MAN_獅_B}));
    // Going on writes each step, the second from where the first ended.
    EXPECT_EQ(g.record.at(7).fromY, 8);
    EXPECT_EQ(g.record.at(7).toX, 6);
    EXPECT_TRUE(g.moves[2].stopped);
    EXPECT_TRUE(g.moves[4].isTwoStep());
    EXPECT_EQ(formatGameText(g.start, movesOfRecord(g.record)),
              std::string("position sfen ") + kInitial + " moves 7i7h 6d6e 7j7i 5d5e 7i8h7g");
    const std::vector<MoveListItem> list = moveList(g.record);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[4].firstEntry, 6);
    EXPECT_EQ(list[4].text, "８八・７七獅");
}

TEST(Kif, WritesTheHeaderAndOneNumberedMoveALine) {
    ImportedGame g;
    ASSERT_TRUE(parseGameText("startpos moves 7i7h 6d6e", g).ok);
    const std::string text =
        kifText({"2026/12/09 06:40:00", "あなた", "COM", "LEVEL2", "平手"}, moveList(g.record));
    EXPECT_EQ(text,
              "# ---- Zenkoru 棋譜 ----\n"
              "開始日時：2026/12/09 06:40:00\n"
              "手合割：平手\n"
              "先手：あなた\n"
              "後手：COM\n"
              "レベル：LEVEL2\n"
              "手数----指手---------\n"
              "   1 ７八と\n"
              "   2 ６五と\n"
              "まで2手\n");
}

}  // namespace
}  // namespace zk
