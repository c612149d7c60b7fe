#include <gtest/gtest.h>

#include <algorithm>

#include "com_turn.h"
#include "com_turn_fixture.h"
#include "draw.h"

namespace zk::test {
namespace {

using Sq = std::pair<int, int>;

int newEntries(const State& s, int before) { return s.game.record.recordCount - before; }

const MoveRecord& entry(const State& s, int n) { return s.game.record.at(n); }

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

TEST(Search, EqualScoresGoToTheFirstMoveInScanOrder) {
    // Two golds alone: every move scores 0 at level 1.
    ComTurnFixture f(1);
    f.put(3, 5, 13);
    f.put(10, 5, 13);
    const ComChoice c = com_探索(computerPart(f.s));
    ASSERT_TRUE(c.found);
    EXPECT_EQ(f.s.com.bestScore, 0);
    EXPECT_EQ(std::tuple(c.x, c.y, c.tx, c.ty), std::tuple(3, 5, 2, 5));
}

TEST(Search, PromotionIsTakenOnlyWhenItScoresStrictlyBetter) {
    for (bool attacked : {false, true}) {
        ComTurnFixture f(1);
        f.put(5, 8, 2);
        if (attacked) f.put(5, 10, -1);  // a human pawn reaches (5, 9)
        com_準備(computerPart(f.s));
        PieceCode after, captured;
        com_試行(computerPart(f.s), 5, 8, 5, 9, after, captured);
        // Attacked and undefended the piece costs its code: the pawn (1)
        // costs less than the tokin (2); otherwise both score alike.
        EXPECT_EQ(after, PieceCode(attacked ? 1 : 2)) << attacked;
        EXPECT_EQ(f.s.game.Board[5][8], PieceCode(2));
        EXPECT_TRUE(f.s.game.Board[5][9].isEmpty());
    }
}

TEST(Search, TakingTheHumanKingStopsTheSearchEvenIfALaterMoveScoresMore) {
    ComTurnFixture f(2);
    f.put(2, 8, -39);
    f.put(2, 9, -13);    // defends the king's square
    f.put(12, 12, -38);  // the prince keeps the game going
    f.put(2, 7, 13);     // can take the king
    f.put(10, 1, 15);    // can take an undefended dragon later in the scan
    f.put(10, 5, -17);
    const ComChoice c = com_探索(computerPart(f.s));
    ASSERT_TRUE(c.found);
    EXPECT_EQ(std::tuple(c.x, c.y, c.tx, c.ty), std::tuple(2, 7, 2, 8));
    const Tenths kingCapture = f.s.com.bestScore;
    PieceCode after, captured;
    const Tenths later = com_試行(computerPart(f.s), 10, 1, 10, 5, after, captured);
    EXPECT_GT(later, kingCapture);
}

TEST(Driver, PlaysTheMoveWithCaptionBlinksSoundRecordAndReport) {
    ComTurnFixture f(3);
    f.ui.keepSnapshots = true;
    f.put(1, 1, 39);
    f.put(12, 12, -39);
    f.put(11, 12, -13);
    f.put(1, 5, 13);
    const BoardGrid before = f.s.game.Board;
    const ComOutcome out = com_ban(f.s);
    EXPECT_FALSE(out.ended);
    EXPECT_EQ(f.s.game.turnPlayer, f.s.game.manPlayer);
    EXPECT_EQ(f.s.game.moveCount, 1);
    ASSERT_EQ(newEntries(f.s, 0), 1);
    const MoveRecord& e = entry(f.s, 1);
    EXPECT_EQ(e.movedPiece, before[e.fromX][e.fromY]);
    EXPECT_EQ(f.s.game.Board[e.toX][e.toY], e.pieceAfter);
    EXPECT_TRUE(f.s.game.Board[e.fromX][e.fromY].isEmpty());
    EXPECT_EQ(count(f.ui.transcript, "sound 駒打音.wav"), 1);
    EXPECT_TRUE(f.boxes().empty());

    // The first flush shows the caption; then the source square blinks twice.
    ASSERT_EQ(f.ui.snapshots.size(), 5u);
    auto texts = [](const std::vector<ScreenItem>& items) {
        std::vector<std::pair<std::string, int>> out;
        for (const ScreenItem& i : items)
            if (i.kind == ScreenItem::Kind::Text) out.push_back({i.text, i.colour});
        return out;
    };
    const auto first = texts(f.ui.snapshots[0]);
    EXPECT_NE(std::find(first.begin(), first.end(), std::pair<std::string, int>{" 思考中", 0}),
              first.end());
    EXPECT_NE(std::find(first.begin(), first.end(), std::pair<std::string, int>{" 思考中", 15}),
              first.end());
    auto imageOn = [](const std::vector<ScreenItem>& items, int x, int y) {
        std::string name;
        for (const ScreenItem& i : items)
            if (i.kind == ScreenItem::Kind::Image && i.x == cellX(x) && i.y == cellY(y))
                name = i.text;
        return name;
    };
    const std::string piece = 駒画像名(e.movedPiece);
    const std::vector<std::string> expected = {"KARA_MASU", piece, "KARA_MASU", piece};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(imageOn(f.ui.snapshots[i + 1], e.fromX, e.fromY), expected[i]) << i;
    // The caption has given way to the move report.
    const auto report = f.ui.screen().textsIn(cellX(Screen::comReportX - 0.3),
                                              cellY(Screen::comReportY), 1250, 400);
    EXPECT_EQ(std::count(report.begin(), report.end(), " 思考中"), 0);
}

TEST(Driver, WithNoLegalMoveTheComputerLosesAndPlaysNothing) {
    ComTurnFixture f(3);
    f.put(1, 12, 1);  // a pawn on the last row cannot move
    f.put(6, 6, -39);
    const BoardGrid before = f.s.game.Board;
    const ComOutcome out = com_ban(f.s);
    EXPECT_TRUE(out.ended);
    EXPECT_EQ(out.winner, "あなた");
    EXPECT_EQ(f.s.game.Board, before);
    EXPECT_EQ(f.s.game.record.recordCount, 0);
    EXPECT_EQ(count(f.ui.transcript, "sound 駒打音.wav"), 0);
    EXPECT_EQ(f.s.game.moveCount, 0);
}

TEST(Driver, ALionCaptureTakesItsSecondStep) {
    ComTurnFixture f(3);
    f.put(1, 1, 39);
    f.put(6, 3, 34);
    f.put(6, 4, -1);
    f.put(12, 12, -39);
    f.put(1, 12, -13);
    const ComOutcome out = com_ban(f.s);
    EXPECT_FALSE(out.ended);
    EXPECT_EQ(f.boxes(), std::vector<std::string>{"box [二手移動] 二手目、移動します"});
    ASSERT_EQ(newEntries(f.s, 0), 2);
    const MoveRecord& a = entry(f.s, 1);
    const MoveRecord& b = entry(f.s, 2);
    EXPECT_EQ(std::tuple(a.fromX, a.fromY, a.toX, a.toY), std::tuple(6, 3, 6, 4));
    EXPECT_EQ(a.capturedPiece, PieceCode(-1));
    EXPECT_EQ(std::tuple(b.fromX, b.fromY), std::tuple(6, 4));
    EXPECT_LE(std::max(std::abs(b.toX - 6), std::abs(b.toY - 4)), 1);
    EXPECT_EQ(b.movedPiece, PieceCode(34));
    EXPECT_EQ(f.s.game.Board[b.toX][b.toY], PieceCode(34));
    EXPECT_TRUE(f.s.game.Board[6][4].isEmpty());
    EXPECT_EQ(count(f.ui.transcript, "sound 駒打音.wav"), 2);
    EXPECT_EQ(f.s.game.moveCount, 1);
}

TEST(Driver, EagleAndFalconContinueAlongTheirFirstStepsLine) {
    struct Case {
        const char* name;
        int piece, fx, fy, tx, ty;
        std::vector<Sq> allowed;  // the second step's legal squares
    };
    const std::vector<Case> cases = {
        {"eagle toward column 12: 18.2", 18, 5, 3, 6, 4, {{7, 5}, {5, 3}}},
        {"eagle toward column 1: 18.1", 18, 5, 3, 4, 4, {{3, 5}, {5, 3}}},
        {"falcon straight forward: 24.1", 24, 6, 3, 6, 4, {{6, 5}, {6, 3}}},
    };
    for (const Case& c : cases) {
        ComTurnFixture f(3);
        f.put(1, 1, 39);
        f.put(c.fx, c.fy, c.piece);
        f.put(c.tx, c.ty, -13);
        f.put(12, 12, -39);
        f.put(1, 12, -13);
        const ComOutcome out = com_ban(f.s);
        EXPECT_FALSE(out.ended) << c.name;
        EXPECT_TRUE(contains(f.boxes(), "box [二手移動] 二手目、移動します")) << c.name;
        ASSERT_EQ(newEntries(f.s, 0), 2) << c.name;
        const MoveRecord& a = entry(f.s, 1);
        const MoveRecord& b = entry(f.s, 2);
        EXPECT_EQ(std::tuple(a.fromX, a.fromY, a.toX, a.toY), std::tuple(c.fx, c.fy, c.tx, c.ty))
            << c.name;
        EXPECT_EQ(b.movedPiece, PieceCode(c.piece)) << c.name;
        EXPECT_NE(std::find(c.allowed.begin(), c.allowed.end(), Sq{b.toX, b.toY}), c.allowed.end())
            << c.name << " went to " << b.toX << "," << b.toY;
        EXPECT_EQ(f.s.game.Board[b.toX][b.toY], PieceCode(c.piece)) << c.name;
    }
}

TEST(Driver, ACaptureScoringAboveTheWindowIsASingleMove) {
    // 1000 + 36 for taking an elephant is outside 1000..1030.
    ComTurnFixture f(3);
    f.put(1, 1, 39);
    f.put(5, 3, 18);
    f.put(6, 4, -36);
    f.put(12, 12, -39);
    f.put(1, 12, -13);
    com_ban(f.s);
    EXPECT_EQ(f.s.com.bestScore, 10360);
    EXPECT_TRUE(f.boxes().empty());
    ASSERT_EQ(newEntries(f.s, 0), 1);
    EXPECT_EQ(f.s.game.Board[6][4], PieceCode(18));
}

TEST(SecondStep, WithNoLegalCandidateThePieceStaysWithItsWholeCode) {
    ComTurnFixture f(3);
    // An eagle on (6, 4) after a first step toward column 1 (18.1): its
    // diagonal squares (5, 5) and (7, 3) hold its own pieces.
    f.put(6, 4, 18);
    f.put(5, 5, 1);
    f.put(7, 3, 1);
    f.put(12, 12, -39);
    const BoardGrid before = f.s.game.Board;
    com_ban2手目(f.s, 6, 4, code::COM_鷲_1);
    EXPECT_EQ(f.s.game.Board, before);
    EXPECT_EQ(f.s.game.record.recordCount, 0);
}

TEST(SecondStep, TrialsLeaveTheIntermediateCodeUntilThePieceMovesOn) {
    ComTurnFixture f(3);
    f.put(1, 1, 39);
    f.put(6, 4, 24);
    f.put(12, 12, -39);
    blankMaps(computerPart(f.s));
    勢力調査_COM(computerPart(f.s));
    com_ban2手目(f.s, 6, 4, code::COM_鷹_1);
    ASSERT_EQ(f.s.game.record.recordCount, 1);
    const MoveRecord& e = entry(f.s, 1);
    EXPECT_EQ(e.movedPiece, PieceCode(24));
    EXPECT_EQ(e.capturedPiece, code::EMPTY);
    EXPECT_TRUE(f.s.game.Board[6][4].isEmpty());
    EXPECT_EQ(f.s.game.Board[e.toX][e.toY], PieceCode(24));
}

TEST(EndTest, BaringTheHumanIsADraw) {
    ComTurnFixture f(2);
    f.put(1, 1, 39);
    f.put(6, 4, 13);
    f.put(6, 5, -1);
    f.put(12, 12, -39);
    const ComOutcome out = com_ban(f.s);
    EXPECT_TRUE(out.ended);
    EXPECT_EQ(out.winner, "引き分け");
    EXPECT_EQ(f.boxes(), std::vector<std::string>{"box [終局] 駒枯れになりました"});
    EXPECT_EQ(f.s.game.turnPlayer, f.s.game.comPlayer);  // the turn is not handed back
    EXPECT_EQ(f.s.game.Board[6][5], PieceCode(13));
}

TEST(EndTest, TakingTheLastRoyalPieceWins) {
    for (int royal : {-39, -38}) {
        ComTurnFixture f(2);
        f.put(1, 1, 39);
        f.put(6, 4, 13);
        f.put(6, 5, royal);
        f.put(12, 12, -13);
        f.put(11, 12, -13);
        const ComOutcome out = com_ban(f.s);
        EXPECT_TRUE(out.ended) << royal;
        EXPECT_EQ(out.winner, "ｺﾝﾋﾟｭｰﾀ") << royal;
        EXPECT_TRUE(f.boxes().empty()) << royal;
        EXPECT_EQ(f.s.game.turnPlayer, f.s.game.comPlayer) << royal;
    }
}

TEST(EndTest, TakingTheKingWhileThePrinceStandsGoesOnWithoutACheckNotice) {
    ComTurnFixture f(2);
    f.put(1, 1, 39);
    f.put(6, 4, 13);
    f.put(6, 5, -39);
    f.put(7, 6, -38);  // attacked by the gold once it stands on (6, 5)
    f.put(12, 12, -13);
    const ComOutcome out = com_ban(f.s);
    EXPECT_FALSE(out.ended);
    EXPECT_EQ(f.s.game.Board[6][5], PieceCode(13));
    EXPECT_TRUE(f.boxes().empty());
    EXPECT_EQ(f.s.game.turnPlayer, f.s.game.manPlayer);
}

TEST(EndTest, CheckNoticesForTheKingAndThePrince) {
    for (int royal : {-39, -38}) {
        ComTurnFixture f(3);
        f.put(5, 5, 1);  // the computer's only piece: a pawn that must advance
        f.put(5, 7, royal);
        f.put(12, 12, -13);
        f.put(1, 12, -13);
        const ComOutcome out = com_ban(f.s);
        EXPECT_FALSE(out.ended);
        const std::string text = royal == -39 ? "   ** 王手 **" : "   ** 王手(太子) **";
        EXPECT_EQ(f.boxes(), std::vector<std::string>{"box [] " + text}) << royal;
        EXPECT_EQ(f.s.game.turnPlayer, f.s.game.manPlayer);
    }
}

TEST(EndTest, AMateIsOnlyAnnounced) {
    // The human king in the corner behind pieces that can capture nothing; a
    // kirin stepping to (1, 10) attacks it by its jump.
    ComTurnFixture f(3);
    f.put(1, 12, -39);
    f.put(1, 11, -8);
    f.put(2, 11, -15);
    f.put(2, 12, -13);
    f.put(2, 9, 32);
    const ComOutcome out = com_ban(f.s);
    EXPECT_FALSE(out.ended);
    EXPECT_EQ(f.s.com.bestScore, 99980);
    EXPECT_EQ(f.s.game.Board[1][10], PieceCode(32));
    EXPECT_EQ(f.boxes(), std::vector<std::string>{"box [詰め ?] よし！!"});
    EXPECT_EQ(f.s.game.turnPlayer, f.s.game.manPlayer);
}

}  // namespace
}  // namespace zk::test
