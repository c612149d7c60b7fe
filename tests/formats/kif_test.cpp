// The KIF text: every move names its origin, 同 and both squares of a
// two-step move, and the text reads back to the same game.
#include "kif.h"

#include <gtest/gtest.h>

#include "move_list.h"
#include "sfen.h"

namespace zk {
namespace {

TEST(Kif, WritesTheHeaderAndOneNumberedMoveALine) {
    ImportedGame g;
    ASSERT_TRUE(parseGameText("startpos moves 7i7h 6d6e", g).ok);
    const std::string text =
        kifText({"2026/12/09 06:40:00", "あなた", "COM", "LEVEL2", "平手", ""}, moveList(g.record));
    EXPECT_EQ(text,
              "# ---- Zenkoru 棋譜 ----\n"
              "開始日時：2026/12/09 06:40:00\n"
              "手合割：平手\n"
              "先手：あなた\n"
              "後手：COM\n"
              "レベル：LEVEL2\n"
              "手数----指手---------\n"
              "   1 ７八と(0709)\n"
              "   2 ６五と(0604)\n"
              "まで2手\n");
}

TEST(Kif, RecapturesAndTwoStepMovesReadBackToTheSameGame) {
    // 6: the top pawn takes back on 7f; 7: the lion's two steps; 9: the lion
    // takes on the square the top pawn just reached; 10, 11: file 12.
    ImportedGame g;
    ASSERT_TRUE(parseGameText("startpos moves 7i7h 7d7e 7h7g 6d6e 7g7f 7e7f 7j7i6h 6e6f 6h6g6f "
                              "12d12e 12i12h",
                              g)
                    .ok);
    const std::string text =
        kifText({"2026/12/09 06:40:00", "人間", "人間", "", "平手", ""}, moveList(g.record));
    for (const char* line : {"   5 ７六と(0707)\n", "   6 同　と(0705)\n",
                             "   7 ７九・６八獅(0710)\n", "   9 ６七・同　獅(0608)\n",
                             "  10 １２五と(1204)\n", "  11 １２八と(1209)\n", "まで11手\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;

    ImportedGame back;
    ASSERT_TRUE(parseKifText(text, back).ok) << notationErrorText(parseKifText(text, back));
    EXPECT_EQ(back.moves, g.moves);
    EXPECT_EQ(back.record.entries, g.record.entries);
    EXPECT_EQ(back.record.recordEnd, g.record.recordEnd);
    EXPECT_EQ(back.end.Board, g.end.Board);

    // A start of its own travels in the header.
    Position start = Position::initial();
    start.Board[1][9] = code::EMPTY;
    start.mover = 1;
    ASSERT_TRUE(parseGameText("position sfen " + formatSfen(start, 7) + " moves 7d7e", g).ok);
    ASSERT_TRUE(
        parseKifText(kifText({"", "", "", "", "その他", formatSfen(start, 7)}, moveList(g.record)),
                     back)
            .ok);
    EXPECT_EQ(back.start.Board, start.Board);
    EXPECT_EQ(back.startMoveNumber, 7);
    EXPECT_EQ(back.moves, g.moves);
}

TEST(Kif, ABadMoveIsRefusedByItsNumber) {
    const std::string good = "手数----指手---------\n   1 ７八と(0709)\n   2 ７五と(0704)\n";
    ImportedGame g;
    ASSERT_TRUE(parseKifText(good, g).ok);
    ImportedGame untouched = g;
    // The pawn has left 7i; a square the rules do not reach; a pawn is not a lion.
    for (const char* third : {"   3 ７七と(0709)\n", "   3 ７五と(0708)\n", "   3 ７七獅(0708)\n",
                              "   3 ７七と(0708\n"}) {
        const NotationError e = parseKifText(good + third, g);
        EXPECT_FALSE(e.ok) << third;
        EXPECT_EQ(e.move, 3) << third;
        EXPECT_EQ(g.moves, untouched.moves);
    }
    EXPECT_TRUE(parseKifText(good + "   3 ７七と(0708)\n", g).ok);
    EXPECT_TRUE(looksLikeKif(good));
    EXPECT_FALSE(looksLikeKif("position startpos moves 7i7h"));
}

TEST(Kif, AStandardGameNamesItsStartAndReadsBackAsStandard) {
    // Lishogi's game text of a standard game: a lion's two steps, a
    // promotion, two lions passing.
    const std::string usi =
        "position sfen "
        "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/"
        "MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1 moves 7i7h 6d6e 7j7i6h 7d7e 6h6g 5d5e "
        "5i5h 9e9f 4j10d+ 10c10d 6g6f6g 6c6d6c";
    ImportedGame g;
    ASSERT_TRUE(parseGameText(usi, g).ok);
    ASSERT_EQ(g.start.rules, RuleSet::Standard);
    const std::string text =
        kifText({"", "人間", "人間", "", "平手", formatSfen(g.start)}, moveList(g.record));
    for (const char* line :
         {"   1 ７八歩(0709)\n", "   3 ７九・６八獅(0710)\n", "   9 １０四馬成(0410)\n",
          "  10 同　飛(1003)\n", "  11 ６六・６七獅(0607)\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    ImportedGame back;
    ASSERT_TRUE(parseKifText(text, back).ok) << notationErrorText(parseKifText(text, back));
    EXPECT_EQ(back.start.rules, RuleSet::Standard);
    EXPECT_EQ(back.moves, g.moves);
    EXPECT_EQ(back.end, g.end);
    // Without the start line the moves alone show the standard array.
    const std::string noStart = text.substr(text.find("手数----"));
    ASSERT_TRUE(parseKifText(noStart, back).ok);
    EXPECT_EQ(back.start.rules, RuleSet::Standard);
    EXPECT_EQ(back.moves, g.moves);
}

}  // namespace
}  // namespace zk
