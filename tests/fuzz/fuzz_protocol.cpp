// Fuzzing the engine program's command readers: the input's lines go one by
// one to a USI session and to an XBoard session. Searches are handed to a
// runner that drops them, so what is fuzzed is the reading of every command,
// "go" included. Every answer is whole lines only; under USI a line draws at
// most one info string, and one that does changes neither the position nor
// the rules.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "usi.h"
#include "xboard.h"

namespace {

// Abort on an answer that is not a whole line of printable text.
void checkLines(const std::vector<std::string>& out) {
    for (const std::string& l : out)
        for (const char c : l)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) std::abort();
}

// The same lines as an XBoard interface would send them, from a new game.
void feedXboard(std::string_view text) {
    static std::vector<std::string> out;
    // A small table, as for USI: "new" empties it for every input.
    static zk::xboard::XboardSession session([](const std::string& line) { out.push_back(line); },
                                             2);
    session.setRunner([](const std::function<void()>&) {});
    for (const char* start : {"xboard", "new", "force"}) session.command(start);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        out.clear();
        const bool more = session.command(line);
        checkLines(out);
        if (!more) break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::vector<std::string> out;
    // One session for every input (an engine's tables are slow to set up
    // under the sanitizers), with a small table whose ceiling keeps a fuzzed
    // hash size small too; choosing the variant starts it afresh, and since
    // no search runs, what the table holds does not matter.
    static zk::usi::UsiSession session([](const std::string& line) { out.push_back(line); }, 2);
    session.setRunner([](const std::function<void()>&) {});
    session.command("setoption name USI_Variant value chushogi");
    std::string_view text(reinterpret_cast<const char*>(data), size);
    feedXboard(text);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        out.clear();
        const zk::Position before = session.position();
        const zk::RuleSet rules = session.rules();
        const bool more = session.command(line);
        checkLines(out);
        int infoStrings = 0;
        for (const std::string& l : out)
            if (l.rfind("info string ", 0) == 0) ++infoStrings;
        if (infoStrings > 1) std::abort();
        if (infoStrings == 1 && (!(session.position() == before) || session.rules() != rules))
            std::abort();
        if (!more) break;
    }
    return 0;
}
