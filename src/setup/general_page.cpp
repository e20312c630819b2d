#include "setup/general_page.h"

#include <utility>

#include "setup/caption_list.h"
#include "text/text_helpers.h"

namespace nuvopick {

TGeneralPage::TGeneralPage(std::function<void()> changed)
    : RadioGroup_deact(CaptionList(kDeactActionCaptions)),
      RadioGroup_caip(CaptionList(kCommonAppInsertPosCaptions)),
      changed_(std::move(changed)) {
  const auto notify = [this] { changed_(); };
  for (TCheckBox* box :
       {&CheckBox_iswait, &CheckBox_isnoclickexe, &CheckBox_isonly1exe, &CheckBox_isshowhintrel,
        &CheckBox_IsExeBySingleClick, &CheckBox_isgatherfiles}) {
    box->OnClick = notify;
  }
  RadioGroup_deact.OnClick = notify;
  RadioGroup_caip.OnClick = notify;

  // A slider shows its position in its label.
  const auto follow = [this](TTrackBar& bar, TCaption& label) {
    bar.OnChange = [this, &bar, &label] {
      label.SetText(std::to_string(bar.Position()));
      changed_();
    };
  };
  follow(TrackBar_movlen, Label_movlen);
  follow(TrackBar_waittime, Label_waittime);
  follow(TrackBar_noclickwait, Label_noclickwait);
}

void TGeneralPage::Load(const TGeneralSettings& s) {
  CheckBox_iswait.SetChecked(s.IsWait);
  TrackBar_movlen.SetPosition(s.MoveLen);
  TrackBar_waittime.SetPosition(s.WaitTime);
  CheckBox_isnoclickexe.SetChecked(s.IsNoClickExe);
  TrackBar_noclickwait.SetPosition(s.NoClickWait);
  CheckBox_IsExeBySingleClick.SetChecked(s.IsExeBySingleClick);
  CheckBox_isonly1exe.SetChecked(s.IsOnly1Exe);
  CheckBox_isshowhintrel.SetChecked(s.IsShowHintRel);
  CheckBox_isgatherfiles.SetChecked(s.IsGatherFiles);
  Panel_aet_noclick.SetText(std::string(kAutoExeTypeCaptions[Clamp01(s.AutoExeType_NoClick)]));
  // The gate keeps only the low byte of DeactAction; the page offers 0 to 3.
  const int deact = s.DeactAction & 0xFF;
  RadioGroup_deact.SetItemIndex(deact <= 3 ? deact : 0);
  const int caip = s.CommonAppInsertPos;
  RadioGroup_caip.SetItemIndex(caip == 0 || caip == 1 ? caip : 0);
}

void TGeneralPage::Save(TGeneralSettings& s) const {
  s.IsWait = CheckBox_iswait.Checked();
  s.MoveLen = TrackBar_movlen.Position();
  s.WaitTime = TrackBar_waittime.Position();
  s.IsNoClickExe = CheckBox_isnoclickexe.Checked();
  s.NoClickWait = TrackBar_noclickwait.Position();
  s.IsExeBySingleClick = CheckBox_IsExeBySingleClick.Checked();
  s.IsOnly1Exe = CheckBox_isonly1exe.Checked();
  s.IsShowHintRel = CheckBox_isshowhintrel.Checked();
  s.IsGatherFiles = CheckBox_isgatherfiles.Checked();
  s.AutoExeType_NoClick = AutoExeTypeIndex();
  s.DeactAction = RadioGroup_deact.ItemIndex() < 4 ? RadioGroup_deact.ItemIndex() : 0;
  s.CommonAppInsertPos = RadioGroup_caip.ItemIndex() < 2 ? RadioGroup_caip.ItemIndex() : 0;
}

int TGeneralPage::AutoExeTypeIndex() const {
  return Clamp01(IndexOfText(Panel_aet_noclick.Text(), CaptionList(kAutoExeTypeCaptions)));
}

void TGeneralPage::Panel_aet_noclickMouseDown(TSwitchButton button) {
  const int count = static_cast<int>(kAutoExeTypeCaptions.size());
  int index = AutoExeTypeIndex();
  if (button == TSwitchButton::Left) index = (index + 1) % count;
  if (button == TSwitchButton::Right) index = (index + count - 1) % count;
  Panel_aet_noclick.SetText(std::string(kAutoExeTypeCaptions[static_cast<std::size_t>(index)]));
  changed_();
}

}  // namespace nuvopick
