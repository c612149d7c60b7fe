// The record commands as the user reaches them: saving and loading record
// files, replay in record mode, the file panel, 最初 and BGM, with every
// refusal leaving the game exactly as it was.
#include "record_commands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <iterator>

#include "record_file.h"
#include "script_fixture.h"

namespace zk {
namespace {

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

// Everything a refused command must leave alone: the board, the record and
// the play state.
struct GameSnapshot {
    BoardGrid board;
    std::vector<MoveRecord> entries;
    std::vector<int> play;
    explicit GameSnapshot(const State& s)
        : board(s.game.Board),
          entries(
              s.game.record.entries.begin(),
              s.game.record.entries.begin() +
                  std::min<std::size_t>(s.game.record.entries.size(), s.game.record.recordEnd + 1)),
          play{s.game.record.recordCount, s.game.record.recordEnd, s.game.turnPlayer,
               s.game.manPlayer,          s.game.comPlayer,        s.game.gameMode,
               s.press.clickPhase,        s.press.moveStep,        s.press.turnNoticePending,
               s.game.recordMode,         s.help.moveHelpMode,     s.game.moveCount,
               s.game.comLevel,           s.press.guidanceColour,  s.game.isReversed,
               s.game.handicapChanged,    s.game.handicapLevel} {}
    void expectSame(const State& s) const {
        GameSnapshot now(s);
        EXPECT_EQ(now.board, board);
        EXPECT_EQ(now.entries, entries);
        EXPECT_EQ(now.play, play);
    }
};

const std::string kHead = "\r\n\r\n\r\n";
const std::string kThreeMoves = kHead +
                                " 5 9 5 8 -2 -2  0\r\n"
                                " 8 4 8 5  2  2  0\r\n"
                                " 5 8 5 7 -2 -2  0\r\n";

const std::string kAskOld =
    "ask [棋譜保存] 棋譜ﾌｧｲﾙ「old.棋譜」は既にあります\r\n上書きしますか？ -> yes";

class RecordCommands : public ScriptTest {
protected:
    // Two humans play the three moves of kThreeMoves.
    void playThreeMoves() {
        run("menu START");
        for (auto [x, y] : {std::pair{5, 9}, {5, 8}, {8, 4}, {8, 5}, {5, 8}, {5, 7}}) press(x, y);
        ASSERT_EQ(s().game.record.recordEnd, 3);
    }
    // Two humans: two pawn moves, then the bottom lion's first step.
    void playUpToTheLion() {
        run("menu START");
        for (auto [x, y] : {std::pair{6, 9}, {6, 8}, {7, 4}, {7, 5}}) press(x, y);
        press(6, 10);
    }
    Lines save(const std::string& name) { return run("save " + name); }
    std::string saved(const std::string& name) { return readFile(dir_ / (name + ".棋譜")); }
};

TEST_F(RecordCommands, SavesPlayedGamesByteForByte) {
    playThreeMoves();
    EXPECT_EQ(save("three"), Lines{"box [  ] 棋譜を書き込みました"});
    EXPECT_EQ(saved("three"), kThreeMoves);
    EXPECT_FALSE(ui().driveVisible || ui().dirVisible || ui().fileVisible || ui().nameInputVisible);
    EXPECT_EQ(ui().nameText, "");
    EXPECT_EQ(ui().fileListRefreshes, 1);

    // Taken back two moves: every entry is still written.
    run({"menu REPLAY", "menu REPLAY"});
    ASSERT_EQ(s().game.record.recordCount, 1);
    save("back");
    EXPECT_EQ(saved("back"), kThreeMoves);
}

TEST_F(RecordCommands, SavesTwoStepMovesAsTwoLines) {
    playUpToTheLion();
    ui().answers = {MsgAnswer::Yes};
    press(6, 9);
    press(7, 8);
    save("on");
    EXPECT_EQ(saved("on"), kHead +
                               " 6 9 6 8 -2 -2  0\r\n"
                               " 7 4 7 5  2  2  0\r\n"
                               " 610 6 9-34-34  0\r\n"
                               " 6 9 7 8-34-34  0\r\n");
}

TEST_F(RecordCommands, SavesADeclinedSecondStep) {
    playUpToTheLion();
    ui().answers = {MsgAnswer::No};
    press(6, 9);
    save("declined");
    EXPECT_EQ(saved("declined"), kHead +
                                     " 6 9 6 8 -2 -2  0\r\n"
                                     " 7 4 7 5  2  2  0\r\n"
                                     " 610 6 9-34-34  0\r\n"
                                     " 610 6 9-34-34-34\r\n");
    // Loading it replays the lion's move with one 進 and the pair as one move.
    run("file declined.棋譜");
    run({"menu AFTER", "menu AFTER"});
    EXPECT_EQ(run("menu AFTER"), Lines({"sound 駒打音.wav", "sound 駒打音.wav"}));
    EXPECT_EQ(s().game.Board[6][9], code::MAN_獅_B);
    EXPECT_EQ(s().game.moveCount, 3);
    EXPECT_EQ(run("menu AFTER"), Lines{"box [進む] 終わり"});
}

TEST_F(RecordCommands, LoadsAHandWrittenFileAndReplaysIt) {
    playThreeMoves();
    const BoardGrid afterThree = s().game.Board;
    run("menu CANCEL");
    // The top side moves first in this one; a comment trails the first line.
    writeFile(dir_ / "hand.棋譜",
              "Zenkoru record\n\nby hand\n"
              " 8 4 8 5  2  2  0 top first\n"
              " 5 9 5 8 -2 -2  0\n"
              " 5 8 5 7 -2 -2  0\n");
    Lines out = run("file hand.棋譜");
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(Lines(out.end() - 2, out.end()),
              Lines({"box [棋譜]  読み込みました", "box [棋譜] 棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(s().game.recordMode, Game::flagOn);
    EXPECT_EQ(s().game.record.recordEnd, 3);
    EXPECT_EQ(s().game.record.recordCount, 0);
    EXPECT_EQ(s().game.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(s().game.comPlayer, Game::firstPlayer);
    EXPECT_EQ(s().game.gameMode, Game::modeCom);
    EXPECT_EQ(ui().screen().textsIn(cellX(14), cellY(5), 400, 300), Lines({"先手:", "先手:"}));
    EXPECT_EQ(ui().screen().textsIn(cellX(14), cellY(6), 400, 300), Lines({"後手:", "後手:"}));
    EXPECT_EQ(ui().screen().textsIn(800, 6350, 10, 10), Lines{"Zenkoru record"});
    EXPECT_EQ(ui().screen().textsIn(3700, 6350, 10, 10), Lines{"by hand"});

    for (int i = 0; i < 3; ++i) EXPECT_EQ(run("menu AFTER"), Lines{"sound 駒打音.wav"});
    EXPECT_EQ(s().game.Board, afterThree);
    EXPECT_EQ(s().game.moveCount, 3);
    EXPECT_EQ(s().game.turnPlayer, Game::secondPlayer);
    EXPECT_EQ(run("menu AFTER"), Lines{"box [進む] 終わり"});
    // A press in record mode asks; No leaves record mode with a fresh board.
    ui().answers = {MsgAnswer::No};
    press(5, 7);
    EXPECT_EQ(s().game.recordMode, Game::flagOff);
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer);
}

TEST_F(RecordCommands, ABottomSideFirstFileLoadsForTwoHumans) {
    writeFile(dir_ / "g.棋譜", kThreeMoves);
    run("file g.棋譜");
    EXPECT_EQ(s().game.gameMode, Game::modeHumans);
    EXPECT_EQ(s().game.manPlayer, Game::firstPlayer);
    EXPECT_EQ(ui().screen().textsIn(cellX(14), cellY(5), 400, 300), Lines({"後手:", "後手:"}));
    EXPECT_EQ(ui().screen().textsIn(cellX(14), cellY(6), 400, 300), Lines({"先手:", "先手:"}));
}

TEST_F(RecordCommands, LoadsFarMoreThanFiveHundredMoves) {
    std::string file = kHead;
    const char* cycle[4] = {" 5 9 5 8 -2 -2  0\r\n", " 8 4 8 5  2  2  0\r\n",
                            " 5 8 5 9 -2 -2  0\r\n", " 8 5 8 4  2  2  0\r\n"};
    for (int i = 0; i < 1200; ++i) file += cycle[i % 4];
    writeFile(dir_ / "long.棋譜", file);
    run("file long.棋譜");
    EXPECT_EQ(s().game.record.recordEnd, 1200);
    for (int i = 0; i < 1200; ++i) runner().execute("menu AFTER");
    EXPECT_EQ(s().game.moveCount, 1200);
    EXPECT_EQ(run("menu AFTER"), Lines{"box [進む] 終わり"});
    // And saving it writes it back unchanged.
    save("again");
    EXPECT_EQ(saved("again"), file);
}

// Every bad file is refused before anything of the game is reset.
TEST_F(RecordCommands, RefusesBadFilesLeavingTheGameAsItWas) {
    playThreeMoves();
    run("menu REPLAY");
    const std::string good = " 5 9 5 8 -2 -2  0\r\n";
    writeFile(dir_ / "square.棋譜", kHead + good + "13 9 5 8 -2 -2  0\r\n");
    writeFile(dir_ / "zero.棋譜", kHead + good + " 5 9 5\r\n");
    writeFile(dir_ / "piece.棋譜", kHead + good + good + " 5 9 5 8 -2 40  0\r\n");
    writeFile(dir_ / "blank.棋譜", kHead + good + "\r\n" + good);
    writeFile(dir_ / "nul.棋譜", kHead + good + std::string(" 5 9 5 8\0-2 -2  0\r\n", 19));
    writeFile(dir_ / "latin1.棋譜", "\xe9t\xe9\r\n\r\n\r\n" + good);
    std::filesystem::create_directory(dir_ / "folder.棋譜");
    writeFile(dir_ / "empty.棋譜", "");
    writeFile(dir_ / "headers.棋譜", kHead + "\r\n  \r\n");
    // A sparse 50 MB file: refused from its size alone.
    { std::ofstream(dir_ / "huge.棋譜", std::ios::binary) << good; }
    std::filesystem::resize_file(dir_ / "huge.棋譜", 50u << 20);

    const std::pair<const char*, const char*> cases[] = {
        {"square.棋譜", "棋譜ﾌｧｲﾙ「square.棋譜」の5行目の桝の番号が1～12ではありません"},
        {"zero.棋譜", "棋譜ﾌｧｲﾙ「zero.棋譜」の5行目の桝の番号が1～12ではありません"},
        {"piece.棋譜", "棋譜ﾌｧｲﾙ「piece.棋譜」の6行目の駒の番号が-39～39ではありません"},
        {"blank.棋譜", "棋譜ﾌｧｲﾙ「blank.棋譜」の5行目が空行です"},
        {"nul.棋譜", "棋譜ﾌｧｲﾙ「nul.棋譜」の5行目に文字でないﾃﾞｰﾀがあります"},
        {"latin1.棋譜", "棋譜ﾌｧｲﾙ「latin1.棋譜」の1行目に文字でないﾃﾞｰﾀがあります"},
        {"folder.棋譜", "棋譜ﾌｧｲﾙ「folder.棋譜」を読み込めません"},
        {"missing.棋譜", "棋譜ﾌｧｲﾙ「missing.棋譜」を読み込めません"},
        {"huge.棋譜", "棋譜ﾌｧｲﾙ「huge.棋譜」は大きすぎて読み込めません（4MBまで）"},
        {"empty.棋譜", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"},
        {"headers.棋譜", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        GameSnapshot before(s());
        EXPECT_EQ(run(std::string("file ") + name),
                  Lines({"sound 禁止.wav", std::string("box [棋譜] ") + message}));
        before.expectSame(s());
    }
    // The game goes on where it was.
    EXPECT_EQ(run("menu AFTER"), Lines{"sound 駒打音.wav"});
    EXPECT_EQ(s().game.record.recordCount, 3);
}

TEST_F(RecordCommands, LoadingDuringASecondStepStartsAfresh) {
    writeFile(dir_ / "g.棋譜", kThreeMoves);
    playUpToTheLion();
    press(6, 9);  // the default answer goes on to a second step
    ASSERT_EQ(s().press.moveStep, 2);
    run("file g.棋譜");
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(run("menu AFTER"), Lines{"sound 駒打音.wav"});
}

TEST_F(RecordCommands, SaveRefusalsAndFailures) {
    EXPECT_EQ(save(""), Lines{"box [  ] ﾌｧｲﾙ名が入力されていません"});
    EXPECT_EQ(save("nothing"), Lines{"box [棋譜保存] 保存するデータがありません"});
    playThreeMoves();
    writeFile(dir_ / "old.棋譜", "old content\r\n");
    const auto listing = [&] {
        Lines names;
        for (const auto& e : std::filesystem::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const Lines files = listing();

    // Opening the panel, then a name with a path in it.
    run("menu KIFU_WRITE");
    EXPECT_TRUE(ui().nameInputVisible);
    EXPECT_EQ(save("sub/old"),
              Lines{"box [棋譜保存] 「sub/old」はﾌｧｲﾙ名に使えません（「/」は使えません）"});
    EXPECT_TRUE(ui().nameInputVisible);  // the panel stays for another name

    // A full disk, simulated by a file-size limit.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tiny = old;
    tiny.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    Lines full = save("old");
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(full, Lines({kAskOld,
                           "box [棋譜保存] 棋譜ﾌｧｲﾙ「old.棋譜」を書き込めませんでした"
                           "（ﾃﾞｨｽｸに空きがありません）"}));
    EXPECT_EQ(readFile(dir_ / "old.棋譜"), "old content\r\n");

    // A directory that is gone.
    ui().filePath = (dir_ / "gone").string();
    EXPECT_EQ(save("old"), Lines{"box [棋譜保存] 棋譜ﾌｧｲﾙ「old.棋譜」を書き込めませんでした"
                                 "（ﾌｫﾙﾀﾞがありません）"});
    ui().filePath = dir_.string();
    EXPECT_EQ(listing(), files);  // no temporary file is left behind
    EXPECT_EQ(readFile(dir_ / "old.棋譜"), "old content\r\n");

    if (geteuid() != 0) {
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_EQ(save("old"), Lines({kAskOld,
                                      "box [棋譜保存] 棋譜ﾌｧｲﾙ「old.棋譜」を書き込めませんでした"
                                      "（書き込みが許可されていません）"}));
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }

    EXPECT_EQ(save("old"), Lines({kAskOld, "box [  ] 棋譜を書き込みました"}));
    EXPECT_EQ(readFile(dir_ / "old.棋譜"), kThreeMoves);
}

// Names that would save a file the list never shows, or that the file system
// cannot hold, are refused saying why; blanks around a name are dropped.
TEST_F(RecordCommands, RefusesNamesThatCouldNotBeLoadedAgain) {
    playThreeMoves();
    run("menu KIFU_WRITE");
    const auto refusal = [](const std::string& name, const std::string& why) {
        return Lines{"box [棋譜保存] 「" + name + "」はﾌｧｲﾙ名に使えません（" + why + "）"};
    };
    const std::pair<std::string, Lines> cases[] = {
        {".", refusal(".", "先頭に「.」は使えません")},
        {"..", refusal("..", "先頭に「.」は使えません")},
        {" .hidden", refusal(".hidden", "先頭に「.」は使えません")},
        {"a/b", refusal("a/b", "「/」は使えません")},
        {std::string("a\0b", 3), refusal(std::string("a\0b", 3), "使えない文字があります")},
        {"a\tb", refusal("a\tb", "使えない文字があります")},
        {std::string(250, 'n'), refusal(std::string(250, 'n'), "長すぎます")},
        {" \t\u3000 ", Lines{"box [  ] ﾌｧｲﾙ名が入力されていません"}},
    };
    for (const auto& [name, expected] : cases) {
        ui().nameText = name;
        Command1_Click(s());
        EXPECT_EQ(ui().takeTranscript(), expected) << name;
        EXPECT_TRUE(ui().nameInputVisible);
    }
    // Nothing was written, not even under the names the refusals show.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 5);

    ui().nameText = "\u3000 一局目 ";
    Command1_Click(s());
    EXPECT_EQ(ui().takeTranscript(), Lines{"box [  ] 棋譜を書き込みました"});
    EXPECT_EQ(readFile(dir_ / "一局目.棋譜"), kThreeMoves);
}

// An existing file is replaced only after a Yes, only if it is a writable
// regular file, and through a link only in the link's target.
TEST_F(RecordCommands, AsksBeforeReplacingAndRefusesWhatItMustNotReplace) {
    namespace fs = std::filesystem;
    playThreeMoves();
    run("menu KIFU_WRITE");
    writeFile(dir_ / "old.棋譜", "old\r\n");
    fs::permissions(dir_ / "old.棋譜", fs::perms(0640));
    ui().answers = {MsgAnswer::No};
    EXPECT_EQ(save("old"), Lines{"ask [棋譜保存] 棋譜ﾌｧｲﾙ「old.棋譜」は既にあります\r\n"
                                 "上書きしますか？ -> no"});
    EXPECT_EQ(readFile(dir_ / "old.棋譜"), "old\r\n");
    EXPECT_TRUE(ui().nameInputVisible);  // for another name
    ui().answers = {MsgAnswer::Yes};
    EXPECT_EQ(save("old").back(), "box [  ] 棋譜を書き込みました");
    EXPECT_EQ(readFile(dir_ / "old.棋譜"), kThreeMoves);
    EXPECT_EQ(fs::status(dir_ / "old.棋譜").permissions(), fs::perms(0640));

    writeFile(dir_ / "locked.棋譜", "locked\r\n");
    fs::permissions(dir_ / "locked.棋譜", fs::perms(0444));
    ASSERT_EQ(::mkfifo((dir_ / "pipe.棋譜").c_str(), 0644), 0);
    fs::create_directory(dir_ / "folder.棋譜");
    fs::create_symlink("nowhere.棋譜", dir_ / "dangling.棋譜");
    fs::create_directory(dir_ / "sub");
    writeFile(dir_ / "sub/target.棋譜", "target\r\n");
    fs::create_symlink("sub/target.棋譜", dir_ / "link.棋譜");
    const auto cannot = [](const std::string& name, const std::string& why) {
        return Lines{"box [棋譜保存] 棋譜ﾌｧｲﾙ「" + name + ".棋譜」を書き込めませんでした（" + why +
                     "）"};
    };
    EXPECT_EQ(save("locked"), cannot("locked", "読み取り専用です"));
    EXPECT_EQ(save("pipe"), cannot("pipe", "普通のﾌｧｲﾙではありません"));
    EXPECT_EQ(save("folder"), cannot("folder", "同じ名前のﾌｫﾙﾀﾞがあります"));
    EXPECT_EQ(save("dangling"), cannot("dangling", "ﾘﾝｸ先がありません"));
    EXPECT_EQ(readFile(dir_ / "locked.棋譜"), "locked\r\n");
    EXPECT_EQ(fs::status(dir_ / "locked.棋譜").permissions(), fs::perms(0444));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir_ / "pipe.棋譜")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "dangling.棋譜")));

    EXPECT_EQ(save("link").back(), "box [  ] 棋譜を書き込みました");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "link.棋譜")));
    EXPECT_EQ(readFile(dir_ / "sub/target.棋譜"), kThreeMoves);
}

TEST_F(RecordCommands, WritingIsRefusedAfterReversingOrAHandicap) {
    run("menu REVERSE");
    GameSnapshot reversed(s());
    EXPECT_EQ(run("menu KIFU_WRITE"),
              Lines({"sound 禁止.wav", "box [棋譜書込] 反転後は書き込みできません"}));
    reversed.expectSame(s());
    EXPECT_FALSE(ui().nameInputVisible);

    run({"menu CANCEL", "menu LBEL_UP"});
    GameSnapshot handicap(s());
    EXPECT_EQ(run("menu KIFU_WRITE"),
              Lines({"sound 禁止.wav", "box [棋譜書込] ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"}));
    handicap.expectSame(s());

    run("menu CANCEL");
    EXPECT_EQ(run("menu KIFU_WRITE"), Lines{});
    EXPECT_TRUE(ui().driveVisible && ui().dirVisible && !ui().fileVisible);
    EXPECT_TRUE(ui().nameInputVisible);
    ui().nameText = "typed";
    run("menu KIFU_READ");
    EXPECT_TRUE(ui().driveVisible && ui().dirVisible && ui().fileVisible);
    EXPECT_FALSE(ui().nameInputVisible);
    EXPECT_EQ(ui().nameText, "");
}

TEST_F(RecordCommands, ReplayCommandsAndTheirRefusals) {
    EXPECT_EQ(run("menu REPLAY"), Lines({"sound 禁止.wav", "box [戻る] できません"}));
    EXPECT_EQ(run("menu AFTER"), Lines({"sound 禁止.wav", "box [開始] 「対局」で始めて下さい"}));
    playThreeMoves();
    EXPECT_EQ(run("menu AFTER"), Lines({"sound 禁止.wav", "box [進む] できません"}));
    run("menu REPLAY");
    EXPECT_EQ(s().press.turnNoticePending, Game::flagOn);

    // 戻 during move help first puts the real position back.
    run("menu REPLAY");
    const BoardGrid afterOne = s().game.Board;
    run("menu AFTER");
    run({"menu IDOU_HLP", "press 5 7"});
    ASSERT_NE(s().help.moveHelpMode, 0);
    run("menu REPLAY");
    EXPECT_EQ(s().help.moveHelpMode, 0);
    EXPECT_EQ(s().game.record.recordCount, 1);
    EXPECT_EQ(s().game.Board, afterOne);

    // 最初 starts afresh and clears a second step that was awaited.
    run("menu CANCEL");
    playUpToTheLion();
    press(6, 9);
    ASSERT_EQ(s().press.moveStep, 2);
    EXPECT_EQ(run("menu CANCEL"), Lines{"sound 駒打音.wav"});
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(s().game.record.recordEnd, 0);
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer);
}

TEST_F(RecordCommands, DriveAndDirectoryListsFollowEachOther) {
    std::filesystem::create_directory(dir_ / "games");
    ui().drivePath = (dir_ / "no-such-drive").string();
    ui().dirPath = dir_.string();
    ui().filePath = dir_.string();
    Drive1_Change(s());
    EXPECT_EQ(ui().takeTranscript(), Lines{"box [ｴﾗｰ] ﾃﾞﾊﾞｲｽが準備できていません"});
    EXPECT_EQ(ui().dirPath, dir_.string());
    EXPECT_EQ(ui().filePath, dir_.string());

    ui().drivePath = (dir_ / "games").string();
    Drive1_Change(s());
    EXPECT_TRUE(ui().takeTranscript().empty());
    EXPECT_EQ(ui().dirPath, (dir_ / "games").string());
    EXPECT_EQ(ui().filePath, (dir_ / "games").string());

    // Saving goes to the file list's directory.
    playThreeMoves();
    save("there");
    EXPECT_EQ(readFile(dir_ / "games" / "there.棋譜"), kThreeMoves);
}

class BgmOn : public RecordCommands {
protected:
    std::string settings() const override { return "移動指導=OFF\r\nBGM=ON\r\n"; }
};

TEST_F(BgmOn, TogglingTwiceKeepsTheMusicAndTheFile) {
    EXPECT_TRUE(has(startup, "loop BGM.wav"));
    EXPECT_EQ(run("menu BGM"), Lines{"stop BGM.wav"});
    EXPECT_FALSE(ui().menuChecked("BGM"));
    EXPECT_EQ(readFile(dir_ / "Zenkoru.ini"),
              "移動指導=OFF\r\nBGM=OFF\r\n思考時間=5\r\nルール=本ソフト\r\n");
    EXPECT_EQ(run("menu BGM"), Lines{"loop BGM.wav"});
    EXPECT_TRUE(ui().menuChecked("BGM"));
    EXPECT_EQ(ui().looping.size(), 1u);
    EXPECT_EQ(readFile(dir_ / "Zenkoru.ini"),
              "移動指導=OFF\r\nBGM=ON\r\n思考時間=5\r\nルール=本ソフト\r\n");
}

}  // namespace
}  // namespace zk
