#include "engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

namespace zk::bench {

namespace {

// Milliseconds on the monotonic clock.
long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

EngineProcess::~EngineProcess() { stop(0); }

// Pipes both ways, then the child replaces itself with the program.
bool EngineProcess::start(const std::vector<std::string>& argv) {
    if (argv.empty() || running()) return false;
    // A write to a child that has gone must fail as a write, not end this program.
    std::signal(SIGPIPE, SIG_IGN);
    int toChild[2], fromChild[2];
    // Close-on-exec from the start: another thread's child must not inherit them.
    if (pipe2(toChild, O_CLOEXEC) != 0) return false;
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        return false;
    }
    // Prepared before the fork: the child only calls async-signal-safe functions.
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) close(fd);
        return false;
    }
    if (pid == 0) {
        // dup2 clears close-on-exec on the copies the program keeps.
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    in_ = toChild[1];
    out_ = fromChild[0];
    pid_ = pid;
    buffer_.clear();
    return true;
}

// The whole line, however many writes it takes.
bool EngineProcess::writeLine(const std::string& line) {
    if (in_ < 0) return false;
    const std::string text = line + '\n';
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(in_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A line already buffered is returned at once; otherwise read what arrives
// until a newline, the deadline or the end of the child's output.
EngineProcess::Read EngineProcess::readLine(std::string& line, int timeoutMs) {
    const long long deadline = nowMs() + timeoutMs;
    for (;;) {
        const std::size_t eol = buffer_.find('\n');
        if (eol != std::string::npos) {
            line = buffer_.substr(0, eol);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            buffer_.erase(0, eol + 1);
            return Read::Line;
        }
        if (out_ < 0) return Read::Closed;
        int wait = -1;
        if (timeoutMs >= 0) {
            const long long left = deadline - nowMs();
            if (left <= 0) return Read::Timeout;
            wait = static_cast<int>(left);
        }
        pollfd p{out_, POLLIN, 0};
        const int r = poll(&p, 1, wait);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return Read::Closed;
        if (r == 0) return Read::Timeout;
        char chunk[4096];
        const ssize_t n = read(out_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // The end of its output: a last line without a newline still counts.
            close(out_);
            out_ = -1;
            if (buffer_.empty()) return Read::Closed;
            buffer_ += '\n';
            continue;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

// A polite end first (closed input), then SIGKILL; the child is always reaped.
void EngineProcess::stop(int graceMs) {
    if (in_ >= 0) close(in_);
    in_ = -1;
    if (pid_ > 0) {
        int status = 0;
        const long long deadline = nowMs() + graceMs;
        pid_t r = waitpid(pid_, &status, WNOHANG);
        while (r == 0 && nowMs() < deadline) {
            usleep(5000);
            r = waitpid(pid_, &status, WNOHANG);
        }
        if (r == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }
    if (out_ >= 0) close(out_);
    out_ = -1;
    buffer_.clear();
}

}  // namespace zk::bench
