// The whole game on screen and shared: the last move's marks, going to a
// move of the list, the SFEN/USI and KIF exports and their import, with every refusal leaving the
// game exactly as it was.
#include "share.h"

#include <iterator>
#include <random>

#include "autosave.h"
#include "script_fixture.h"
#include "sfen.h"

namespace zk {
namespace {

std::string readFile(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The opening used throughout: a pawn each, then the lion steps 6,10 → 6,9
// and goes on to 7,8 (USI 7j7i6h), then a top pawn.
const char* const kOpening[] = {"press 6 9", "press 6 8", "press 6 4", "press 6 5", "press 6 10",
                                "press 6 9", "press 7 8", "press 1 4", "press 1 5"};

class Share : public ScriptTest {
protected:
    void playOpening() {
        run("menu START");
        for (const char* line : kOpening) run(line);
        ASSERT_EQ(s().game.moveCount, 4);
    }
    std::string marks() { return run("marks").back(); }
    // Everything a refused command must leave alone.
    std::vector<int> playState() {
        return {s().game.record.recordCount, s().game.record.recordEnd, s().game.turnPlayer,
                s().game.manPlayer,          s().game.comPlayer,        s().game.gameMode,
                s().game.recordMode,         s().game.moveCount,        s().press.moveStep,
                s().press.clickPhase};
    }
};

TEST_F(Share, LastMoveMarksFollowMovesTakeBacksAndGuidance) {
    run("menu START");
    run({"press 6 9", "press 6 8"});
    EXPECT_EQ(marks(), "marks 6,8 6,9");
    // Guidance wipes every outline, the marks come back with it.
    run("press 6 4");
    EXPECT_EQ(outline(6, 5), Screen::textWhite);
    EXPECT_EQ(marks(), "marks 6,8 6,9");
    run("press 6 5");
    EXPECT_EQ(marks(), "marks 6,4 6,5");
    EXPECT_EQ(outline(6, 9), Screen::boardGridColour);
    // A two-step move marks its mid square too.
    run({"press 6 10", "press 6 9", "press 7 8"});
    EXPECT_EQ(marks(), "marks 7,8 6,9 6,10");
    run("menu REPLAY");
    EXPECT_EQ(marks(), "marks 6,4 6,5");
    run("menu AFTER");
    EXPECT_EQ(marks(), "marks 7,8 6,9 6,10");
    // Move help's empty board has no last move; the marks come back after it.
    run({"menu IDOU_HLP", "press 7 8"});
    EXPECT_EQ(marks(), "marks");
    run("menu IDOU_HLP");
    EXPECT_EQ(marks(), "marks 7,8 6,9 6,10");
    run("menu CANCEL");
    EXPECT_EQ(marks(), "marks");
}

TEST_F(Share, TheComputersMoveIsMarkedAndTheFrontEndToldOfEveryChange) {
    run("menu LEVEL1");
    run("menu SENTE");
    const int before = ui().recordChanges;
    run({"press 6 9", "press 6 8"});
    const MoveRecord& com = s().game.record.at(s().game.record.recordCount);
    ASSERT_GE(com.movedPiece, 1);
    EXPECT_EQ(outline(com.fromX, com.fromY), Screen::lastMoveColour);
    EXPECT_EQ(outline(com.toX, com.toY), Screen::lastMoveColour);
    EXPECT_EQ(outline(6, 9), Screen::boardGridColour);
    EXPECT_GE(ui().recordChanges, before + 2);
    const int afterMoves = ui().recordChanges;
    run("menu REPLAY");
    EXPECT_GT(ui().recordChanges, afterMoves);
}

TEST_F(Share, GoingToAMoveRepeatsTakeBackAndReplayAndStopsAtTheFirstRefusal) {
    playOpening();
    const BoardGrid end = s().game.Board;
    const Lines back = run("goto 1");
    EXPECT_EQ(現在手(s()), 1);
    EXPECT_EQ(s().game.record.recordCount, 1);
    EXPECT_EQ(s().game.Board[6][10],
              Position::initial().Board[6][10]);  // the two-step move went back whole
    // Four entries taken back, one sound each, and no box.
    EXPECT_EQ(back, Lines(4, "sound 駒打音.wav"));
    run("goto 4");
    EXPECT_EQ(s().game.Board, end);
    EXPECT_EQ(marks(), "marks 1,4 1,5");

    // The lion's first step waits for its second: 戻 refuses, once.
    run({"press 7 8", "press 7 7"});
    ASSERT_EQ(s().press.moveStep, 2);
    const BoardGrid midMove = s().game.Board;
    const std::vector<int> state = playState();
    EXPECT_EQ(run("goto 0"), (Lines{"sound 禁止.wav", "box [戻る] 2手目移動中はできません！"}));
    EXPECT_EQ(s().game.Board, midMove);
    EXPECT_EQ(playState(), state);
}

TEST_F(Share, ExportsReadBackToTheSameGame) {
    playOpening();
    EXPECT_EQ(run("menu SFEN_WRITE"), (Lines{"save-dialog [SFEN/USIで書出] -> (cancelled)"}));
    run({"filename game.usi", "menu SFEN_WRITE", "filename game.kifu", "menu KIF_WRITE"});
    const std::string usi = readFile("game.usi");
    EXPECT_EQ(usi.rfind("position sfen " + formatSfen(Position::initial()) + " moves ", 0), 0u)
        << usi;
    EXPECT_NE(usi.find(" moves 7i7h 7d7e 7j7i6h 12d12e\n"), std::string::npos) << usi;
    const std::string kif = readFile("game.kifu");
    for (const char* line :
         {"手合割：平手\n", "先手：人間\n", "   3 ７九・６八獅(0710)\n", "まで4手\n"})
        EXPECT_NE(kif.find(line), std::string::npos) << line << kif;

    run("menu SFEN_COPY");
    EXPECT_EQ(ui().clipboard, formatSfen(Position::fromBoard(s().game.Board, -1), 5));

    const std::vector<MoveRecord> entries(s().game.record.entries.begin(),
                                          s().game.record.entries.begin() + 6);
    const BoardGrid end = s().game.Board;
    run({"menu CANCEL", "filename game.usi", "menu SFEN_READ"});
    EXPECT_EQ(s().game.Board, end);
    EXPECT_EQ(s().game.record.recordEnd, 5);
    EXPECT_EQ(std::vector<MoveRecord>(s().game.record.entries.begin(),
                                      s().game.record.entries.begin() + 6),
              entries);
    EXPECT_EQ(s().game.importedStart, Game::flagOff);

    // The KIF text through the same menu: the same game at its last move.
    const Lines read = run({"menu CANCEL", "filename game.kifu", "menu SFEN_READ"});
    EXPECT_EQ(read.back(), "box [SFEN/USIを読込] 4手を読み込みました");
    EXPECT_EQ(s().game.Board, end);
    EXPECT_EQ(s().game.record.recordEnd, 5);
    EXPECT_EQ(std::vector<MoveRecord>(s().game.record.entries.begin(),
                                      s().game.record.entries.begin() + 6),
              entries);
    EXPECT_EQ(s().game.recordMode, Game::flagOn);
}

const std::string kStandardStart =
    "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/"
    "MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1";

// A standard game as Lishogi exports it, with a lion's two steps, a promotion
// and two lions passing, is read by the standard rules, says so, exports to
// the same text and is saved automatically as that text.
TEST_F(Share, ALishogiGameReadsAsStandardAndGoesOutAsItCameIn) {
    const std::string text = "position sfen " + kStandardStart +
                             " moves 7i7h 6d6e 7j7i6h 7d7e 6h6g 5d5e 5i5h 9e9f 4j10d+ 10c10d "
                             "6g6f6g 6c6d6c";
    ImportedGame g;
    ASSERT_TRUE(parseGameText(text, g).ok);
    std::ofstream("lishogi.usi") << text << "\n";
    run("menu START");
    const Lines out = run({"filename lishogi.usi", "menu SFEN_READ"});
    EXPECT_EQ(out.back(), "box [SFEN/USIを読込] 標準ルールの棋譜として12手を読み込みました");
    EXPECT_EQ(s().game.rules, RuleSet::Standard);
    EXPECT_EQ(s().game.Board, g.end.Board);
    EXPECT_EQ(s().game.importedStart, Game::flagOff);
    // The menu shows the game's rules; the player's choice for a fresh board stays.
    EXPECT_TRUE(ui().menuChecked("RULE_STD"));
    EXPECT_EQ(s().game.chosenRules, RuleSet::Zenkoru);

    run({"filename out.usi", "menu SFEN_WRITE"});
    EXPECT_EQ(readFile("out.usi"), text + "\n");
    // Its KIF names the standard start and reads back as the same game.
    run({"filename out.kifu", "menu KIF_WRITE"});
    const std::string kif = readFile("out.kifu");
    EXPECT_NE(kif.find("開始局面：" + kStandardStart + "\n"), std::string::npos) << kif;
    ImportedGame back;
    ASSERT_TRUE(parseKifText(kif, back).ok);
    EXPECT_EQ(back.start.rules, RuleSet::Standard);
    EXPECT_EQ(back.moves, g.moves);

    // Saved automatically as its game text, never as a record file (the
    // import itself is in its file; forgetting that saves it as after a move).
    ui().autosaveDir = (dir_ / "saved").string();
    s().game.savedGame = {};
    autosaveGame(s());
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "saved")) {
        EXPECT_EQ(e.path().extension(), ".usi");
        EXPECT_EQ(readFile(e.path().string()), text + "\n");
        ++files;
    }
    EXPECT_EQ(files, 1);
    // A fresh board is this program's own game again.
    run("menu CANCEL");
    EXPECT_EQ(s().game.rules, RuleSet::Zenkoru);
    EXPECT_TRUE(ui().menuChecked("RULE_ZK"));
}

// The initial position without the bottom pawn on 1,9 (USI 12i).
Position pawnDown() {
    Position p = Position::initial();
    p.Board[1][9] = code::EMPTY;
    return p;
}

TEST_F(Share, ImportStartsRecordModeAtTheEndAndKeepsItsOwnStart) {
    const std::string text =
        "position sfen " + formatSfen(pawnDown()) + " moves 7i7h 7d7e 7j7i6h 12d12e";
    ImportedGame g;
    ASSERT_TRUE(parseGameText(text, g).ok);
    std::ofstream("start.usi") << text;
    run("menu START");
    run({"press 5 9", "press 5 8"});

    const Lines out = run({"filename start.usi", "menu SFEN_READ"});
    EXPECT_EQ(out.back(), "box [SFEN/USIを読込] 4手を読み込みました");
    EXPECT_EQ(s().game.recordMode, Game::flagOn);
    EXPECT_EQ(s().game.Board, g.end.Board);
    EXPECT_EQ(s().game.record.recordCount, 5);
    EXPECT_EQ(s().game.moveCount, 4);
    EXPECT_EQ(marks(), "marks 1,4 1,5");
    EXPECT_EQ(run("moves")[3], "*    3 ▲７九・６八獅");

    run("goto 0");
    EXPECT_EQ(s().game.Board, pawnDown().Board);
    // A record file could not say where this game starts.
    EXPECT_EQ(
        run("menu KIFU_WRITE"),
        (Lines{"sound 禁止.wav",
               "box [棋譜書込] 初期配置から始まらない棋譜は「SFEN/USIで書出」で書き出して下さい"}));
    run("goto 4");
    EXPECT_EQ(s().game.Board, g.end.Board);

    // Play goes on from the last move.
    run({"menu START", "answer no", "press 7 8", "press 7 7"});
    EXPECT_EQ(s().game.recordMode, Game::flagOff);
    EXPECT_EQ(s().game.moveCount, 5);
    EXPECT_EQ(s().game.Board[7][7], Position::initial().Board[6][10]);
    run({"filename again.usi", "menu SFEN_WRITE"});
    EXPECT_EQ(readFile("again.usi").rfind("position sfen " + formatSfen(pawnDown()) + " moves", 0),
              0u);
    // Nor is it saved automatically as a record file that would start elsewhere:
    // its game text is saved instead.
    ui().autosaveDir = (dir_ / "saved").string();
    run("menu CANCEL");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "saved")) {
        EXPECT_EQ(e.path().extension(), ".usi");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(Share, TheSfenMoveNumberIsThatOfTheNextMove) {
    const auto copied = [&] {
        run("menu SFEN_COPY");
        return ui().clipboard.substr(ui().clipboard.rfind(" - "));
    };
    run("menu START");
    EXPECT_EQ(copied(), " - 1");
    run({"press 6 9", "press 6 8"});
    EXPECT_EQ(copied(), " - 2");

    // Many moves, read from a file and then stepped back through.
    Position p = Position::initial();
    std::vector<Move> moves, legal;
    std::mt19937 pick(21);
    for (int i = 0; i < 60; ++i) {
        legalMoves(p, Mover::Presses, legal);
        moves.push_back(legal[pick() % legal.size()]);
        apply(p, moves.back());
    }
    std::ofstream("long.usi") << formatGameText(Position::initial(), moves);
    run({"filename long.usi", "menu SFEN_READ"});
    ASSERT_EQ(s().game.moveCount, 60);
    EXPECT_EQ(copied(), " - 61");
    run("goto 10");
    EXPECT_EQ(copied(), " - 11");

    // A start read with its own number: the export keeps it, copies count on from it.
    const std::string text = "position sfen " + formatSfen(pawnDown(), 37) + " moves 7i7h 7d7e";
    std::ofstream("later.usi") << text;
    run({"filename later.usi", "menu SFEN_READ"});
    EXPECT_EQ(copied(), " - 39");
    // The KIF text carries the same start and number.
    run({"filename later.kifu", "menu KIF_WRITE", "filename later.kifu", "menu SFEN_READ"});
    EXPECT_NE(readFile("later.kifu").find("開始局面：" + formatSfen(pawnDown(), 37) + "\n"),
              std::string::npos);
    EXPECT_EQ(copied(), " - 39");
    EXPECT_EQ(s().game.importedFirstMove, 37);
    run({"filename again.usi", "menu SFEN_WRITE"});
    EXPECT_EQ(readFile("again.usi"), text + "\n");
    run("goto 1");
    EXPECT_EQ(copied(), " - 38");
}

TEST_F(Share, ARefusedImportSaysWhereOnceAndChangesNothing) {
    playOpening();
    const BoardGrid board = s().game.Board;
    const std::vector<MoveRecord> entries = s().game.record.entries;
    const std::vector<int> state = playState();
    const std::uint64_t picture = ui().screen().generation();
    const std::string board0 = formatSfen(Position::initial());
    const std::string texts[] = {
        "position startpos moves 7i7h 7d7e 7h7g 9x9y",                     // the fourth move
        "position sfen " + board0.substr(0, board0.find(' ')) + " x - 1",  // the side field
        "position sfen 12/12 b - 1",                                       // the board field
        "手数----指手---------\n   1 ７八と(0709)\n   2 ７五と(0704)\n   3 ７七と(0709)\n",
        "position sfen " + kStandardStart + " moves 7i7h 6d6e 7j7i6h 7d7e 6h6d",  // a standard game
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        ImportedGame g;
        const NotationError e = looksLikeKif(text) ? parseKifText(text, g, TopSide::Computer)
                                                   : parseGameText(text, g, TopSide::Computer);
        ASSERT_FALSE(e.ok);
        std::ofstream("bad.usi", std::ios::trunc) << text;
        EXPECT_EQ(run({"filename bad.usi", "menu SFEN_READ"}),
                  (Lines{"open-dialog [SFEN/USIを読込] -> bad.usi", "sound 禁止.wav",
                         "box [SFEN/USIを読込] " + notationErrorText(e)}));
        EXPECT_EQ(s().game.Board, board);
        EXPECT_EQ(s().game.record.entries, entries);
        EXPECT_EQ(playState(), state);
        EXPECT_EQ(ui().screen().generation(), picture);
    }
    EXPECT_NE(
        notationErrorText(parseGameText(texts[0], *std::make_unique<ImportedGame>())).find("4"),
        std::string::npos);
    EXPECT_NE(
        notationErrorText(parseKifText(texts[3], *std::make_unique<ImportedGame>())).find("3手目"),
        std::string::npos);
    EXPECT_EQ(notationErrorText(parseGameText(texts[4], *std::make_unique<ImportedGame>())),
              "5手目が指せません：6h6d");
}

}  // namespace
}  // namespace zk
