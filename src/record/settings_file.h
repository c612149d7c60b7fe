// The settings file "Zenkoru.ini" on disk: where it lives, reading it and
// writing it. The play layer puts the values on the menu.
#pragma once

#include <string>

#include "settings_format.h"

namespace zk {

// The options in the settings file. `folder` is the platform's settings
// folder ("": the current folder). A missing, unreadable, oversized or broken
// file is replaced by the defaults (guidance off, music on); when even that
// cannot be written the defaults simply apply.
SettingsValues readSettingsFile(const std::string& folder);
// Rewrite the settings file. A failed write leaves it as it was.
void writeSettingsFile(const std::string& folder, const SettingsValues& v);

}  // namespace zk
