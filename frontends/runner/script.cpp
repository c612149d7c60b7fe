#include "script.h"

#include <climits>
#include <istream>
#include <ostream>
#include <sstream>

#include "analysis.h"
#include "clock_flow.h"
#include "draw.h"
#include "engine_turn.h"
#include "form1.h"
#include "game_analysis.h"
#include "record_commands.h"
#include "rule_choice.h"
#include "settings.h"
#include "share.h"

namespace zk {

namespace {

// Parse a piece code given as a whole number or with one decimal ("-18.1").
bool parseCode(const std::string& text, PieceCode& out) {
    std::istringstream in(text);
    double value = 0;
    if (!(in >> value) || !in.eof()) return false;
    const double tenths = value * 10.0;
    // Checked before the conversion: a huge value does not fit a long.
    if (!(tenths > -399.5 && tenths < 399.5)) return false;
    const long rounded =
        tenths < 0 ? static_cast<long>(tenths - 0.5) : static_cast<long>(tenths + 0.5);
    out = PieceCode::fromTenths(static_cast<int>(rounded));
    return true;
}

// Whether the middle of square (x, y) can be given in int twips.
bool squareInTwips(int x, int y) {
    const auto fits = [](std::int64_t v) { return v >= INT_MIN && v <= INT_MAX; };
    return fits(Screen::originX + std::int64_t{x} * Screen::squareWidth +
                Screen::squareWidth / 2) &&
           fits(Screen::originY + std::int64_t{y} * Screen::squareHeight +
                Screen::squareHeight / 2);
}

// The runner's 検討 pane stops at this many nodes unless a script says otherwise.
constexpr std::uint64_t kPaneNodes = 20000;

// The output of a script line that could not be run.
std::vector<std::string> errorLine(const std::string& text) { return {"error: " + text}; }

// A message box's line break shown as "\n", so that one transcript line
// stays one line of output.
std::string oneLine(std::string text) {
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.replace(at, 2, "\\n");
    return text;
}

}  // namespace

ScriptRunner::ScriptRunner() {
    s_.screen.ui = &ui_;
    ui_.onRecordChanged = [this] { analysisPositionChanged(s_); };
    // Bounded by nodes, so that a script's analysis is the same on every machine.
    setAnalysisBound(s_, {.depth = 20, .millis = 0, .nodes = kPaneNodes});
    Form_Load(s_);
    startup_ = ui_.takeTranscript();
}

std::vector<std::string> ScriptRunner::takeStartup() {
    std::vector<std::string> out;
    out.swap(startup_);
    return out;
}

int ScriptRunner::squareCentreX(int x) {
    return Screen::originX + x * Screen::squareWidth + Screen::squareWidth / 2;
}

int ScriptRunner::squareCentreY(int y) {
    return Screen::originY + y * Screen::squareHeight + Screen::squareHeight / 2;
}

void ScriptRunner::pressSquare(int x, int y) {
    Form_MouseDown(s_, 1, 0, squareCentreX(x), squareCentreY(y));
}

std::vector<std::string> ScriptRunner::execute(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    if (!(in >> command) || command[0] == '#') return {};
    if (ended()) return errorLine("the program has ended");

    std::vector<std::string> dump;
    std::string word;
    int a = 0, b = 0;
    if (command == "menu") {
        if (!(in >> word)) return errorLine("menu needs a control name");
        if (!runMenuCommand(s_, word)) return errorLine("no menu command " + word);
    } else if (command == "press" || command == "click") {
        if (!(in >> a >> b)) return errorLine(command + " needs two numbers");
        int button = 1;
        in >> button;
        if (command == "press" && !squareInTwips(a, b))
            return errorLine("press needs a square whose middle is within the twips range");
        if (command == "press")
            pressSquare(a, b);
        else
            Form_MouseDown(s_, button, 0, a, b);
    } else if (command == "key") {
        if (!(in >> a)) return errorLine("key needs a character code");
        Form_KeyPress(s_, a);
    } else if (command == "answer") {
        int count = 0;
        while (in >> word) {
            if (word == "yes")
                ui_.answers.push_back(MsgAnswer::Yes);
            else if (word == "no")
                ui_.answers.push_back(MsgAnswer::No);
            else
                return errorLine("answer takes yes or no");
            ++count;
        }
        if (count == 0) return errorLine("answer needs yes or no");
    } else if (command == "board") {
        dump = boardDump();
    } else if (command == "screen") {
        dump = screenDump();
    } else if (command == "record") {
        dump = recordDump();
    } else if (command == "moves") {
        dump = movesDump();
    } else if (command == "analyse-game") {
        // Runs to its end: the headless platform searches each position at once.
        std::uint64_t nodes = kGameAnalysisNodes;
        if (in >> word) {
            try {
                nodes = std::stoull(word);
            } catch (...) {
                return errorLine("analyse-game needs a node count");
            }
        }
        棋譜解析開始(s_, nodes);
    } else if (command == "graph") {
        棋譜解析追従(s_);
        dump = graphDump();
    } else if (command == "marks") {
        dump = marksDump();
    } else if (command == "goto") {
        if (!(in >> a)) return errorLine("goto needs a move number");
        棋譜_手へ(s_, a);
    } else if (command == "filename") {
        if (!(in >> word)) return errorLine("filename needs a file name");
        ui_.fileNames.push_back(word);
    } else if (command == "state") {
        dump = stateDump();
    } else if (command == "seed") {
        std::uint64_t seed = 0;
        if (!(in >> seed)) return errorLine("seed needs a number");
        rng_ = seed * 0x9E3779B97F4A7C15ULL + 1;
    } else if (command == "random-move") {
        dump = randomMove();
    } else if (command == "put") {
        if (!(in >> a >> b >> word)) return errorLine("put needs x y code");
        PieceCode c;
        if (a < 1 || a > 12 || b < 1 || b > 12 || !parseCode(word, c))
            return errorLine("put needs a square 1..12 and a piece code");
        s_.game.Board[a][b] = c;
        描画_桝(s_.screen, a, b);
        if (!c.isEmpty()) 描画_駒(s_.screen, c, a, b);
    } else if (command == "clear-board") {
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                s_.game.Board[x][y] = code::EMPTY;
                描画_桝(s_.screen, x, y);
            }
    } else if (command == "advance") {
        double seconds = 0;
        if (!(in >> seconds) || !(seconds >= 0 && seconds <= 1e6))
            return errorLine("advance needs a number of seconds");
        ui_.advance(seconds);
    } else if (command == "clock") {
        // "clock MAIN BYOYOMI INCREMENT" (minutes, seconds, seconds) chooses
        // the times as the menus do; "clock" alone shows both clocks.
        int main = 0, byoyomi = 0, increment = 0;
        if (in >> main) {
            if (!(in >> byoyomi >> increment) || main < 0 || byoyomi < 0 || increment < 0)
                return errorLine("clock needs minutes, byoyomi and increment seconds");
            s_.clocks.chosen = {main * 60, byoyomi, byoyomi > 0 ? 0 : increment};
            書込_環境設定ファイル(s_);
        } else {
            dump = {時計_表示テキスト(s_)};
        }
    } else if (command == "resign") {
        TOURYOU_Click(s_);
    } else if (command == "unload") {
        Form_Unload(s_);
    } else if (command == "reload") {
        Form_Load(s_);
    } else if (command == "file") {
        if (!(in >> word)) return errorLine("file needs a file name");
        File1_Click(s_, word);
    } else if (command == "save") {
        if (!(in >> word)) word.clear();
        ui_.setNameInputText(word);
        Command1_Click(s_);
    } else if (command == "engine") {
        std::uint64_t nodes = 0;
        if (!(in >> word) || word != "nodes" || !(in >> nodes))
            return errorLine("engine needs nodes and a number");
        思考ノード数設定(s_, nodes);
    } else if (command == "analyse") {
        // "analyse on [NODES]" opens the 検討 pane, "analyse off" closes it.
        std::uint64_t nodes = kPaneNodes;
        if (!(in >> word) || (word != "on" && word != "off"))
            return errorLine("analyse needs on or off");
        if (std::uint64_t given = 0; word == "on" && in >> given) {
            if (given == 0) return errorLine("analyse on needs a positive node count");
            nodes = given;
        }
        if (word == "on") {
            setAnalysisBound(s_, {.depth = 20, .millis = 0, .nodes = nodes});
            startAnalysis(s_);
        } else {
            stopAnalysis(s_);
        }
    } else if (command == "analysis") {
        const AnalysisReport* r = latestAnalysis(s_);
        dump = {r ? "analysis " + analysisLine(*r) : std::string("analysis none")};
    } else if (command == "rules") {
        // The menu's rule choice, by name: a fresh board of that rule set.
        if (!(in >> word) || (word != "standard" && word != "zenkoru"))
            return errorLine("rules needs standard or zenkoru");
        if (word == "standard")
            RULE_STD_Click(s_);
        else
            RULE_ZK_Click(s_);
    } else if (command == "path") {
        if (!(in >> word)) return errorLine("path needs a directory");
        if (!ui_.setDirListPath(word)) return errorLine("no directory " + word);
        Dir1_Change(s_);
    } else {
        return errorLine("unknown command " + command);
    }
    // What the handler left to the event loop (a search's result) runs now,
    // so that a line's output is whole.
    ui_.runPosted();
    std::vector<std::string> out = ui_.takeTranscript();
    out.insert(out.end(), dump.begin(), dump.end());
    return out;
}

int ScriptRunner::run(std::istream& in, std::ostream& out) {
    int bad = 0;
    for (const auto& l : takeStartup()) out << oneLine(l) << '\n';
    std::string line;
    while (!ended() && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream probe(line);
        std::string first;
        if (!(probe >> first) || first[0] == '#') continue;
        out << "> " << line << '\n';
        for (const auto& l : execute(line)) {
            if (l.rfind("error: ", 0) == 0) ++bad;
            out << oneLine(l) << '\n';
        }
    }
    return bad;
}

}  // namespace zk
