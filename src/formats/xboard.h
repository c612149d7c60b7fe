// The notation of the XBoard protocol (CECP) for a 12x12 board: squares as
// files a..l from the left and ranks 1..12 from the bottom, both as the side
// that moves first (the bottom side, XBoard's "white") sees the board; a move
// as its squares, "+" when the piece changes its code; a lion, falcon or
// eagle that goes on written as two legs joined by a comma ("c4d5,d5e4"),
// "+" after the leg on which the piece changes (under this program's rules a
// piece may turn back on either step). A lion that takes and comes back
// (igui) or steps out and back (jitto) ends its second leg where it started.
//
// A position is written as a FEN: the board as in SFEN (the same letters,
// "+" before the letter for a promoted form, the top rank first), the side to
// move ("w" the bottom side, "b" the top side), "- -" for castling and en
// passant, which Chu has not, then the plies since the last capture or
// promotion and the number of the next move. This program's own rules use the
// same letters: their pieces start promoted and are written with their "+".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "position.h"
#include "sfen.h"

namespace zk {

// A square as XBoard writes it: (x 1, y 12), the bottom left, is "a1".
std::string xboardSquare(int x, int y);
// A move as XBoard writes it: "g4g5", "b7h11+", a two-step move "e5f6,f6g7".
std::string xboardMove(const Move& m);
// The legal move of `p` (as the computer may play it) that `text` writes, if
// there is one. A "=" (a declined promotion, as some interfaces mark it) is
// read as no mark, and a two-step move's promotion marked on its last leg
// only is read when that names one move.
std::optional<Move> parseXboardMove(const Position& p, std::string_view text);

// A position as an XBoard FEN, `halfmoves` being the plies since the last
// capture or promotion and `moveNumber` that of the next move.
std::string formatXboardFen(const Position& p, int halfmoves = 0, int moveNumber = 1);
// Read an XBoard FEN: the board and the side, then optionally castling and en
// passant fields ("-"), the plies count and the move number. The board is
// refused as parseSfen refuses it (field 1), a side other than w or b as
// field 2, a number that is not one as field 4. Holdings ("[...]") after the
// board are ignored. The position has no move behind it and is played by
// `rules`; `out` and `moveNumber` are written only when the text is accepted.
NotationError parseXboardFen(std::string_view text, Position& out, int& moveNumber,
                             RuleSet rules = RuleSet::Standard);

}  // namespace zk
