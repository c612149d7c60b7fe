// Fuzzing the record file reader: any bytes are either refused with a line
// number or read into entries that write back in the fixed columns and read
// back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zk;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RecordFileContent content;
    const RecordFileError error = parseRecordFile(bytes, content);
    if (!error.ok()) {
        if (error.kind != RecordFileError::Kind::TooLarge && error.line < 1) std::abort();
        return 0;
    }

    GameRecord record;
    const int n = static_cast<int>(content.entries.size());
    for (int i = 0; i < n; ++i) {
        if (!entryFitsFile(content.entries[i])) std::abort();
        if (formatEntry(content.entries[i]).size() != 17) std::abort();
        record.slot(i + 1) = content.entries[i];
    }
    record.recordEnd = n;

    RecordFileContent again;
    if (!parseRecordFile(formatRecordFile(record, n), again).ok()) std::abort();
    if (again.entries != content.entries) std::abort();
    return 0;
}
