// The page "コンテキストメニュー" of the setup window: the text put before the
// entries' verbs in the file's context menu.
#pragma once

#include <functional>
#include <string>

#include "controls/edit_ex.h"
#include "controls/toggles.h"
#include "settings/general_settings.h"

namespace nuvopick {

class TMenuPage {
 public:
  // Changed is called for every change of an option on the page.
  explicit TMenuPage(std::function<void()> changed);
  TMenuPage(const TMenuPage&) = delete;
  TMenuPage& operator=(const TMenuPage&) = delete;

  void Load(const TGeneralSettings& settings);
  void Save(TGeneralSettings& settings) const;
  // The text put before the context-menu verbs: empty when decoration is off.
  std::string DecorationText() const;

  TCheckBox CheckBox_context_isdecorate;
  TEdit Edit_context_decorate;
};

}  // namespace nuvopick
