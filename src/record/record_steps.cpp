#include "record_steps.h"

#include "board.h"
#include "move_span.h"

namespace zk {

std::vector<MoveRecord> takeBackMove(Game& s) {
    GameRecord& r = s.record;
    std::vector<MoveRecord> taken;
    const MoveSpan move = 調査_手範囲(r, r.recordCount);
    while (r.recordCount >= move.first) {
        const MoveRecord e = r.at(r.recordCount);
        if (onBoard(e.toX, e.toY)) s.Board[e.toX][e.toY] = e.capturedPiece;
        if (onBoard(e.fromX, e.fromY)) s.Board[e.fromX][e.fromY] = e.movedPiece;
        taken.push_back(e);
        r.recordCount -= 1;
    }
    s.moveCount -= 1;
    s.turnPlayer = -s.turnPlayer;
    return taken;
}

std::vector<MoveRecord> replayMove(Game& s) {
    GameRecord& r = s.record;
    std::vector<MoveRecord> replayed;
    const MoveSpan move = 調査_手範囲(r, r.recordCount + 1);
    while (r.recordCount < move.last) {
        r.recordCount += 1;
        const MoveRecord& e = r.at(r.recordCount);
        if (onBoard(e.fromX, e.fromY)) s.Board[e.fromX][e.fromY] = 0;
        if (onBoard(e.toX, e.toY)) s.Board[e.toX][e.toY] = e.pieceAfter;
        replayed.push_back(e);
    }
    s.moveCount += 1;
    s.turnPlayer = -s.turnPlayer;
    return replayed;
}

void reverseBoard(BoardGrid& board) {
    const BoardGrid scratch = board;
    for (int x = 1; x <= Game::boardSize; ++x)
        for (int y = 1; y <= Game::boardSize; ++y) board[13 - x][13 - y] = -scratch[x][y];
}

void clearRecord(GameRecord& r) {
    r.entries.assign(1, MoveRecord{});
    r.recordCount = 0;
    r.recordEnd = 0;
}

}  // namespace zk
