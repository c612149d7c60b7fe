// Every test program runs without a display or a sound card: Qt draws
// offscreen and SDL plays into its dummy driver, unless the caller chose.
// Settings and saved games go to a private folder of the run, never into the
// user's own.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string gHome;

void removeHome() {
    std::error_code ec;
    if (!gHome.empty()) std::filesystem::remove_all(gHome, ec);
}

const bool kEnvironmentSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char pattern[] = "/tmp/zk_home_XXXXXX";
    if (mkdtemp(pattern)) {
        gHome = pattern;
        setenv("XDG_CONFIG_HOME", (gHome + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (gHome + "/data").c_str(), 1);
        std::atexit(removeHome);
    }
    return true;
}();

}  // namespace
