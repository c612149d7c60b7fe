// The game as a KIF text other programs can replay, and such a text read
// back. A move names the square where it ends, the piece that moves (成 when
// it changes its form) and, in parentheses, where it came from:
//   ７八と(0709)      file full-width (１..１２), rank as a kanji numeral
//   同　獅(0708)      ending where the move before it ended
//   ６七・７八獅(0809) a two-step move: its first square, then its last
// The origin is four half-width digits, the file then the rank, each as two
// digits, so that files and ranks 10..12 read one way only. A game that does
// not start from the initial position with the bottom side to move says so in
// a "開始局面：" line holding its start as SFEN; a standard game always has
// that line, holding the standard start (no published KIF form for standard
// Chu games was found, so both rule sets are written this one way).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "move_list.h"
#include "sfen.h"

namespace zk {

struct KifHeader {
    std::string date;   // e.g. "2026/12/09 06:40:00"
    std::string sente;  // the side that moves first
    std::string gote;
    std::string level;     // e.g. "LEVEL2", or "" in a game between humans
    std::string handicap;  // e.g. "平手"
    std::string start;     // the start as SFEN, or "" for the initial position
};

// A square (x, y) of the board as KIF writes it, e.g. (1, 5) is "１２五".
std::string kifSquare(int x, int y);
// One move; `previous` (may be null) is the move before it, for 同.
std::string kifMove(const Move& m, const Move* previous);
// The text: the header, "手数----指手---------", one numbered move a line and
// "まで N手".
std::string kifText(const KifHeader& h, const std::vector<MoveListItem>& list);

// Whether a game text is KIF rather than SFEN/USI.
bool looksLikeKif(std::string_view text);
// Read a KIF text: the start from its "開始局面：" line (the initial position
// without one), then every numbered move, each of which must be one of
// legalMoves of its position (as parseGameText checks them); reading stops at
// a line that ends the game (まで, 投了, ...). `out` is written only when the
// whole text is accepted; a refusal names the first bad move by number. The
// rule set is `rules`, or without it the one the text shows, as
// parseGameText decides (a start line is read by it, and without one the
// game starts from its initial position).
NotationError parseKifText(std::string_view text, ImportedGame& out, TopSide top = TopSide::Human,
                           std::optional<RuleSet> rules = std::nullopt);

}  // namespace zk
