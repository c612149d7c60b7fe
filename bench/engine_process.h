// Another program run as a child with its standard input and output on pipes:
// lines written to it, lines read from it with a timeout, and its end. POSIX
// only (fork, execvp, poll); standard error is left to the terminal.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace zk::bench {

class EngineProcess {
public:
    enum class Read { Line, Timeout, Closed };

    EngineProcess() = default;
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Start `argv` (argv[0] looked up on PATH). False when the pipes or the
    // fork fail; a program that cannot be run shows as closed output.
    bool start(const std::vector<std::string>& argv);
    // Write `line` and a newline. False when the child no longer reads.
    bool writeLine(const std::string& line);
    // The next line (without its newline) within `timeoutMs` milliseconds
    // (negative: wait for ever).
    Read readLine(std::string& line, int timeoutMs);
    // Close its input, give it `graceMs` to leave, then kill it; reap it.
    void stop(int graceMs = 500);
    bool running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    int in_ = -1;         // the child's standard input, written here
    int out_ = -1;        // the child's standard output, read here
    std::string buffer_;  // read but not yet returned: a line split across reads
};

}  // namespace zk::bench
