// The page "設定モード" of the setup window: staying resident in the tray,
// associating only while setup mode runs, whose associations are written, and
// the hints.
#pragma once

#include <functional>

#include "controls/toggles.h"
#include "platform/registry_hive.h"
#include "settings/general_settings.h"

namespace nuvopick {

class TSetupModePage {
 public:
  // Changed is called for every change of an option on the page but the
  // resident one, which calls ResidentChanged instead.
  TSetupModePage(std::function<void()> changed, std::function<void()> residentChanged);
  TSetupModePage(const TSetupModePage&) = delete;
  TSetupModePage& operator=(const TSetupModePage&) = delete;

  void Load(const TGeneralSettings& settings);
  void Save(TGeneralSettings& settings) const;
  // The scope the page shows: after a load the saved one, and an apply saves the
  // page before it writes the registry.
  TRegScope RegScope() const;

  TCheckBox CheckBox_isstate;
  TCheckBox CheckBox_isrelonexe;
  TRadioGroup RadioGroup_regscope;
  TCheckBox CheckBox_isshowhint;
};

}  // namespace nuvopick
