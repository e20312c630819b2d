// The general keys as the setup window writes them on apply.
#pragma once

#include <string>

#include "settings/general_settings.h"
#include "settings/ini_file.h"

namespace nuvopick {

// Writes every general key, AppPath last. The setup window writes them in the
// order of its pages: the behaviour switches, then the setup-mode options right
// after IsShowHintRel, the skin, colour and decoration, the automatic-run target,
// the sound, the two radio groups and the font. Readers do not care about the
// order; people comparing files written by the program do.
void WriteSetupGeneralSettings(TIniFile& ini, const TGeneralSettings& settings,
                               const std::string& appPath);

}  // namespace nuvopick
