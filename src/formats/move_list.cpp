#include "move_list.h"

#include <algorithm>
#include <cstdio>

#include "move_span.h"
#include "notation.h"

namespace zk {

namespace {

// The move made by entries first..last (one entry, or the two of one move).
Move moveOf(const GameRecord& r, int first, int last) {
    const MoveRecord& a = r.at(first);
    const MoveRecord& b = r.at(last);
    Move m;
    m.fromX = static_cast<std::int8_t>(a.fromX);
    m.fromY = static_cast<std::int8_t>(a.fromY);
    m.piece = a.movedPiece;
    m.toX = static_cast<std::int8_t>(b.toX);
    m.toY = static_cast<std::int8_t>(b.toY);
    m.after = b.pieceAfter;
    if (last == first) {
        m.captured = a.capturedPiece;
    } else if (b.fromX == a.fromX && b.fromY == a.fromY && b.toX == a.toX && b.toY == a.toY) {
        // The same step twice: the second step was declined.
        m.stopped = true;
        m.captured = a.capturedPiece;
    } else {
        m.midX = static_cast<std::int8_t>(a.toX);
        m.midY = static_cast<std::int8_t>(a.toY);
        m.midAfter = a.pieceAfter;
        m.capturedMid = a.capturedPiece;
        m.captured = b.capturedPiece;
    }
    return m;
}

}  // namespace

std::vector<MoveListItem> moveList(const GameRecord& r) {
    std::vector<MoveListItem> out;
    const int end = std::max(r.recordEnd, r.recordCount);
    const bool firstIsTop = r.at(1).movedPiece >= 1;
    for (int k = 1; k <= end;) {
        const MoveSpan span = 調査_手範囲(r, k);
        MoveListItem item;
        item.number = static_cast<int>(out.size()) + 1;
        item.firstEntry = span.first;
        item.lastEntry = span.last;
        item.move = moveOf(r, span.first, span.last);
        item.mark = (item.move.piece >= 1) == firstIsTop ? "▲" : "△";
        item.text = 指し手表記(item.move);
        out.push_back(std::move(item));
        k = span.last + 1;
    }
    return out;
}

std::vector<Move> movesOfRecord(const GameRecord& r) {
    std::vector<Move> out;
    for (const MoveListItem& item : moveList(r)) out.push_back(item.move);
    return out;
}

BoardGrid startBoardOf(const BoardGrid& board, const GameRecord& r, int n) {
    BoardGrid b = board;
    for (int k = n; k >= 1; --k) {
        const MoveRecord& e = r.at(k);
        if (onBoard(e.toX, e.toY)) b[e.toX][e.toY] = e.capturedPiece;
        if (onBoard(e.fromX, e.fromY)) b[e.fromX][e.fromY] = e.movedPiece;
    }
    return b;
}

std::vector<std::string> moveListLines(const std::vector<MoveListItem>& list) {
    std::vector<std::string> out;
    for (const MoveListItem& item : list) {
        char number[16];
        std::snprintf(number, sizeof number, "%4d ", item.number);
        out.push_back(number + item.mark + item.text);
    }
    return out;
}

}  // namespace zk
