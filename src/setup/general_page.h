// The page "一般" of the setup window: how the pick list waits for the pointer to
// rest, runs the only or the chosen entry without a click, and what it does when
// it loses the focus.
#pragma once

#include <functional>
#include <string>

#include "controls/static_controls.h"
#include "controls/toggles.h"
#include "controls/track_bar.h"
#include "settings/general_settings.h"

namespace nuvopick {

enum class TSwitchButton { Left, Right, Other };

class TGeneralPage {
 public:
  // Changed is called for every change of an option on the page.
  explicit TGeneralPage(std::function<void()> changed);
  TGeneralPage(const TGeneralPage&) = delete;
  TGeneralPage& operator=(const TGeneralPage&) = delete;

  void Load(const TGeneralSettings& settings);
  void Save(TGeneralSettings& settings) const;

  // The panel of the run without a click steps through its captions: forward
  // with the left button, back with the right one.
  void Panel_aet_noclickMouseDown(TSwitchButton button);

  TCheckBox CheckBox_iswait;
  TTrackBar TrackBar_movlen{1, 50, 1};
  TCaption Label_movlen{"1"};
  TTrackBar TrackBar_waittime{100, 1000, 100};
  TCaption Label_waittime{"100"};
  TCheckBox CheckBox_isnoclickexe;
  TTrackBar TrackBar_noclickwait{500, 10000, 500};
  TCaption Label_noclickwait{"500"};
  TCaption Panel_aet_noclick{std::string(kAutoExeTypeCaptions[0])};
  TCheckBox CheckBox_IsExeBySingleClick;
  TCheckBox CheckBox_isonly1exe;
  TCheckBox CheckBox_isshowhintrel;
  TCheckBox CheckBox_isgatherfiles;
  TRadioGroup RadioGroup_deact;
  TRadioGroup RadioGroup_caip;

 private:
  int AutoExeTypeIndex() const;

  std::function<void()> changed_;
};

}  // namespace nuvopick
