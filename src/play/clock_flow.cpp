#include "clock_flow.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "autosave.h"
#include "board_screen.h"
#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "file_io.h"
#include "form1.h"
#include "move_flow.h"
#include "platform.h"
#include "replay.h"
#include "rule_choice.h"
#include "settings.h"
#include "sfen.h"
#include "share.h"
#include "side_labels.h"

namespace zk {

namespace {

// A tenth of a second: the flag is seen this late at most, and the shown
// second changes at most this late; a tick that changes nothing draws nothing.
constexpr double kTickSeconds = 0.1;
constexpr const char* kInterruptedFile = "中断した対局.txt";

struct ClockChoice {
    const char* control;
    int value;
};
const ClockChoice kMainChoices[] = {{"MOCHI0", 0}, {"MOCHI5", 5}, {"MOCHI10", 10}, {"MOCHI30", 30}};
const ClockChoice kByoyomiChoices[] = {{"BYO0", 0}, {"BYO10", 10}, {"BYO30", 30}, {"BYO60", 60}};
const ClockChoice kIncrementChoices[] = {{"KASAN0", 0}, {"KASAN10", 10}, {"KASAN30", 30}};

double now(State& s) { return s.screen.ui->clockSeconds(); }

void showChoices(State& s) {
    const ClockSettings& c = s.clocks.chosen;
    for (const auto& e : kMainChoices)
        s.screen.ui->setMenuChecked(e.control, c.mainSeconds == e.value * 60);
    for (const auto& e : kByoyomiChoices)
        s.screen.ui->setMenuChecked(e.control, c.byoyomiSeconds == e.value);
    for (const auto& e : kIncrementChoices)
        s.screen.ui->setMenuChecked(e.control, c.incrementSeconds == e.value);
}

// The name of a side on its clock: as its report line names it against the
// computer, by who moves first between humans.
std::string clockName(const State& s, int side) {
    if (s.game.gameMode == Game::modeCom) return side < 0 ? "MAN" : "COM";
    const int player = side < 0 ? s.game.manPlayer : s.game.comPlayer;
    return player == Game::firstPlayer ? "先手" : "後手";
}

// The name the end box gives a side.
std::string winnerName(const State& s, int side) {
    if (s.game.gameMode == Game::modeCom) return side < 0 ? "あなた" : "ｺﾝﾋﾟｭｰﾀ";
    const int player = side < 0 ? s.game.manPlayer : s.game.comPlayer;
    return player == Game::firstPlayer ? "先手" : "後手";
}

// A side's time as shown: m:ss of the main time (h:mm:ss from an hour), or
// the seconds of 秒読み left; whole seconds rounded up, so 0 only at the flag
// (a hair of rounding from adding up ticks does not count as a second).
std::string timeText(State& s, int side, double t, bool& lastSeconds) {
    const GameClock& c = s.clocks.clock;
    const double byoyomi = c.byoyomiLeft(side, t);
    if (byoyomi >= 0) {
        const int left = static_cast<int>(std::ceil(byoyomi - 1e-6));
        lastSeconds = left <= 10;
        return "秒読み " + std::to_string(left);
    }
    const int left = static_cast<int>(std::ceil(c.mainLeft(side, t) - 1e-6));
    lastSeconds = left <= 10 && c.settings().byoyomiSeconds == 0;
    char text[32];
    if (left >= 3600)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", left / 3600, left / 60 % 60, left % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d", left / 60, left % 60);
    return text;
}

// Draw each side's clock whose text changed (all with `force`).
void drawClocks(State& s, bool force) {
    const double t = now(s);
    for (int side : {+1, -1}) {
        std::string& shown = s.clocks.shown[side > 0 ? 1 : 0];
        if (!s.clocks.inGame) {
            if (!shown.empty() || force) 描画_時計(s.screen, side, "", "", false, 0);
            shown.clear();
            continue;
        }
        bool lastSeconds = false;
        const std::string time = timeText(s, side, t, lastSeconds);
        const bool running =
            s.clocks.clock.running() == side || (s.clocks.paused && s.clocks.pausedSide == side);
        const std::string key = clockName(s, side) + (running ? "*" : " ") + time;
        if (key == shown && !force) continue;
        // The last ten seconds of 秒読み are counted aloud too, one sound a
        // second while the same side's time runs on.
        if (running && lastSeconds && !force && time.starts_with("秒読み") &&
            shown.starts_with(clockName(s, side) + "*"))
            s.screen.ui->dsPlay(s.sounds.soundOther);
        shown = key;
        // The last ten seconds of the side to move are counted in red.
        描画_時計(s.screen, side, clockName(s, side), time, running,
                  running && lastSeconds ? Screen::selectColour
                  : running              ? Screen::lastMoveColour
                                         : Screen::textWhite);
    }
}

void startTicking(State& s) {
    if (s.clocks.ticking) return;
    s.clocks.ticking = true;
    State* state = &s;
    s.screen.ui->startTicks(kTickSeconds, [state] { 時計_刻み(*state); });
}

void stopTicking(State& s) {
    if (!s.clocks.ticking) return;
    s.clocks.ticking = false;
    s.screen.ui->stopTicks();
}

// The game is on and a move is awaited (not stepping through a record).
bool gameOn(const State& s) {
    return s.game.turnPlayer != Game::noPlayer && s.game.recordMode == Game::flagOff;
}

// The side the clock should run for: the side to move, or the computer while
// it thinks (the play state keeps the human's turn until its move is played).
int sideToMove(State& s) {
    if (思考中(s)) return +1;
    return 手番符号(s.game);
}

// An ending that is no move: kept with the game, saved, and announced by the
// usual end of a game.
void endWithout(State& s, const std::string& ending, int winner) {
    s.game.ending = ending + " " + winnerName(s, winner) + "の勝ち";
    終了(s, winnerName(s, winner));
}

}  // namespace

bool isClockControl(const std::string& control) {
    return control.starts_with("MOCHI") || control.starts_with("BYO") ||
           control.starts_with("KASAN");
}

bool clockMenuClick(State& s, const std::string& control) {
    ClockSettings& c = s.clocks.chosen;
    bool found = false;
    for (const auto& e : kMainChoices)
        if (control == e.control) c.mainSeconds = e.value * 60, found = true;
    for (const auto& e : kByoyomiChoices)
        if (control == e.control) {
            c.byoyomiSeconds = e.value, found = true;
            // 秒読み and an increment exclude each other: the last choice wins.
            if (e.value > 0) c.incrementSeconds = 0;
        }
    for (const auto& e : kIncrementChoices)
        if (control == e.control) {
            c.incrementSeconds = e.value, found = true;
            if (e.value > 0) c.byoyomiSeconds = 0;
        }
    if (!found) return false;
    showChoices(s);
    書込_環境設定ファイル(s);
    return true;
}

void 時計_設定反映(State& s, const SettingsValues& v) {
    s.clocks.chosen.mainSeconds = v.clockMinutes * 60;
    s.clocks.chosen.byoyomiSeconds = v.byoyomiSeconds;
    s.clocks.chosen.incrementSeconds = v.byoyomiSeconds > 0 ? 0 : v.incrementSeconds;
    showChoices(s);
}

void 時計_設定書出(const State& s, SettingsValues& v) {
    v.clockMinutes = s.clocks.chosen.mainSeconds / 60;
    v.byoyomiSeconds = s.clocks.chosen.byoyomiSeconds;
    v.incrementSeconds = s.clocks.chosen.incrementSeconds;
}

void 時計_対局開始(State& s) {
    if (!s.clocks.inGame) {
        if (!s.clocks.chosen.enabled()) return;
        s.clocks.clock.reset(s.clocks.chosen);
        s.clocks.inGame = true;
    }
    s.clocks.paused = false;
    s.clocks.clock.start(sideToMove(s), now(s));
    startTicking(s);
    drawClocks(s, true);
}

void 時計_着手(State& s, int movedSide) {
    if (!s.clocks.inGame || s.clocks.clock.running() == 0) return;
    const double t = now(s);
    // Too late: the flag fell while a box of the move kept the tick away.
    if (s.clocks.clock.flagged(movedSide, t)) {
        s.clocks.lateSide = movedSide;
        return;
    }
    s.clocks.clock.moveMade(movedSide, t);
    drawClocks(s, false);
}

void 時計_終局(State& s) {
    s.clocks.lateSide = 0;
    if (!s.clocks.inGame) return;
    s.clocks.clock.stop(now(s));
    s.clocks.paused = false;
    stopTicking(s);
    drawClocks(s, false);
}

void 時計_盤初期化(State& s) {
    s.clocks.clock.stop(now(s));
    s.clocks.inGame = false;
    s.clocks.paused = false;
    s.clocks.lateSide = 0;
    s.game.ending.clear();
    stopTicking(s);
    drawClocks(s, false);
}

void 時計_刻み(State& s) {
    if (!s.clocks.inGame || s.clocks.paused) return;
    const int side = s.clocks.lateSide != 0 ? s.clocks.lateSide : s.clocks.clock.running();
    if (side == 0) return;
    const double t = now(s);
    s.clocks.lateSide = 0;
    // The window paints what changed after each handler: an idle tick paints nothing.
    if (s.clocks.clock.running() == side && !s.clocks.clock.flagged(side, t)) {
        drawClocks(s, false);
        return;
    }
    思考中止(s);
    // The side is charged to its flag: the face shows 0.
    s.clocks.clock.stop(t);
    s.clocks.clock.setMainLeft(side, 0);
    stopTicking(s);
    drawClocks(s, false);
    s.screen.ui->flush();
    禁止音(s);
    通知(s, "時間切れです", "終局");
    endWithout(s, "時間切れ", -side);
}

void 時計_保留(State& s) {
    if (!s.clocks.inGame || s.clocks.paused || s.clocks.clock.running() == 0) return;
    s.clocks.pausedSide = s.clocks.clock.running();
    s.clocks.clock.stop(now(s));
    s.clocks.paused = true;
}

void 時計_保留解除(State& s) {
    if (!s.clocks.paused) return;
    s.clocks.paused = false;
    // The command may have ended the game or laid out another.
    if (!s.clocks.inGame || !gameOn(s)) return;
    s.clocks.clock.start(s.clocks.pausedSide, now(s));
}

engine::TimeBudget 時計_思考時間(State& s) {
    s.clocks.lastThinkMillis = 0;
    if (!s.clocks.inGame) return {};
    const GameClock& c = s.clocks.clock;
    const engine::TimeBudget b = clockTimeBudget(
        c.mainLeft(+1, now(s)), c.settings().byoyomiSeconds, c.settings().incrementSeconds);
    s.clocks.lastThinkMillis = b.hard;
    return b;
}

std::string 時計_表示テキスト(State& s) {
    if (!s.clocks.inGame) return "clock none";
    std::string out = "clock";
    const double t = now(s);
    for (int side : {+1, -1}) {
        bool last = false;
        out += side > 0 ? " top " : " bottom ";
        if (s.clocks.clock.running() == side) out += "▶";
        out += timeText(s, side, t, last);
    }
    return out;
}

void TOURYOU_Click(State& s) {
    if (!gameOn(s)) {
        禁止通知(s, "対局中に使えます", "投了");
        return;
    }
    // Against the computer the human resigns; between humans the side to move.
    const int loser = s.game.gameMode == Game::modeCom ? -1 : 手番符号(s.game);
    時計_保留(s);
    if (!質問(s, "投了しますか？", "投了")) {
        時計_保留解除(s);
        return;
    }
    思考中止(s);
    s.clocks.paused = false;
    時計_終局(s);
    通知(s, winnerName(s, loser) + "が投了しました", "終局");
    endWithout(s, "投了", -loser);
}

std::string 中断ファイル(const State& s) {
    const std::string folder = s.screen.ui->autosaveFolder();
    return folder.empty() ? "" : folder + "/" + kInterruptedFile;
}

// The game text with what a game file cannot hold: the sides, the level,
// the clock's times and what is left of them.
void CHUDAN_Click(State& s) {
    if (!gameOn(s) || s.game.record.recordCount == 0) {
        禁止通知(s, "対局中に使えます", "中断");
        return;
    }
    if (s.press.moveStep == 2) {
        禁止通知(s, "2手目移動中はできません！", "中断");
        return;
    }
    const std::string path = 中断ファイル(s);
    if (path.empty()) {
        禁止通知(s, "自動保存のフォルダがないため中断できません", "中断");
        return;
    }
    思考中止(s);
    s.clocks.paused = false;
    時計_終局(s);
    autosaveGame(s);
    std::ostringstream out;
    const GameClock& c = s.clocks.clock;
    out << 共有棋譜テキスト(s) << "\r\n";
    out << "対局=" << (s.game.gameMode == Game::modeCom ? "COM" : "人間") << "\r\n";
    out << "下手=" << (s.game.manPlayer == Game::firstPlayer ? "先手" : "後手") << "\r\n";
    out << "レベル=" << s.game.comLevel << "\r\n";
    if (s.clocks.inGame) {
        const double t = now(s);
        out << "時計=" << c.settings().mainSeconds << "," << c.settings().byoyomiSeconds << ","
            << c.settings().incrementSeconds << "\r\n";
        out.precision(17);
        out << "残り=" << c.mainLeft(-1, t) << "," << c.mainLeft(+1, t) << "\r\n";
    }
    out << "保存=" << s.game.savedGame.file << "\r\n";
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(s.screen.ui->autosaveFolder(), ec);
    if (!writeFileAtomically(path, out.str(), error)) {
        禁止通知(s, "中断できませんでした（" + error + "）", "中断");
        return;
    }
    通知(s, "対局を中断しました。「再開」で続きを指せます", "中断");
    初期設定(s);
}

void SAIKAI_Click(State& s) {
    const std::string path = 中断ファイル(s);
    std::string bytes;
    if (path.empty() || readFileLimited(path, kMaxGameTextBytes + 4096, bytes) != ReadStatus::Ok) {
        禁止通知(s, "中断した対局はありません", "再開");
        return;
    }
    std::istringstream in(bytes);
    std::string line, gameText;
    std::getline(in, gameText);
    if (!gameText.empty() && gameText.back() == '\r') gameText.pop_back();
    int mode = Game::modeCom, man = Game::firstPlayer, level = s.game.comLevel;
    ClockSettings clock;
    double left[2] = {0, 0};
    bool clocked = false;
    std::string savedFile;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "対局") mode = value == "人間" ? Game::modeHumans : Game::modeCom;
        if (key == "下手") man = value == "後手" ? Game::secondPlayer : Game::firstPlayer;
        if (key == "レベル") level = std::atoi(value.c_str());
        if (key == "時計")
            clocked = std::sscanf(value.c_str(), "%d,%d,%d", &clock.mainSeconds,
                                  &clock.byoyomiSeconds, &clock.incrementSeconds) == 3;
        if (key == "残り") std::sscanf(value.c_str(), "%lf,%lf", &left[0], &left[1]);
        if (key == "保存") savedFile = value;
    }
    ImportedGame game;
    const NotationError e = parseGameText(gameText, game, TopSide::Computer);
    if (!e.ok || level < 1 || level > 4) {
        禁止通知(s, "中断した対局を読めません", "再開");
        return;
    }
    思考中止(s);
    autosaveGame(s);
    初期設定(s);
    s.game.rules = game.start.rules;
    s.game.Board = game.end.Board;
    s.game.record = game.record;
    s.game.moveCount = static_cast<int>(game.moves.size());
    s.game.importedStart = game.start.Board == Position::initial(game.start.rules).Board
                               ? Game::flagOff
                               : Game::flagOn;
    s.game.importedFirstMove = game.startMoveNumber;
    s.game.gameMode = mode;
    s.game.manPlayer = man;
    s.game.comPlayer = -man;
    s.game.turnPlayer = game.end.mover < 0 ? s.game.manPlayer : s.game.comPlayer;
    s.game.savedGame = {"", savedFile};
    s.game.comLevel = level;
    for (int l = 1; l <= 4; ++l)
        s.screen.ui->setMenuChecked("LEVEL" + std::to_string(l), l == level);
    showRules(s);
    画面_再描画(s);
    描画_レベル(s.screen, level);
    if (mode == Game::modeCom)
        描画_対COM名札(s);
    else
        描画_対人名札(s, man == Game::firstPlayer ? "後手:" : "先手:",
                      man == Game::firstPlayer ? "先手:" : "後手:");
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
    if (s.game.record.recordCount >= 1) 描画_現在手報告(s);
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (clocked && clock.enabled()) {
        s.clocks.clock.reset(clock);
        s.clocks.clock.setMainLeft(-1, left[0]);
        s.clocks.clock.setMainLeft(+1, left[1]);
        s.clocks.inGame = true;
    }
    通知(s, "中断した対局を再開します", "再開");
    時計_対局開始(s);
    if (mode == Game::modeCom && s.game.turnPlayer == s.game.comPlayer) COM手番(s);
}

}  // namespace zk
