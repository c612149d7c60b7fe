#include "share.h"

#include <algorithm>
#include <ctime>

#include "autosave.h"
#include "board_screen.h"
#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "file_io.h"
#include "form1.h"
#include "panel.h"
#include "platform.h"
#include "record_commands.h"
#include "record_file.h"
#include "replay.h"
#include "rule_choice.h"
#include "sfen.h"

namespace zk {

namespace {

// The side that made the record's first move, or that moves now when there is none.
int firstMover(const State& s) {
    const GameRecord& r = s.game.record;
    if (std::max(r.recordEnd, r.recordCount) >= 1) return r.at(1).movedPiece >= 1 ? 1 : -1;
    const int now = 手番符号(s.game);
    return now == 0 ? -1 : now;
}

// Where exported files are offered first: the record-file panel's folder.
std::string suggestedPath(State& s, const std::string& name) {
    const std::string dir = s.screen.ui->fileListPath();
    return dir.empty() ? name : dir + "/" + name;
}

// Ask for a name and write the text there; the boxes say how it went.
void writeShared(State& s, const std::string& title, const std::string& name,
                 const std::string& extension, const std::string& text) {
    const std::string path =
        s.screen.ui->askFileName(true, title, suggestedPath(s, name), extension);
    if (path.empty()) return;
    std::string why;
    if (!writeFileAtomically(path, text, why)) {
        通知(s, "「" + path + "」に書き込めませんでした" + (why.empty() ? "" : "（" + why + "）"),
             title);
        return;
    }
    通知(s, "「" + path + "」に書き出しました", title);
}

// The exports close the file panel and wait for a second step to be played.
bool exportRefused(State& s, const std::string& title) {
    記録欄_非表示(s);
    if (s.press.moveStep != 2) return false;
    禁止通知(s, "2手目移動中はできません！", title);
    return true;
}

std::string handicapName(const State& s) {
    if (s.game.importedStart == Game::flagOn) return "その他";
    if (s.game.handicapChanged == Game::flagOff) return "平手";
    const std::string rank = 文字列テキスト(s.game.handicapLevel);
    const std::string prefix = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:";
    return rank.rfind(prefix, 0) == 0 ? rank.substr(prefix.size()) : rank;
}

// The SFEN move number of the game's first move.
int firstMoveNumber(const State& s) {
    return s.game.importedStart == Game::flagOn ? s.game.importedFirstMove : 1;
}

// The position before the record's first move.
Position startOf(const State& s) {
    const GameRecord& r = s.game.record;
    Position start =
        Position::fromBoard(startBoardOf(s.game.Board, r, r.recordCount), firstMover(s));
    start.rules = s.game.rules;
    return start;
}

}  // namespace

std::string 共有棋譜テキスト(const State& s) {
    return formatGameText(startOf(s), movesOfRecord(s.game.record), firstMoveNumber(s));
}

KifHeader 棋譜ヘッダ(const State& s, std::time_t when) {
    KifHeader h;
    std::tm local{};
    localtime_r(&when, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y/%m/%d %H:%M:%S", &local);
    h.date = date;
    h.handicap = handicapName(s);
    // KIF readers start from the initial position, the bottom side first; a
    // standard game names its start so that it reads back as standard.
    const Position start = startOf(s);
    const Position initial = Position::initial();
    if (start.Board != initial.Board || start.mover != initial.mover || firstMoveNumber(s) != 1 ||
        start.rules == RuleSet::Standard)
        h.start = formatSfen(start, firstMoveNumber(s));
    if (s.game.gameMode == Game::modeHumans) {
        h.sente = h.gote = "人間";
        return h;
    }
    // The computer always plays the top side.
    const bool comFirst = firstMover(s) == 1;
    h.sente = comFirst ? "COM" : "MAN";
    h.gote = comFirst ? "MAN" : "COM";
    h.level = "LEVEL" + std::to_string(s.game.comLevel);
    return h;
}

void SFEN_WRITE_Click(State& s) {
    if (exportRefused(s, "SFEN/USIで書出")) return;
    writeShared(s, "SFEN/USIで書出", "棋譜.usi", "usi", 共有棋譜テキスト(s) + "\n");
}

void KIF_WRITE_Click(State& s) {
    if (exportRefused(s, "KIF形式で書出")) return;
    // UTF-8 text, which is what the ".kifu" ending promises readers.
    writeShared(s, "KIF形式で書出", "棋譜.kifu", "kifu",
                kifText(棋譜ヘッダ(s, std::time(nullptr)), moveList(s.game.record)));
}

void SFEN_COPY_Click(State& s) {
    if (exportRefused(s, "局面をコピー")) return;
    const int side = 手番符号(s.game);
    // SFEN numbers the move to be played next.
    s.screen.ui->setClipboardText(formatSfen(
        Position::fromBoard(s.game.Board, side == 0 ? -1 : side), firstMoveNumber(s) + 現在手(s)));
    通知(s, "局面をSFENでｸﾘｯﾌﾟﾎﾞｰﾄﾞにコピーしました", "局面をコピー");
}

void SFEN_READ_Click(State& s) {
    記録欄_非表示(s);
    const std::string title = "SFEN/USIを読込";
    const std::string path =
        s.screen.ui->askFileName(false, title, suggestedPath(s, ""), "usi kifu");
    if (path.empty()) return;
    std::string text;
    switch (readFileLimited(path, kMaxGameTextBytes, text)) {
        case ReadStatus::Ok:
            break;
        case ReadStatus::TooLarge:
            禁止通知(s, "「" + path + "」は大きすぎて読み込めません（256KBまで）", title);
            return;
        case ReadStatus::Missing:
        case ReadStatus::Unreadable:
            禁止通知(s, "「" + path + "」を読み込めません", title);
            return;
    }
    棋譜_SFEN読込(s, text);
}

bool 棋譜_SFEN読込(State& s, const std::string& text) {
    ImportedGame game;
    // The top side may be the computer's: its moves are read as such.
    const NotationError e = looksLikeKif(text) ? parseKifText(text, game, TopSide::Computer)
                                               : parseGameText(text, game, TopSide::Computer);
    if (!e.ok) {
        禁止通知(s, notationErrorText(e), "SFEN/USIを読込");
        return false;
    }
    autosaveGame(s);
    Form_Load(s);
    s.press.moveStep = 1;

    // As a record file reads: record mode, the sides from the first mover.
    s.game.recordMode = Game::flagOn;
    s.game.Board = game.end.Board;
    s.game.record = game.record;
    s.game.moveCount = static_cast<int>(game.moves.size());
    s.game.rules = game.start.rules;
    s.game.importedStart = game.start.Board == Position::initial(game.start.rules).Board
                               ? Game::flagOff
                               : Game::flagOn;
    s.game.importedFirstMove = game.startMoveNumber;
    s.game.savedGame.text = formatRecordFile(s.game.record, s.game.record.recordEnd);
    const bool topFirst = game.start.mover == 1;
    s.game.gameMode = topFirst ? Game::modeCom : Game::modeHumans;
    s.game.manPlayer = topFirst ? Game::secondPlayer : Game::firstPlayer;
    s.game.comPlayer = -s.game.manPlayer;
    s.game.turnPlayer = s.game.moveCount % 2 == 0 ? Game::firstPlayer : Game::secondPlayer;

    showRules(s);
    画面_再描画(s);
    const std::string upper = topFirst ? "先手:" : "後手:";
    const std::string lower = topFirst ? "後手:" : "先手:";
    描画_影付き文字(s.screen, 14, 5.08, upper, Screen::textWhite, 11);
    描画_影付き文字(s.screen, 14, 6.08, lower, Screen::textWhite, 11);
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
    if (s.game.record.recordCount >= 1) 描画_現在手報告(s);
    // The rules the file showed are said when they are not this program's own
    // or not the ones chosen for a fresh board.
    std::string done;
    if (s.game.rules == RuleSet::Standard)
        done = "標準ルールの棋譜として";
    else if (s.game.chosenRules == RuleSet::Standard)
        done = "本ソフトのルールの棋譜として";
    done += std::to_string(s.game.moveCount) + "手を読み込みました";
    通知(s, done, "SFEN/USIを読込");
    return true;
}

int 現在手(const State& s) {
    int n = 0;
    for (const MoveListItem& item : moveList(s.game.record))
        if (item.lastEntry <= s.game.record.recordCount) ++n;
    return n;
}

void 棋譜_手へ(State& s, int n) {
    if (現在手(s) != n && 思考中禁止(s, "思考中")) return;
    for (int now = 現在手(s); now != n;) {
        const int before = s.game.record.recordCount;
        if (now > n)
            REPLAY_Click(s);
        else
            AFTER_Click(s);
        if (s.game.record.recordCount == before) return;
        now = 現在手(s);
    }
}

}  // namespace zk
