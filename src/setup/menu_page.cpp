#include "setup/menu_page.h"

#include <utility>

namespace nuvopick {

TMenuPage::TMenuPage(std::function<void()> changed) {
  CheckBox_context_isdecorate.OnClick = changed;
  Edit_context_decorate.OnChange = std::move(changed);
}

void TMenuPage::Load(const TGeneralSettings& s) {
  CheckBox_context_isdecorate.SetChecked(s.Context_IsDecorate);
  Edit_context_decorate.SetText(s.Context_DecorateText);
}

void TMenuPage::Save(TGeneralSettings& s) const {
  s.Context_IsDecorate = CheckBox_context_isdecorate.Checked();
  s.Context_DecorateText = Edit_context_decorate.Text();
}

std::string TMenuPage::DecorationText() const {
  return CheckBox_context_isdecorate.Checked() ? Edit_context_decorate.Text() : std::string();
}

}  // namespace nuvopick
