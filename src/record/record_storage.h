// Saving the game record to a "*.棋譜" file and loading one for replay: the
// checks, the file work and the text of every refusal. The play layer asks,
// shows the boxes and draws around these.
#pragma once

#include <string>

#include "game.h"
#include "record_file.h"

namespace zk {

// A save the RETURN button asked for, checked.
struct RecordSave {
    bool named = false;     // a name was typed (blanks alone are none)
    std::string refusal;    // why the save may not be made; "" when it may
    int end = 0;            // entries 1..end are written
    std::string fileName;   // the typed name and ".棋譜"
    std::string target;     // the path to write: a link's target in its place
    bool replaces = false;  // a writable file of that name is there already
};

// Check a save of `r` under the typed name in the directory `dir`. Names the
// file list could not show again are refused, and so is an existing file
// that is not a writable regular file.
RecordSave planRecordSave(const GameRecord& r, const std::string& typedName,
                          const std::string& dir);
// Write `text` for a save that was not refused: "" when it is written, else
// why not. A failed write leaves any earlier file whole.
std::string writeRecordSave(const RecordSave& save, const std::string& text);

// Read and check the file `fileName` in `dir` whole: "" when it is a record
// with entries, else why it is refused.
std::string readRecordFile(const std::string& dir, const std::string& fileName,
                           RecordFileContent& out);

// The file's entries as the game record, none of them on the board yet:
// record mode on, move 0, and the text an automatic save compares with.
void recordFromFile(Game& s, const RecordFileContent& content);

}  // namespace zk
