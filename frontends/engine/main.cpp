// zenkoru-engine: the engine as a USI program on stdin and stdout. Commands
// are read on the main thread; a search runs on a thread of its own so that
// "stop" and "quit" are heard while it thinks.
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

#include "usi.h"

int main() {
    std::ios::sync_with_stdio(false);
    // Reading a command must not flush the output: the searcher's bestmove,
    // written under the lock, would otherwise go out twice.
    std::cin.tie(nullptr);
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
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
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
