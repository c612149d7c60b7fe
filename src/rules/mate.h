// Mate and escape tests. Each leaves Board as it found it; 詰めかCOM_王 and
// 詰めかCOM_太 leave the MAN maps of the last capture they tried.
#pragma once

#include "state.h"

namespace zk {

int 詰めかMAN(State& s);
int 詰めかCOM(State& s);
int 詰めかMAN_王(State& s);
int 詰めかMAN_太(State& s);
int 詰めかCOM_王(State& s);
int 詰めかCOM_太(State& s);
int 詰めかMAN_COM王移動(State& s);
int 詰めかMAN_COM太移動(State& s);
// Safe empty squares next to the human king; marks them in kingEscapeMap.
int 調査_自王逃道(State& s);

}  // namespace zk
