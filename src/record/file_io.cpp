#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace zk {

namespace {

// Close a descriptor on every way out of a function.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    int release() {
        int f = fd;
        fd = -1;
        return f;
    }
};

std::string directoryOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

ReadStatus readFileLimited(const std::string& path, std::size_t limit, std::string& out) {
    out.clear();
    Fd f{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (f.fd < 0) return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    struct stat st {};
    if (::fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode)) return ReadStatus::Unreadable;
    if (static_cast<unsigned long long>(st.st_size) > limit) return ReadStatus::TooLarge;

    // The size may change while we read: never take more than limit + 1 bytes.
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(f.fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            out.clear();
            return ReadStatus::Unreadable;
        }
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
        if (out.size() > limit) {
            out.clear();
            return ReadStatus::TooLarge;
        }
    }
    return ReadStatus::Ok;
}

int writeFileReplacing(const std::string& path, std::string_view bytes) {
    static unsigned counter = 0;
    const std::string dir = directoryOf(path);
    std::string temp;
    Fd f;
    for (int attempt = 0; attempt < 100 && f.fd < 0; ++attempt) {
        temp =
            dir + "/.zk-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
        f.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (f.fd < 0 && errno != EEXIST) return errno;
    }
    if (f.fd < 0) return EEXIST;

    int err = 0;
    // A replaced file keeps its mode: a file shared with the group stays so.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(f.fd, old.st_mode & 07777) != 0)
        err = errno;
    if (err == 0 && (!writeAll(f.fd, bytes) || ::fsync(f.fd) != 0)) err = errno;
    if (::close(f.release()) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(temp.c_str());
    return err;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    if (const int err = writeFileReplacing(path, bytes); err != 0) {
        error = writeFailureReason(err);
        return false;
    }
    error.clear();
    // The rename itself lasts only once the folder is on the disk.
    Fd dir{::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
    return true;
}

std::string writeFailureReason(int err) {
    switch (err) {
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return "ﾃﾞｨｽｸに空きがありません";
        case EACCES:
        case EPERM:
        case EROFS:
            return "書き込みが許可されていません";
        case ENAMETOOLONG:
            return "名前が長すぎます";
        case ENOENT:
        case ENOTDIR:
            return "ﾌｫﾙﾀﾞがありません";
        case EISDIR:
            return "同じ名前のﾌｫﾙﾀﾞがあります";
        default:
            return "";
    }
}

SaveTarget inspectSaveTarget(const std::string& path, std::string& target) {
    target = path;
    struct stat st {};
    // Anything else that stops a look is met again, and told, by the write.
    if (::lstat(path.c_str(), &st) != 0) return SaveTarget::Absent;
    if (S_ISLNK(st.st_mode)) {
        // Replacing the link's final target keeps the link and stays atomic.
        char* real = ::realpath(path.c_str(), nullptr);
        if (real == nullptr) return SaveTarget::BrokenLink;
        target = real;
        std::free(real);
        if (::stat(target.c_str(), &st) != 0) return SaveTarget::BrokenLink;
    }
    if (S_ISDIR(st.st_mode)) return SaveTarget::Directory;
    if (!S_ISREG(st.st_mode)) return SaveTarget::NotRegular;
    // No write bit at all means read-only, even to a user who could override it.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
        return SaveTarget::ReadOnly;
    return SaveTarget::Writable;
}

std::size_t maxFileNameBytes(const std::string& dir) {
    const long max = ::pathconf(dir.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : 255;
}

}  // namespace zk
