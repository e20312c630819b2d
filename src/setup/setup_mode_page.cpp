#include "setup/setup_mode_page.h"

#include <utility>

#include "setup/caption_list.h"

namespace nuvopick {

TSetupModePage::TSetupModePage(std::function<void()> changed, std::function<void()> residentChanged)
    : RadioGroup_regscope(CaptionList(kRegScopeCaptions)) {
  CheckBox_isstate.OnClick = std::move(residentChanged);
  CheckBox_isrelonexe.OnClick = changed;
  CheckBox_isshowhint.OnClick = changed;
  RadioGroup_regscope.OnClick = std::move(changed);
}

void TSetupModePage::Load(const TGeneralSettings& s) {
  CheckBox_isstate.SetChecked(s.IsState);
  CheckBox_isrelonexe.SetChecked(s.IsRelOnExe);
  CheckBox_isshowhint.SetChecked(s.IsShowHint);
  RadioGroup_regscope.SetItemIndex(s.RegScope == 1 ? 1 : 0);
}

void TSetupModePage::Save(TGeneralSettings& s) const {
  s.IsState = CheckBox_isstate.Checked();
  s.IsRelOnExe = CheckBox_isrelonexe.Checked();
  s.IsShowHint = CheckBox_isshowhint.Checked();
  s.RegScope = RadioGroup_regscope.ItemIndex() == 1 ? 1 : 0;
}

TRegScope TSetupModePage::RegScope() const {
  return RadioGroup_regscope.ItemIndex() == 1 ? TRegScope::AllUsers : TRegScope::CurrentUser;
}

}  // namespace nuvopick
