#include "settings_file.h"

#include <sys/stat.h>

#include <filesystem>

#include "file_io.h"

namespace zk {

namespace {

constexpr const char* kSettingsFile = "Zenkoru.ini";

// A Zenkoru.ini in the current folder is kept where it is (people keep one
// beside their records); otherwise the file lives in the platform's settings
// folder, made when it is missing.
std::string settingsPath(const std::string& folder) {
    struct stat st {};
    if (folder.empty() || ::lstat(kSettingsFile, &st) == 0) return kSettingsFile;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder + "/" + kSettingsFile;
}

}  // namespace

SettingsValues readSettingsFile(const std::string& folder) {
    std::string bytes;
    std::optional<SettingsValues> values;
    const std::string path = settingsPath(folder);
    if (readFileLimited(path, kMaxSettingsBytes, bytes) == ReadStatus::Ok)
        values = parseSettings(bytes);
    if (!values) {
        values = SettingsValues{};
        writeFileReplacing(path, formatSettings(*values));
    }
    return *values;
}

void writeSettingsFile(const std::string& folder, const SettingsValues& v) {
    writeFileReplacing(settingsPath(folder), formatSettings(v));
}

}  // namespace zk
