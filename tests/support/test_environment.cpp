// Every test program runs without a display or a sound card: Qt draws
// offscreen and SDL plays into its dummy driver, unless the caller chose.
#include <cstdlib>

namespace {
const bool kEnvironmentSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();
}  // namespace
