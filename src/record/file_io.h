// Whole-file reads with a size limit and whole-file writes that never leave a
// half-written file behind: the bytes go to a temporary file in the same
// directory, which is then renamed over the old one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zk {

enum class ReadStatus { Ok, Missing, Unreadable, TooLarge };

// Read a regular file whole into `out`, refusing one larger than `limit`
// bytes without reading past the limit. Devices, pipes and directories are
// Unreadable (a pipe would block the only thread).
ReadStatus readFileLimited(const std::string& path, std::size_t limit, std::string& out);

// Replace `path` by `bytes`. Returns 0, or the errno of the step that failed;
// the old file is then untouched and no temporary file is left. A file that
// is replaced keeps its permission bits.
int writeFileReplacing(const std::string& path, std::string_view bytes);

// Replace `path` by `bytes` through a temporary file in the same folder that
// is synced and renamed over it, then sync the folder, so that a crash leaves
// either the old file or the new one. On failure `error` says why in the
// user's words ("" when there is nothing useful to say) and the
// old file is untouched.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// Why a write failed, in the user's words, or "" for an unusual error.
std::string writeFailureReason(int err);

// What a save would replace at `path`. A symbolic link is followed to its
// final target, which `target` then names; otherwise `target` is `path`.
enum class SaveTarget { Absent, Writable, ReadOnly, Directory, NotRegular, BrokenLink };
SaveTarget inspectSaveTarget(const std::string& path, std::string& target);

// The longest file name, in bytes, that the file system of `dir` allows.
std::size_t maxFileNameBytes(const std::string& dir);

}  // namespace zk
