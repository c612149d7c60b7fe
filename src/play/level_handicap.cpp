#include "level_handicap.h"

namespace zk {

void LEVEL1_Click(State&) {}
void LEVEL2_Click(State&) {}
void LEVEL3_Click(State&) {}
void LBEL_UP_Click(State&) {}
void LEBEL_DOWN_Click(State&) {}

}  // namespace zk
