// zenkoru-engine: the engine as a USI program on stdin and stdout, or an
// XBoard one when the first line is "xboard". Commands are read on the main
// thread; a search runs on a thread of its own so that "stop" and "quit" (or
// XBoard's "?") are heard while it thinks.
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

#include "usi.h"
#include "xboard.h"

namespace {

// A line as read, without the carriage return a Windows interface sends.
bool readLine(std::string& line) {
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// The XBoard session: every line waits for the engine's move but those that
// end its thinking.
int runXboard() {
    std::mutex outMutex;
    zk::xboard::XboardSession session([&outMutex](const std::string& line) {
        std::lock_guard<std::mutex> lock(outMutex);
        std::cout << line << '\n' << std::flush;
    });
    std::thread searcher;
    session.setRunner([&searcher](std::function<void()> search) {
        if (searcher.joinable()) searcher.join();
        searcher = std::thread(std::move(search));
    });
    for (std::string line; readLine(line);) {
        if (session.interrupt(line) && searcher.joinable()) searcher.join();
        if (!session.command(line)) break;
    }
    session.interrupt("quit");
    if (searcher.joinable()) searcher.join();
    return 0;
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    std::string first;
    const bool more = readLine(first);
    if (more && first.substr(0, first.find_last_not_of(" \t") + 1) == "xboard") return runXboard();
    std::mutex outMutex;
    zk::usi::UsiSession session([&outMutex](const std::string& line) {
        std::lock_guard<std::mutex> lock(outMutex);
        std::cout << line << '\n' << std::flush;
    });
    std::thread searcher;
    // One search at a time: a new "go" waits for the last one to answer.
    session.setRunner([&searcher](std::function<void()> search) {
        if (searcher.joinable()) searcher.join();
        searcher = std::thread(std::move(search));
    });
    bool reading = more;
    for (std::string line = first; reading; reading = readLine(line)) {
        // Only stop, quit and isready are answered while a search runs; the
        // rest wait for its bestmove (a game that ends stops it first).
        if (line == "gameover" || line.rfind("gameover ", 0) == 0) session.stop();
        if (line != "stop" && line != "quit" && line != "isready" && searcher.joinable())
            searcher.join();
        if (!session.command(line)) break;
    }
    session.stop();
    if (searcher.joinable()) searcher.join();
    return 0;
}
