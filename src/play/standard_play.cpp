#include "standard_play.h"

#include <utility>

#include "autosave.h"
#include "clock_flow.h"
#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "form1.h"
#include "game_end.h"
#include "platform.h"
#include "repetition.h"
#include "sfen.h"
#include "standard_moves.h"

namespace zk {

namespace {

// One move of the record: a single entry, or a two-step move's two entries
// (the second made by the same side, from where the first ended).
Move moveOfEntries(const MoveRecord& a, const MoveRecord* b) {
    Move m =
        Move::single(a.fromX, a.fromY, a.toX, a.toY, a.movedPiece, a.pieceAfter, a.capturedPiece);
    if (b == nullptr) return m;
    m.midX = static_cast<std::int8_t>(a.toX);
    m.midY = static_cast<std::int8_t>(a.toY);
    m.toX = static_cast<std::int8_t>(b->toX);
    m.toY = static_cast<std::int8_t>(b->toY);
    m.midAfter = a.pieceAfter;
    m.after = b->pieceAfter;
    m.capturedMid = a.capturedPiece;
    m.captured = b->capturedPiece;
    return m;
}

bool sameSide(PieceCode a, PieceCode b) {
    return (a >= 1) == (b >= 1) && !a.isEmpty() && !b.isEmpty();
}

// The name the end box gives a side (-1 the bottom side, +1 the top side).
std::string sideName(const State& s, int side) {
    if (s.game.gameMode == Game::modeCom) return side < 0 ? "あなた" : "ｺﾝﾋﾟｭｰﾀ";
    const int player = side < 0 ? s.game.manPlayer : s.game.comPlayer;
    return player == Game::firstPlayer ? "先手" : "後手";
}

// The moves of the side to move from (x, y).
std::vector<Move> movesFrom(const Position& p, int x, int y) {
    std::vector<Move> all, from;
    legalMoves(p, Mover::Presses, all);
    for (const Move& m : all)
        if (m.fromX == x && m.fromY == y) from.push_back(m);
    return from;
}

// Outline these squares in the guidance colour (the stops of a two-step move
// in the selection colour) after wiping every mark; nothing while guidance is off.
void 案内(State& s, const std::vector<std::pair<int, int>>& squares,
          const std::vector<std::pair<int, int>>& stops = {}) {
    描画_将棋盤桝(s.screen);
    if (s.press.guidanceColour == Screen::boardGridColour) return;
    for (const auto& [x, y] : squares) 描画_桝輪郭(s.screen, s.press.guidanceColour, x, y);
    for (const auto& [x, y] : stops) 描画_桝輪郭(s.screen, Screen::selectColour, x, y);
}

// Select the piece on (x, y) and show where its moves go first.
void 選択(State& s, int x, int y, const std::vector<Move>& moves) {
    s.press.selX = x;
    s.press.selY = y;
    s.press.selPiece = s.game.Board[x][y];
    s.press.clickPhase = 1;
    s.press.moveStep = 1;
    std::vector<std::pair<int, int>> ends, stops;
    for (const Move& m : moves) {
        if (m.isTwoStep())
            stops.emplace_back(m.midX, m.midY);
        else
            ends.emplace_back(m.toX, m.toY);
    }
    案内(s, ends, stops);
    描画_桝輪郭(s.screen, Screen::selectColour, x, y);
}

void 選択解除(State& s) {
    s.press.clickPhase = 0;
    s.press.moveStep = 1;
    案内(s, {});
}

// Among moves that go the same way, the promoting one or not: asked only
// when both are there.
const Move& 成り選択(State& s, const std::vector<const Move*>& same) {
    if (same.size() == 1) return *same[0];
    const bool promote = 質問(s, "成りますか？", "成り");
    for (const Move* m : same)
        if (m->promotes() == promote) return *m;
    return *same[0];
}

// The end of a standard game after a move: the box that says why, then 終了.
// True when the game ended.
bool 標準終局(State& s) {
    const StandardGame g = 標準棋譜(s.game);
    const Position& p = g.positions.back();
    const StandardEnding e = standardEnding(p);
    if (e.reason != EndReason::None) {
        if (e.reason == EndReason::BareRoyal) 通知(s, "駒枯れになりました", "終局");
        if (e.reason == EndReason::NoMoves) 通知(s, "指す手がありません", "終局");
        終了(s, e.winner == 0 ? std::string("引き分け") : sideName(s, e.winner));
        return true;
    }
    switch (repetitionVerdict(g.positions, g.moves)) {
        case RepetitionVerdict::None:
            return false;
        case RepetitionVerdict::Draw:
            通知(s, "千日手になりました", "終局");
            終了(s, "引き分け");
            return true;
        case RepetitionVerdict::BottomLoses:
            通知(s, "連続王手・連続攻めの千日手です", "終局");
            終了(s, sideName(s, +1));
            return true;
        case RepetitionVerdict::TopLoses:
            通知(s, "連続王手・連続攻めの千日手です", "終局");
            終了(s, sideName(s, -1));
            return true;
    }
    return false;
}

}  // namespace

// Undo the entries from the board to find where the game started, then
// replay them forward as whole moves.
StandardGame 標準棋譜(const Game& g) {
    const GameRecord& r = g.record;
    Position start;
    start.rules = RuleSet::Standard;
    start.Board = g.Board;
    for (int k = r.recordCount; k >= 1; --k) {
        const MoveRecord& e = r.at(k);
        start.Board[e.toX][e.toY] = e.capturedPiece;
        start.Board[e.fromX][e.fromY] = e.movedPiece;
    }
    start.mover = r.recordCount >= 1 ? (r.at(1).movedPiece >= 1 ? 1 : -1) : 手番符号(g);
    if (start.mover == 0) start.mover = -1;
    StandardGame out;
    out.positions.push_back(start);
    for (int k = 1; k <= r.recordCount; ++k) {
        const MoveRecord& a = r.at(k);
        const MoveRecord* b = nullptr;
        if (k + 1 <= r.recordCount && sameSide(r.at(k + 1).movedPiece, a.movedPiece) &&
            r.at(k + 1).fromX == a.toX && r.at(k + 1).fromY == a.toY)
            b = &r.at(++k);
        const Move m = moveOfEntries(a, b);
        Position next = out.positions.back();
        apply(next, m);
        out.moves.push_back(m);
        out.positions.push_back(next);
    }
    return out;
}

Position 標準局面(const Game& g) {
    Position p = 標準棋譜(g).positions.back();
    p.Board = g.Board;
    const int sign = 手番符号(g);
    if (sign != 0) p.mover = sign;
    return p;
}

bool 標準着手(State& s, const Move& m) {
    autosaveBeforeCut(s);
    for (const MoveRecord& e : recordEntriesOf(m)) {
        手順保存(s.game.record, s.game.Board, e.fromX, e.fromY, e.toX, e.toY, e.movedPiece,
                 e.pieceAfter);
        s.game.record.slot(s.game.record.recordCount) = e;
    }
    s.game.Board[m.fromX][m.fromY] = code::EMPTY;
    if (m.isTwoStep()) s.game.Board[m.midX][m.midY] = code::EMPTY;
    s.game.Board[m.toX][m.toY] = m.after;
    描画_将棋盤桝(s.screen);
    描画_盤(s.screen, s.game.Board);
    描画_最終手(s.screen, s.game.record);
    if (m.after >= 1)
        描画_移動結果(s.screen, Screen::comReportX, Screen::comReportY, m.toX, m.toY, m.after,
                      Screen::reportColour);
    else
        描画_移動結果(s.screen, Screen::manReportX, Screen::manReportY, m.toX, m.toY, m.after,
                      Screen::reportColour);
    s.press.clickPhase = 0;
    s.press.moveStep = 1;
    s.game.moveCount += 1;
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
    駒打音(s);
    時計_着手(s, m.after >= 1 ? +1 : -1);
    s.screen.ui->flush();
    if (標準終局(s)) return true;
    if (s.game.gameMode == Game::modeHumans) {
        s.game.turnPlayer = -s.game.turnPlayer;
        return false;
    }
    if (m.after >= 1) {  // the computer has moved: the human's turn
        s.game.turnPlayer = s.game.manPlayer;
        return false;
    }
    標準COM手番(s);
    return false;
}

void 標準押下(State& s, int x, int y) {
    const Position p = 標準局面(s.game);
    const PieceCode here = s.game.Board[x][y];
    const bool own = !here.isEmpty() && (here >= 1) == (p.mover > 0);
    if (s.press.clickPhase == 0) {
        if (!own) return;
        const std::vector<Move> moves = movesFrom(p, x, y);
        if (!moves.empty()) 選択(s, x, y, moves);
        return;
    }
    const std::vector<Move> moves = movesFrom(p, s.press.selX, s.press.selY);
    std::vector<const Move*> chosen;
    if (s.press.moveStep == 2) {
        // The second step of a lion, falcon or eagle from its stop.
        for (const Move& m : moves)
            if (m.isTwoStep() && m.midX == s.press.destX && m.midY == s.press.destY && m.toX == x &&
                m.toY == y)
                chosen.push_back(&m);
        if (chosen.empty()) {
            禁止通知(s, "そこへ移動できません！", "2手目移動中");
            return;
        }
        標準着手(s, 成り選択(s, chosen));
        return;
    }
    std::vector<const Move*> singles;
    std::vector<std::pair<int, int>> seconds;
    for (const Move& m : moves) {
        if (!m.isTwoStep() && m.toX == x && m.toY == y) singles.push_back(&m);
        if (m.isTwoStep() && m.midX == x && m.midY == y) seconds.emplace_back(m.toX, m.toY);
    }
    if (singles.empty() && seconds.empty()) {
        if (own && !(x == s.press.selX && y == s.press.selY)) {
            const std::vector<Move> mine = movesFrom(p, x, y);
            if (!mine.empty()) {
                選択(s, x, y, mine);
                return;
            }
        }
        選択解除(s);
        return;
    }
    if (!seconds.empty() && (singles.empty() || 質問(s, "もう一手移動しますか？", "２手移動"))) {
        s.press.moveStep = 2;
        s.press.destX = x;
        s.press.destY = y;
        案内(s, seconds);
        描画_桝輪郭(s.screen, Screen::selectColour, x, y);
        return;
    }
    標準着手(s, 成り選択(s, singles));
}

}  // namespace zk
