// The labels beside the two move-report lines that name the sides.
#pragma once

#include <string>

#include "state.h"

namespace zk {

// Against the computer: "COM:" above, "MAN:" below.
void 描画_対COM名札(State& s);
// Two humans: `upper` beside the top side's line, `lower` beside the bottom's.
void 描画_対人名札(State& s, const std::string& upper, const std::string& lower);

}  // namespace zk
