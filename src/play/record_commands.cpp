#include "record_commands.h"

namespace zk {

void CANCEL_Click(State&) {}
void REPLAY_Click(State&) {}
void AFTER_Click(State&) {}
void REVERSE_Click(State&) {}
void KIFU_READ_Click(State&) {}
void KIFU_WRITE_Click(State&) {}
void Command1_Click(State&) {}
void File1_Click(State&, const std::string&) {}
void Dir1_Change(State&) {}
void Drive1_Change(State&) {}
void BGM_Click(State&) {}

}  // namespace zk
