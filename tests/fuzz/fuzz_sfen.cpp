// Fuzzing the SFEN and USI reader: any text is either refused naming a field
// or a move, or read into a game whose export reads back the same game. The
// text is read by each rule set and by the one it shows.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "sfen.h"

namespace {

using namespace zk;

// One reading of the text, checked; `rules` as parseGameText takes them.
void check(std::string_view text, TopSide top, std::optional<RuleSet> rules) {
    ImportedGame game;
    const NotationError error = parseGameText(text, game, top, rules);
    if (!error.ok) {
        if (error.field < 0 || error.field > 4 || error.move < 0) std::abort();
        if (error.move > 0 && error.field != 0) std::abort();
        if (notationErrorText(error).empty()) std::abort();
        if (!game.moves.empty() || game.record.recordEnd != 0) std::abort();
        return;
    }
    if (rules && game.start.rules != *rules) std::abort();
    // The export read back by the rules the game was read by.
    ImportedGame again;
    const std::string written = formatGameText(game.start, game.moves, game.startMoveNumber);
    if (!parseGameText(written, again, top, game.start.rules).ok) std::abort();
    if (!(again.start == game.start) || again.moves != game.moves) std::abort();
    if (again.startMoveNumber != game.startMoveNumber) std::abort();
    if (again.record.entries != game.record.entries || !(again.end == game.end)) std::abort();
    // And without rules it reads as a game too.
    if (!parseGameText(written, again, top).ok) std::abort();
    const int n = game.record.recordEnd;
    const Position replayed =
        Position::fromRecord(game.start.Board, game.start.mover, game.record, n);
    if (replayed.Board != game.end.Board || replayed.mover != game.end.mover) std::abort();
    if (game.start.rules == RuleSet::Zenkoru && !(replayed == game.end)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TopSide top = size % 2 == 0 ? TopSide::Human : TopSide::Computer;
    check(text, top, std::nullopt);
    check(text, top, RuleSet::Zenkoru);
    check(text, top, RuleSet::Standard);
    return 0;
}
