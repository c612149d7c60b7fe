// Fuzzing the SFEN and USI reader: any text is either refused naming a field
// or a move, or read into a game whose export reads back the same game.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zk;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TopSide top = size % 2 == 0 ? TopSide::Human : TopSide::Computer;
    ImportedGame game;
    const NotationError error = parseGameText(text, game, top);
    if (!error.ok) {
        if (error.field < 0 || error.field > 4 || error.move < 0) std::abort();
        if (error.move > 0 && error.field != 0) std::abort();
        if (notationErrorText(error).empty()) std::abort();
        if (!game.moves.empty() || game.record.recordEnd != 0) std::abort();
        return 0;
    }
    ImportedGame again;
    const std::string written = formatGameText(game.start, game.moves, game.startMoveNumber);
    if (!parseGameText(written, again, top).ok) std::abort();
    if (!(again.start == game.start) || again.moves != game.moves) std::abort();
    if (again.startMoveNumber != game.startMoveNumber) std::abort();
    if (again.record.entries != game.record.entries || !(again.end == game.end)) std::abort();
    const int n = game.record.recordEnd;
    if (!(Position::fromRecord(game.start.Board, game.start.mover, game.record, n) == game.end))
        std::abort();
    return 0;
}
