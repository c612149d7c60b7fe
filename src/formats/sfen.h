// The notation Chu players share: a position as SFEN with 12 ranks and '+'
// for a promoted form, a move as USI (files 1..12 from the right, ranks a..l
// from the top; a lion, falcon or eagle that goes on writes its three
// squares), and a whole game as "position sfen ... moves ...". Pure text
// work: no boxes, no files, no play state.
//
// Letters (upper case: the bottom side, whose codes are negative; lower case:
// the top side). The promoted form of a kind is '+' and the letter of the
// kind it promotes back into, so every code has exactly one spelling:
//   P 歩 1  +P と 2    L 香 3   +L 白 4    C 銅 5   +C 横 6
//   M 横 7  +M 猪 8    S 銀 9   +S 竪 10   V 竪 11  +V 牛 12
//   G 金 13 +G 飛 14   R 飛 15  +R 龍 16   D 龍 17  +D 鷲 18
//   F 豹 19 +F 角 20   B 角 21  +B 馬 22   H 馬 23  +H 鷹 24
//   X 鳳 25 +X 奔 26   Q 奔 27  A 反 28    +A 鯨 29 T 虎 30
//   +T 鹿 31 O 麒 32   +O 獅 33 N 獅 34    I 仲 35  +I 象 36
//   E 象 37 +E 太 38   K 王 39
// These are Chu SFEN's common letters: O the kirin, X the phoenix.
// The side field is 'b' when the bottom side moves, 'w' when the top side
// does. The hand field is always "-" (pieces taken are out of the game); the
// move number is the number of the next move. Both may be left out when read
// (the move number is then 1).
//
// Texts written before the kirin and the phoenix took these letters spelt
// them the other way round (O the phoenix, X the kirin). A text is read with
// the old letters only where the common ones cannot be what it means: its
// start, read the old way, is the initial position and read the common way
// is not; or, for a game, its moves are refused read the common way and all
// accepted read the old way. Anything else is read with the common letters.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "move_record.h"
#include "position.h"

namespace zk {

// What a reader refused: the first bad field of the SFEN (1 board, 2 side,
// 3 hand, 4 move number), or the first bad move (counted from 1), or the
// word where "sfen" or "moves" was expected (field 0, move 0).
struct NotationError {
    bool ok = true;
    int field = 0;
    int move = 0;
    std::string detail;  // the offending text, or what was wrong
};
// The refusal as one Japanese line for the player.
std::string notationErrorText(const NotationError& e);

// A square as USI: (x 1, y 1), the top left, is "12a".
std::string usiSquare(int x, int y);
// A move as USI: "7g7f", "8h2b+", a two-step move "7e7f7g". A first step after
// which the second was declined is written as an ordinary one-step move.
std::string usiMove(const Move& m);

// A position as SFEN: "<board> <b|w> - <moveNumber>", the move number being
// that of the next move. Mid-move codes never stand on a game's board and are
// written as their piece.
std::string formatSfen(const Position& p, int moveNumber = 1);
// Read an SFEN (the board, the side, then optionally "-" and a move number).
// Refused: a rank without 12 squares, not 12 ranks, an unknown letter, a '+'
// on a kind without a promoted form, a side without a king or crown prince,
// a side field other than b or w, a move number that is not 1..999999. The
// position has no move behind it and is played by `rules`; `moveNumber` is
// the text's (1 without one). The old letters are tried only for this
// program's own rules.
NotationError parseSfen(std::string_view text, Position& out, int& moveNumber,
                        RuleSet rules = RuleSet::Zenkoru);
NotationError parseSfen(std::string_view text, Position& out, RuleSet rules = RuleSet::Zenkoru);

// The rules a start position shows it is played by: this program's own
// initial position is, the standard one is standard; any other start is
// standard when it holds more plain pieces that could promote than promoted
// ones (this program's pieces start promoted and few turn back).
RuleSet guessRuleSet(const Position& start);

// The record entries the press flow writes for a move: one for a single
// move, two for a two-step move, and two naming the same step for a first
// step after which the second was declined. The computer's moves write the
// same entries (it never stops after a first step).
std::vector<MoveRecord> recordEntriesOf(const Move& m);

// A game read from text: where it starts, its moves and the record they make.
struct ImportedGame {
    Position start;
    int startMoveNumber = 1;  // the start's SFEN move number: that of the first move
    std::vector<Move> moves;
    GameRecord record;  // entries 1..recordEnd, all applied
    Position end;       // the position after the last move
};

// Longer texts are refused before they are read (a game of thousands of
// moves is a few tens of kilobytes; each move costs a legal-move scan).
constexpr std::size_t kMaxGameTextBytes = 256 * 1024;

// Which moves a reader checks against which rule: a game between humans is
// made by presses; in a game against the computer the top side's moves are
// the computer's, which may leave a promotion out.
enum class TopSide { Human, Computer };

// Add one move to a game being read: the legal move of `position` that
// `pick` chooses among a list (the pressed moves first, unless the computer is
// to move, then the computer's), written to the game's record and put on
// `position`. False, with nothing changed, when `pick` chooses none.
bool addImportedMove(Position& position, ImportedGame& game, TopSide top,
                     const std::function<const Move*(const std::vector<Move>&)>& pick);

// Read "[position] (sfen <SFEN> | startpos) [moves m1 m2 ...]". "startpos" is
// the rule set's initial position with the bottom side to move. Every move must
// be one of legalMoves of its position (Mover::Presses for a human side; a move
// that presses cannot make but the computer can is taken as the computer's,
// so that a game the program played always reads back). `out` is written only
// when the whole text is accepted.
// With `rules` given the text is read by those rules. Without, by the ones
// the text shows: a text every move of which one rule set accepts and the
// other refuses is read by that one (startpos meaning its own initial
// position), and one both accept by guessRuleSet of its start; the game's
// start says which (`out.start.rules`). A text neither accepts is refused as
// the guessed rules refuse it.
NotationError parseGameText(std::string_view text, ImportedGame& out, TopSide top = TopSide::Human,
                            std::optional<RuleSet> rules = std::nullopt);

// Read a game by either rule set, as parseGameText chooses: `read` reads the
// text by one rule set. Shared by the USI and the KIF reader.
NotationError readByEitherRules(const std::function<NotationError(RuleSet, ImportedGame&)>& read,
                                ImportedGame& out, std::optional<RuleSet> rules);

// The game as "position sfen <SFEN> moves m1 m2 ..." ("moves" left out when
// there is none); the SFEN's move number is that of the first move. A
// standard game is written the same way, which is the form Lishogi's Chu
// games are shared in.
std::string formatGameText(const Position& start, const std::vector<Move>& moves,
                           int startMoveNumber = 1);

}  // namespace zk
