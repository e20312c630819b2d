// The page "外観・サウンド" of the setup window: the skin and its test run and
// editing, the colour and font of the plain list, and the sound with its trial.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "controls/edit_ex.h"
#include "controls/static_controls.h"
#include "controls/toggles.h"
#include "platform/choose_dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/shell_execute.h"
#include "platform/sound.h"
#include "settings/general_settings.h"
#include "settings/sound_word.h"

namespace nuvopick {

// What the page works with.
struct TAppearancePageServices {
  IFileSystem& Files;
  IFileDialogs& Dialogs;
  IMessageBox& Messages;
  IShellExecute& Shell;
  ISound& Sound;
  IChooseDialogs& Choose;
  // The running executable's full path: the test run starts it, and the sample
  // skins lie beside it.
  std::string ExePath;
  // Called for every change of an option on the page.
  std::function<void()> Changed;
  // Whether the window has changes that are not saved yet.
  std::function<bool()> HasUnsavedChanges;
};

class TAppearancePage {
 public:
  explicit TAppearancePage(TAppearancePageServices services);
  TAppearancePage(const TAppearancePage&) = delete;
  TAppearancePage& operator=(const TAppearancePage&) = delete;

  void Load(const TGeneralSettings& settings);
  void Save(TGeneralSettings& settings) const;

  void Button_skinpathClick();
  void Button_wintestClick();
  void Button_wineditClick();
  void Button_fontClick();
  void Button_fontcolorClick();
  void Button_colorClick();
  void Button_sound_userClick();
  void Button_sound_tryClick();

  TCheckBox CheckBox_isuseskin;
  TEdit Edit_skinpath;
  TButton Button_skinpath{"..."};
  TButton Button_wintest{"Test"};
  TButton Button_winedit{"Edit"};
  TButton Button_font{"フォント"};
  TButton Button_fontcolor{"色"};
  TButton Button_color{"背景色"};
  TSampleList ListBox_fontandcolor;
  TCheckBox CheckBox_isshowicon;
  TCheckBox CheckBox_isusesound;
  TRadioButton RadioButton_sound_user;
  TRadioButton RadioButton_sound_mb;
  TEdit Edit_soundpath;
  TButton Button_sound_user{"..."};
  TButton Button_sound_try{"試聴"};
  TRadioButton RadioButton_sound_mb_ok;
  TRadioButton RadioButton_sound_mb_ih;
  TRadioButton RadioButton_sound_mb_iq;
  TRadioButton RadioButton_sound_mb_ie;
  TRadioButton RadioButton_sound_mb_ia;
  TRadioButton RadioButton_sound_mb_beep;
  // The six system-sound buttons in the order of kSoundMBTypes.
  std::array<TRadioButton*, 6> SoundMBButtons();
  std::array<const TRadioButton*, 6> SoundMBButtons() const;

 private:
  void BindHandlers();
  // The system sound the page shows.
  std::string SoundMBType() const;
  // The folder of the running executable.
  std::string ProgramDir() const;
  // Where the open dialog for the path in Box starts.
  std::string BrowseStartDir(const TEdit& box) const;

  TAppearancePageServices services_;
};

}  // namespace nuvopick
