// The three end-of-game decisions of the window's games.
#include "end_rules.h"

#include <gtest/gtest.h>

#include "com_mate.h"
#include "pieces.h"

namespace zk {
namespace {

using Pieces = std::vector<std::tuple<int, int, int>>;

// An empty board between moves of a game against the computer.
State board(const Pieces& pieces) {
    State s;
    駒価値設定(s.com);
    s.game.record = GameRecord{};
    s.game.record.slot(0).pieceAfter = PieceCode(1);
    s.game.manPlayer = Game::firstPlayer;
    s.game.comPlayer = Game::secondPlayer;
    s.press.moveStep = 1;
    for (auto [x, y, k] : pieces) s.game.Board[x][y] = PieceCode(k);
    return s;
}

// The COM king boxed in its corner by its pawn and bishop and attacked by a
// human gold: the computer is mated.
const Pieces kComMated = {{12, 1, 39}, {12, 2, 1}, {11, 1, 21}, {11, 2, -13}};
// The human king boxed in its corner by its own pawns: the human is mated.
const Pieces kManMated = {{1, 12, -39}, {1, 11, -1}, {2, 11, -1}, {2, 12, -1}};

Pieces plus(Pieces base, const Pieces& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

struct Want {
    bool bare, ended;
    const char* winner;
    bool mateNotice = false;
    const char* check = "";
};

void expectVerdict(const EndVerdict& v, const Want& w, const char* what) {
    EXPECT_EQ(v.bare, w.bare) << what;
    EXPECT_EQ(v.ended, w.ended) << what;
    EXPECT_EQ(v.winner, w.winner) << what;
    EXPECT_EQ(v.mateNotice, w.mateNotice) << what;
    EXPECT_EQ(v.checkNotice, w.check) << what;
}

struct HumanMoveCase {
    const char* what;
    Pieces pieces;
    int captured;
    Want want;
};

TEST(EndAfterHumanMove, AgainstTheComputer) {
    const std::vector<HumanMoveCase> cases = {
        {"the computer is left with its king only",
         {{1, 1, 39}, {6, 12, -39}, {5, 5, -1}},
         0,
         {true, true, "あなた"}},
        {"one piece each is no bare ending", {{1, 1, 39}, {6, 12, -39}}, 0, {false, false, ""}},
        {"the human bared is no ending here",
         {{1, 1, 39}, {2, 1, 1}, {6, 12, -39}},
         0,
         {false, false, ""}},
        {"mate of the computer", plus(kComMated, {{6, 12, -39}}), 0, {false, true, "あなた"}},
        {"mate does not count while the human king is attacked",
         plus(kComMated, {{6, 12, -39}, {6, 10, 15}}),
         0,
         {false, false, ""}},
        {"mate does not count while the lone prince is attacked",
         plus(kComMated, {{6, 12, -38}, {6, 10, 15}}),
         0,
         {false, false, ""}},
        {"mate counts when the king is attacked but the prince is there too",
         plus(kComMated, {{6, 12, -39}, {6, 10, 15}, {1, 12, -38}}),
         0,
         {false, true, "あなた"}},
        {"king taken, no prince",
         {{1, 1, 1}, {2, 1, 5}, {6, 12, -39}, {5, 5, -1}},
         39,
         {false, true, "あなた"}},
        {"king taken, the prince plays on",
         {{1, 1, 38}, {2, 1, 5}, {6, 12, -39}, {5, 5, -1}},
         39,
         {false, false, ""}},
        {"prince taken, no king",
         {{1, 1, 1}, {2, 1, 5}, {6, 12, -39}, {5, 5, -1}},
         38,
         {false, true, "あなた"}},
        {"prince taken, the king plays on",
         {{1, 1, 39}, {2, 1, 5}, {6, 12, -39}, {5, 5, -1}},
         38,
         {false, false, ""}},
    };
    for (const HumanMoveCase& c : cases) {
        State s = board(c.pieces);
        // Stale royal squares from before the move must not survive the refresh.
        s.com.comKingX = s.com.comPrinceX = s.com.manKingX = s.com.manPrinceX = 7;
        const BoardGrid before = s.game.Board;
        expectVerdict(終局判定_対COM(s, PieceCode(c.captured)), c.want, c.what);
        EXPECT_EQ(s.game.Board, before) << c.what;
    }
}

TEST(EndAfterHumanMove, BetweenTwoHumans) {
    const std::vector<HumanMoveCase> cases = {
        {"top side bared", {{1, 1, 39}, {6, 12, -39}, {5, 5, -1}}, 0, {true, true, "先手"}},
        {"bottom side bared", {{1, 1, 39}, {2, 2, 1}, {6, 12, -39}}, 0, {true, true, "後手"}},
        {"one each names the top side", {{1, 1, 39}, {6, 12, -39}}, 0, {true, true, "後手"}},
        {"no mate test between humans", plus(kComMated, {{6, 12, -39}}), 0, {false, false, ""}},
        {"top king taken, no prince",
         {{1, 1, 1}, {2, 1, 5}, {6, 12, -39}, {5, 5, -1}},
         39,
         {false, true, "先手"}},
        {"top prince taken, king stands",
         {{1, 1, 39}, {2, 1, 5}, {6, 12, -39}, {5, 5, -1}},
         38,
         {false, false, ""}},
        {"bottom king taken, no prince",
         {{1, 1, 39}, {2, 1, 5}, {6, 12, -1}, {5, 5, -1}},
         -39,
         {false, true, "後手"}},
        {"bottom prince taken, no king",
         {{1, 1, 39}, {2, 1, 5}, {6, 12, -1}, {5, 5, -1}},
         -38,
         {false, true, "後手"}},
        {"bottom king taken, prince stands",
         {{1, 1, 39}, {2, 1, 5}, {6, 12, -38}, {5, 5, -1}},
         -39,
         {false, false, ""}},
    };
    for (const HumanMoveCase& c : cases) {
        State s = board(c.pieces);
        s.com.comKingX = s.com.comPrinceX = s.com.manKingX = s.com.manPrinceX = 7;
        expectVerdict(終局判定_対人(s, PieceCode(c.captured)), c.want, c.what);
    }
}

TEST(EndAfterComMove, MateNoticeBareDrawRoyalCaptureAndChecks) {
    const std::vector<HumanMoveCase> cases = {
        {"mate only gives the notice", plus(kManMated, {{12, 1, 39}}), 0, {false, false, "", true}},
        {"mate comes before the check notice",
         plus(kManMated, {{12, 1, 39}, {3, 12, 32}}),
         0,
         {false, false, "", true}},
        {"the human bared is a draw",
         {{1, 1, 39}, {2, 1, 1}, {6, 12, -39}},
         0,
         {true, true, "引き分け"}},
        {"one each is no bare ending", {{1, 1, 39}, {6, 12, -39}}, 0, {false, false, ""}},
        {"king taken, no prince",
         {{1, 1, 39}, {2, 1, 5}, {6, 12, -1}, {5, 5, -1}},
         -39,
         {false, true, "ｺﾝﾋﾟｭｰﾀ"}},
        {"prince taken, no king",
         {{1, 1, 39}, {2, 1, 5}, {6, 12, -1}, {5, 5, -1}},
         -38,
         {false, true, "ｺﾝﾋﾟｭｰﾀ"}},
        {"king taken, the checked prince gets no notice",
         {{1, 1, 39}, {6, 10, 15}, {6, 12, -38}, {5, 5, -1}},
         -39,
         {false, false, ""}},
        {"check on the king",
         {{1, 1, 39}, {6, 10, 15}, {6, 12, -39}, {1, 12, -38}},
         0,
         {false, false, "", false, "   ** 王手 **"}},
        {"check on the prince",
         {{1, 1, 39}, {6, 10, 15}, {6, 12, -38}, {12, 12, -39}},
         0,
         {false, false, "", false, "   ** 王手(太子) **"}},
        {"the prince checked with the king gone",
         {{1, 1, 39}, {6, 10, 15}, {6, 12, -38}, {5, 5, -1}},
         0,
         {false, false, "", false, "   ** 王手(太子) **"}},
        {"no check", {{1, 1, 39}, {6, 10, 15}, {7, 12, -38}, {12, 12, -39}}, 0, {false, false, ""}},
    };
    for (const HumanMoveCase& c : cases) {
        State s = board(c.pieces);
        s.com.manKingX = s.com.manPrinceX = 7;
        終局前調査_COM手(computerPart(s));
        const BoardGrid before = s.game.Board;
        expectVerdict(終局判定_COM手(s, PieceCode(c.captured)), c.want, c.what);
        EXPECT_EQ(s.game.Board, before) << c.what;
    }
}

TEST(EndRefresh, ClearsTheRightRoyalColumnsAndSurveysBothSides) {
    State s = board({{3, 3, 5}});
    s.com.comKingX = s.com.comPrinceX = s.com.manKingX = s.com.manPrinceX = 7;
    終局前調査_COM手(computerPart(s));
    EXPECT_EQ((std::array{s.com.manKingX, s.com.manPrinceX, s.com.comKingX, s.com.comPrinceX}),
              (std::array{0, 0, 7, 7}));
    EXPECT_EQ(s.com.comInfluence[3][4], 1);
    終局前調査_MAN手(computerPart(s));
    EXPECT_EQ((std::array{s.com.manKingX, s.com.manPrinceX, s.com.comKingX, s.com.comPrinceX}),
              (std::array{0, 0, 0, 0}));
}

}  // namespace
}  // namespace zk
