#include <cstdio>
#include <sstream>

#include "draw.h"
#include "game_analysis.h"
#include "move_list.h"
#include "script.h"

namespace zk {

std::string codeText(PieceCode c) {
    const int t = c.tenths();
    const int magnitude = t < 0 ? -t : t;
    char text[16];
    if (magnitude % 10 == 0)
        std::snprintf(text, sizeof text, "%d", t / 10);
    else
        std::snprintf(text, sizeof text, "%s%d.%d", t < 0 ? "-" : "", magnitude / 10,
                      magnitude % 10);
    return text;
}

std::vector<std::string> ScriptRunner::boardDump() const {
    std::vector<std::string> out;
    for (int y = 1; y <= 12; ++y) {
        char head[8];
        std::snprintf(head, sizeof head, "%2d:", y);
        std::string row = head;
        for (int x = 1; x <= 12; ++x) {
            char cell[12];
            std::snprintf(cell, sizeof cell, "%6s", codeText(s_.game.Board[x][y]).c_str());
            row += cell;
        }
        out.push_back(row);
    }
    return out;
}

std::vector<std::string> ScriptRunner::screenDump() const {
    std::vector<std::string> out;
    const ScreenModel& screen = const_cast<HeadlessPlatform&>(ui_).screen();
    for (int y = 1; y <= 12; ++y) {
        std::ostringstream row;
        row << (y < 10 ? " " : "") << y << ':';
        for (int x = 1; x <= 12; ++x) {
            const int left = cellX(x), top = cellY(y);
            const int w = cellX(x + 1) - left, h = cellY(y + 1) - top;
            std::string image = screen.imageAt(left + w / 2, top + h / 2);
            row << ' ' << (image.empty() ? "-" : image) << '/'
                << screen.outlineColour(left, top, w, h);
        }
        out.push_back(row.str());
    }
    return out;
}

std::vector<std::string> ScriptRunner::recordDump() const {
    const GameRecord& r = s_.game.record;
    std::vector<std::string> out;
    out.push_back("recordCount=" + std::to_string(r.recordCount) +
                  " recordEnd=" + std::to_string(r.recordEnd));
    for (int n = 1; n <= r.recordEnd; ++n) {
        const MoveRecord& e = r.at(n);
        std::ostringstream line;
        line << (n <= r.recordCount ? "* " : "  ") << n << ": " << e.fromX << ',' << e.fromY
             << " -> " << e.toX << ',' << e.toY << " moved=" << codeText(e.movedPiece)
             << " after=" << codeText(e.pieceAfter) << " captured=" << codeText(e.capturedPiece);
        out.push_back(line.str());
    }
    return out;
}

std::vector<std::string> ScriptRunner::movesDump() const {
    const std::vector<MoveListItem> list = moveList(s_.game.record);
    const std::vector<std::string> lines = moveListLines(list);
    std::vector<std::string> out{"moves=" + std::to_string(list.size())};
    for (std::size_t i = 0; i < list.size(); ++i)
        out.push_back((list[i].lastEntry <= s_.game.record.recordCount ? "* " : "  ") + lines[i]);
    return out;
}

std::vector<std::string> ScriptRunner::marksDump() const {
    const ScreenModel& screen = const_cast<HeadlessPlatform&>(ui_).screen();
    std::string line = "marks";
    for (int y = 1; y <= 12; ++y)
        for (int x = 1; x <= 12; ++x) {
            const int left = cellX(x), top = cellY(y);
            if (screen.outlineColour(left, top, cellX(x + 1) - left, cellY(y + 1) - top) ==
                Screen::lastMoveColour) {
                char square[16];
                std::snprintf(square, sizeof square, " %d,%d", x, y);
                line += square;
            }
        }
    return {line};
}

std::vector<std::string> ScriptRunner::graphDump() const {
    const AnalysisStatus status = 棋譜解析状況(s_);
    if (!status.analysis) return {"graph none"};
    const GameAnalysis& a = *status.analysis;
    std::vector<std::string> out;
    out.push_back("graph " + std::to_string(status.done) + "/" + std::to_string(status.total) +
                  (status.running ? " running" : "") + " nodes " + std::to_string(a.nodes));
    const std::vector<MoveMark> marks = moveMarks(a);
    for (std::size_t i = 0; i < a.positions.size(); ++i) {
        std::ostringstream line;
        line << i << ' ' << (i == 0 ? std::string("開始局面") : a.played[i - 1]) << ' '
             << (a.positions[i].score >= 0 ? "+" : "") << a.positions[i].score << " 最善 "
             << (a.positions[i].best.empty() ? "-" : a.positions[i].best);
        if (i >= 1 && marks[i - 1] != MoveMark::None)
            line << ' ' << markText(marks[i - 1]) << " (最善 " << a.positions[i - 1].best << ')';
        out.push_back(line.str());
    }
    return out;
}

std::vector<std::string> ScriptRunner::stateDump() const {
    std::ostringstream line;
    line << "turnPlayer=" << s_.game.turnPlayer << " manPlayer=" << s_.game.manPlayer
         << " comPlayer=" << s_.game.comPlayer << " gameMode=" << s_.game.gameMode
         << " clickPhase=" << s_.press.clickPhase << " moveStep=" << s_.press.moveStep
         << " moveCount=" << s_.game.moveCount << " recordCount=" << s_.game.record.recordCount
         << " recordEnd=" << s_.game.record.recordEnd << " recordMode=" << s_.game.recordMode
         << " moveHelpMode=" << s_.help.moveHelpMode
         << " turnNoticePending=" << s_.press.turnNoticePending << " sel=" << s_.press.selX << ','
         << s_.press.selY << " selPiece=" << codeText(s_.press.selPiece)
         << " comLevel=" << s_.game.comLevel << " guidanceColour=" << s_.press.guidanceColour
         << " handicapLevel=" << s_.game.handicapLevel << " isReversed=" << s_.game.isReversed;
    return {line.str()};
}

}  // namespace zk
