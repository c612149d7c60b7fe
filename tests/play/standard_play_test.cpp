// The standard game in the window, played by presses through the script
// runner: the rule choice kept in the settings, promotion taken and declined,
// a lion's capture and return with 戻 and 進, the endings, and games against
// the engine whose every move is one of the legal list.
#include "standard_play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "engine_turn.h"
#include "script_fixture.h"

namespace zk {
namespace {

class StandardWindow : public ScriptTest {
protected:
    std::string settings() const override {
        return "移動指導=ON\r\nBGM=OFF\r\n思考時間=5\r\nルール=標準\r\n";
    }
    bool shows(const Lines& out, const std::string& text) {
        return std::any_of(out.begin(), out.end(),
                           [&](const std::string& l) { return l.find(text) != std::string::npos; });
    }
    std::string settingsFile() {
        std::ifstream in(dir_ / "Zenkoru.ini", std::ios::binary);
        std::stringstream t;
        t << in.rdbuf();
        return t.str();
    }
    // Every move of the game so far was legal in the position before it.
    void expectLegalGame() {
        const StandardGame g = 標準棋譜(s().game);
        ASSERT_EQ(g.positions.size(), g.moves.size() + 1);
        for (std::size_t i = 0; i < g.moves.size(); ++i) {
            const std::vector<Move> legal = legalMoves(g.positions[i]);
            EXPECT_NE(std::find(legal.begin(), legal.end(), g.moves[i]), legal.end()) << i;
        }
        EXPECT_EQ(g.positions.back().Board, s().game.Board);
    }
};

TEST_F(StandardWindow, TheRuleChoiceIsKeptAndStartsTheStandardArray) {
    // Read at start-up: the standard array, plain lions, checked and captioned.
    EXPECT_EQ(s().game.rules, RuleSet::Standard);
    EXPECT_TRUE(ui().menuChecked("RULE_STD"));
    EXPECT_FALSE(ui().menuChecked("RULE_ZK"));
    EXPECT_EQ(s().game.Board, Position::initial(RuleSet::Standard).Board);
    // Record files hold this program's games: neither written nor read here.
    EXPECT_TRUE(shows(run("menu KIFU_WRITE"), "SFEN/USIで書出"));
    EXPECT_TRUE(shows(run("menu KIFU_READ"), "本ソフトのルール"));
    run("rules zenkoru");
    EXPECT_EQ(s().game.Board, Position::initial().Board);
    EXPECT_NE(settingsFile().find("ルール=本ソフト"), std::string::npos);
    run("menu RULE_STD");
    EXPECT_EQ(s().game.Board, Position::initial(RuleSet::Standard).Board);
    EXPECT_NE(settingsFile().find("ルール=標準"), std::string::npos);
}

TEST_F(StandardWindow, TwoHumansPromoteDeclineAndLetALionCaptureAndReturn) {
    run({"put 6 5 -13", "put 3 5 -13", "put 9 6 -34", "menu START"});
    // A gold taking in the zone may promote: asked, and taken.
    Lines out = run({"answer yes", "press 6 5", "press 6 4"});
    EXPECT_TRUE(shows(out, "成りますか？"));
    EXPECT_EQ(s().game.Board[6][4], PieceCode(-14));
    EXPECT_EQ(s().game.turnPlayer, Game::secondPlayer);
    // A pawn that cannot promote is not asked.
    out = run({"press 7 4", "press 7 5"});
    EXPECT_FALSE(shows(out, "成りますか？"));
    EXPECT_EQ(s().game.Board[7][5], PieceCode(1));
    // Declined: the gold stays a gold.
    out = run({"answer no", "press 3 5", "press 3 4"});
    EXPECT_TRUE(shows(out, "成りますか？"));
    EXPECT_EQ(s().game.Board[3][4], PieceCode(-13));
    run({"press 8 4", "press 8 5"});
    // The lion takes the go-between and goes back home in one turn.
    out = run({"answer yes", "press 9 6", "press 9 5", "press 9 6"});
    EXPECT_TRUE(shows(out, "もう一手移動しますか？"));
    EXPECT_EQ(s().game.Board[9][5], code::EMPTY);
    EXPECT_EQ(s().game.Board[9][6], PieceCode(-34));
    EXPECT_EQ(s().game.moveCount, 5);
    expectLegalGame();
    // 戻 takes the whole turn back, 進 plays it again.
    run("menu REPLAY");
    EXPECT_EQ(s().game.Board[9][5], PieceCode(35));
    EXPECT_EQ(s().game.moveCount, 4);
    run("menu AFTER");
    EXPECT_EQ(s().game.Board[9][5], code::EMPTY);
    EXPECT_EQ(s().game.moveCount, 5);
    // The top side plays on from the position the record gives.
    run({"press 5 4", "press 5 5"});
    EXPECT_EQ(s().game.moveCount, 6);
    expectLegalGame();
}

TEST_F(StandardWindow, EndsByTheRoyalTakenAndByTheBareKing) {
    // The king taken: the taker wins, and a new game is standard again.
    run({"clear-board", "put 7 1 39", "put 2 1 13", "put 6 12 -39", "put 7 6 -15", "menu START"});
    Lines out = run({"answer yes", "press 7 6", "press 7 1"});
    EXPECT_TRUE(shows(out, "先手の勝ちです"));
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer);
    EXPECT_EQ(s().game.Board, Position::initial(RuleSet::Standard).Board);

    // The top side's last gold taken, and it cannot bare the bottom side back.
    run({"clear-board", "put 7 1 39", "put 2 1 13", "put 6 12 -39", "put 2 6 -15", "menu START"});
    out = run({"answer yes", "press 2 6", "press 2 1"});
    EXPECT_TRUE(shows(out, "駒枯れになりました"));
    EXPECT_TRUE(shows(out, "先手の勝ちです"));
}

// Random games by presses: every move the list offers is made by its presses
// and questions, and the record replays to the board.
TEST_F(StandardWindow, RandomGamesByPressesStayLegal) {
    for (int seed : {1, 2}) {
        run({"menu CANCEL", "seed " + std::to_string(seed), "menu START"});
        for (int i = 0; i < 150 && s().game.turnPlayer != Game::noPlayer; ++i) {
            run("random-move");
            EXPECT_TRUE(ui().answers.empty());
        }
        if (s().game.turnPlayer != Game::noPlayer) expectLegalGame();
    }
}

TEST_F(StandardWindow, TheEnginePlaysTheComputerSide) {
    run({"engine nodes 1500", "menu LEVEL1", "menu SENTE"});
    for (int move = 1; move <= 3; ++move) {
        run({"random-move"});
        ASSERT_EQ(s().game.turnPlayer, s().game.manPlayer);
        ASSERT_EQ(s().game.moveCount, 2 * move);
    }
    expectLegalGame();
    // As 後手 the computer opens at once, with the top side.
    run({"menu CANCEL", "menu GOTE"});
    EXPECT_EQ(s().game.moveCount, 1);
    EXPECT_EQ(s().game.turnPlayer, s().game.manPlayer);
    EXPECT_GE(s().game.record.at(1).movedPiece, PieceCode(1));
    expectLegalGame();
}

// A whole game against the engine, the human side moving at random and
// answering the promotion question both ways, ends with a verdict, and every
// move of both sides was legal.
TEST_F(StandardWindow, AWholeGameAgainstTheEngineEndsWithAVerdict) {
    // Seed 12's random side meets the question four times and answers it both ways.
    run({"seed 12", "engine nodes 1500", "menu LEVEL1", "menu SENTE"});
    Lines all;
    for (int i = 0; i < 400 && s().game.turnPlayer != Game::noPlayer; ++i) {
        const Lines out = run("random-move");
        all.insert(all.end(), out.begin(), out.end());
    }
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer) << "the game did not end";
    EXPECT_TRUE(shows(all, "ｺﾝﾋﾟｭｰﾀの勝ちです")) << all.back();
    EXPECT_TRUE(shows(all, "成りますか？ -> yes"));
    EXPECT_TRUE(shows(all, "成りますか？ -> no"));
    expectLegalGame();
}

}  // namespace
}  // namespace zk
