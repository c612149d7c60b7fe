// zenkoru-engine: the engine as a USI program on stdin and stdout, or an
// XBoard one when the first line is "xboard". Commands are read on the main
// thread; a search runs on a thread of its own so that "stop" and "quit" (or
// XBoard's "?") are heard while it thinks.
#include <functional>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

#include "usi.h"
#include "xboard.h"

namespace {

std::mutex outMutex;

// One output line, whole, whichever thread writes it.
void writeLine(const std::string& line) {
    std::lock_guard<std::mutex> lock(outMutex);
    std::cout << line << '\n' << std::flush;
}

// A line as read, without the carriage return a Windows interface sends.
bool readLine(std::string& line) {
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// The searches of a session, one at a time on a thread of their own: a new
// one waits for the last to answer.
struct Searcher {
    std::thread thread;
    std::function<void(std::function<void()>)> runner() {
        return [this](std::function<void()> search) {
            join();
            thread = std::thread(std::move(search));
        };
    }
    void join() {
        if (thread.joinable()) thread.join();
    }
};

// The XBoard session: every line waits for the engine's move but those that
// end its thinking.
int runXboard() {
    zk::xboard::XboardSession session(writeLine);
    Searcher searcher;
    session.setRunner(searcher.runner());
    for (std::string line; readLine(line);) {
        if (session.interrupt(line)) searcher.join();
        if (!session.command(line)) break;
    }
    session.interrupt("quit");
    searcher.join();
    return 0;
}

// The USI session, from its first line.
int runUsi(std::string line, bool reading) {
    zk::usi::UsiSession session(writeLine);
    Searcher searcher;
    session.setRunner(searcher.runner());
    for (; reading; reading = readLine(line)) {
        // Only stop, quit and isready are answered while a search runs; the
        // rest wait for its bestmove (a game that ends stops it first).
        if (line == "gameover" || line.rfind("gameover ", 0) == 0) session.stop();
        if (line != "stop" && line != "quit" && line != "isready") searcher.join();
        if (!session.command(line)) break;
    }
    session.stop();
    searcher.join();
    return 0;
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    // Reading a command must not flush the output: the searcher's bestmove,
    // written under the lock, would otherwise go out twice.
    std::cin.tie(nullptr);
    std::string first;
    const bool more = readLine(first);
    if (more && first.substr(0, first.find_last_not_of(" \t") + 1) == "xboard") return runXboard();
    return runUsi(first, more);
}
