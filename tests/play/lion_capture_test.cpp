#include "script_fixture.h"

namespace zk {
namespace {

const Lines kProtected{"sound 禁止.wav",
                       "box [禁手] 相手の獅子に足があります\r\n獅子を獅子で取れません"};
const Lines kWeakBait{"sound 禁止.wav",
                      "box [禁手] 付け食いが歩兵、仲人の為\r\n獅子で獅子を取れません"};
const Lines kRecapture{"sound 禁止.wav", "box [禁手：先獅子(せんしし)] すぐに獅子を取り返せません"};

using LionCapture = ScriptTest;

TEST_F(LionCapture, ALionMayNotTakeAProtectedLionInOneStepNearOrFar) {
    struct Case {
        const char* lion;  // where the top lion stands, guarded by a gold behind it
        const char* guard;
        int x, y;
    } cases[] = {{"put 6 7 34", "put 6 6 13", 6, 7}, {"put 6 6 33", "put 6 5 13", 6, 6}};
    for (const auto& c : cases) {
        twoHumansOnQuietBoard();
        run({"put 6 8 -34", c.lion, c.guard, "press 6 8"});
        const BoardGrid before = s().game.Board;
        EXPECT_EQ(press(c.x, c.y), kProtected) << c.y;
        EXPECT_EQ(s().game.Board, before);
        EXPECT_EQ(s().game.record.recordEnd, 0);
        EXPECT_EQ(s().press.clickPhase, 1);
        EXPECT_EQ(s().press.selX, 6);
        EXPECT_EQ(s().press.selY, 8);
    }
}

TEST_F(LionCapture, AnUnprotectedLionMayBeTaken) {
    twoHumansOnQuietBoard();
    run({"put 6 8 -34", "put 6 6 33", "press 6 8"});
    EXPECT_EQ(press(6, 6), (Lines{"sound 駒打音.wav"}));
    EXPECT_EQ(s().game.Board[6][6], code::MAN_獅_B);
}

TEST_F(LionCapture, AnotherPieceMayTakeAProtectedLion) {
    twoHumansOnQuietBoard();
    run({"put 6 9 -15", "put 6 7 34", "put 6 6 13", "press 6 9"});
    EXPECT_EQ(press(6, 7), (Lines{"sound 駒打音.wav"}));
    EXPECT_EQ(s().game.Board[6][7], code::MAN_飛_B);
}

struct SecondStepCase {
    const char* bait;  // what the first step takes on (6, 8); "" for nothing
    bool allowed;
    bool weak;
};
void PrintTo(const SecondStepCase& c, std::ostream* os) { *os << (*c.bait ? c.bait : "nothing"); }

class LionSecondStep : public ScriptTest, public ::testing::WithParamInterface<SecondStepCase> {};

// The bottom lion on (6, 9) steps to (6, 8) and then on to the protected top
// lion on (6, 7).
TEST_P(LionSecondStep, DependsOnWhatTheFirstStepTook) {
    const SecondStepCase& c = GetParam();
    twoHumansOnQuietBoard();
    run({"put 6 9 -34", "put 6 7 34", "put 6 6 13"});
    if (*c.bait) run(c.bait);
    run({"press 6 9", "answer yes", "press 6 8"});
    ASSERT_EQ(s().press.moveStep, 2);
    Lines out = press(6, 7);
    if (c.allowed) {
        EXPECT_EQ(out, (Lines{"sound 駒打音.wav"}));
        EXPECT_EQ(s().game.Board[6][7], code::MAN_獅_B);
        EXPECT_EQ(s().press.moveStep, 1);
    } else {
        EXPECT_EQ(out, c.weak ? kWeakBait : kProtected);
        EXPECT_EQ(s().game.Board[6][7], code::COM_獅_B);
        EXPECT_EQ(s().press.moveStep, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Baits, LionSecondStep,
                         ::testing::Values(SecondStepCase{"", false, false},
                                           SecondStepCase{"put 6 8 1", false, true},
                                           SecondStepCase{"put 6 8 35", false, true},
                                           SecondStepCase{"put 6 8 9", true, false},
                                           SecondStepCase{"put 6 8 2", true, false}));

TEST_F(LionCapture, AfterLosingALionNoPieceMayTakeALionAtOnce) {
    twoHumansOnQuietBoard();
    run({"put 6 8 -34", "put 6 6 34", "put 9 6 33", "put 9 9 -15"});
    run({"press 12 11", "press 12 10"});  // bottom
    run({"press 6 6", "press 6 8"});      // top lion takes the bottom lion by a jump
    ASSERT_EQ(s().game.record.at(2).capturedPiece, code::MAN_獅_B);
    run("press 9 9");
    const BoardGrid before = s().game.Board;
    EXPECT_EQ(press(9, 6), kRecapture);
    EXPECT_EQ(s().game.Board, before);
    // Any other move is allowed.
    EXPECT_EQ(run({"press 9 9", "press 9 7"}), (Lines{"sound 駒打音.wav"}));
}

TEST_F(LionCapture, TheLionThatTookOursInItsSecondStepMayBeTakenBack) {
    twoHumansOnQuietBoard();
    // The rook protects the bottom lion; the top lion may still take it in a
    // second step because its first step takes a silver.
    run({"put 6 9 -34", "put 6 7 34", "put 9 9 -15", "put 7 8 -9"});
    run({"press 12 11", "press 12 10"});
    run({"press 6 7", "answer yes", "press 7 8", "press 6 9"});
    ASSERT_EQ(s().game.Board[6][9], code::COM_獅_B);
    ASSERT_EQ(s().game.record.at(3).capturedPiece, code::MAN_獅_B);
    EXPECT_EQ(run({"press 9 9", "press 6 9"}), (Lines{"sound 駒打音.wav"}));
    EXPECT_EQ(s().game.Board[6][9], code::MAN_飛_B);
}

TEST_F(LionCapture, TheTopSideIsBoundTheSameWay) {
    twoHumansOnQuietBoard();
    run({"put 6 5 34", "put 6 6 -34", "put 6 7 -13"});
    run({"press 12 11", "press 12 10", "press 6 5"});
    EXPECT_EQ(press(6, 6), kProtected);
}

TEST_F(LionCapture, PressingOnesOwnLionReselectsWithoutAMessage) {
    twoHumansOnQuietBoard();
    run({"put 6 8 -34", "put 6 6 34", "put 9 9 -15", "put 3 9 -33"});
    run({"press 12 11", "press 12 10", "press 6 6", "press 6 8"});  // bottom lion lost
    run("press 9 9");
    EXPECT_TRUE(press(3, 9).empty());
    EXPECT_EQ(s().press.selX, 3);
    EXPECT_EQ(s().press.selY, 9);
    EXPECT_EQ(s().press.clickPhase, 1);
}

}  // namespace
}  // namespace zk
