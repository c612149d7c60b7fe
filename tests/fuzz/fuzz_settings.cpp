// Fuzzing the settings reader: any bytes either fall back to the defaults or
// give the four settings, which write back to a file reading the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zk;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto values = parseSettings(bytes);
    if (!values) return 0;
    const auto again = parseSettings(formatSettings(*values));
    if (!again || *again != *values) std::abort();
    return 0;
}
