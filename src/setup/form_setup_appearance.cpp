// The page "外観・サウンド" of the setup window: browsing for the skin and the
// wave file, the test run of the saved skin, editing the skin file, the colour
// and font of the plain list, and trying the sound the page shows.
#include <optional>
#include <string>

#include "identity/program_identity.h"
#include "identity/start_mode.h"
#include "settings/sound_word.h"
#include "setup/form_setup.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

constexpr char kTestSkinOffText[] = "「スキンを使用する」にチェックを入れてください";
constexpr char kTestNoSkinText[] = "スキンファイルが見つかりません";
constexpr char kTestUnsavedText[] = "適用ボタンを押して設定を保存してからテストしてください";
constexpr char kSoundFilter[] = "wavファイル(*.wav)|*.wav";
constexpr char kEditor[] = "notepad.exe";
constexpr char kSkinFolder[] = "skn";

}  // namespace

void TForm_setup::BindAppearanceHandlers() {
  Button_skinpath.OnClick = [this] { Button_skinpathClick(); };
  Button_wintest.OnClick = [this] { Button_wintestClick(); };
  Button_winedit.OnClick = [this] { Button_wineditClick(); };
  Button_font.OnClick = [this] { Button_fontClick(); };
  Button_fontcolor.OnClick = [this] { Button_fontcolorClick(); };
  Button_color.OnClick = [this] { Button_colorClick(); };
  Button_sound_user.OnClick = [this] { Button_sound_userClick(); };
  Button_sound_try.OnClick = [this] { Button_sound_tryClick(); };
}

std::string TForm_setup::ProgramDir() const {
  return ParentDir(exePath_);
}

// The folder the box names, or the folder of the file it names, when that
// folder exists; otherwise the program's folder.
std::string TForm_setup::BrowseStartDir(const TEdit& box) const {
  const std::string& text = box.Text();
  if (!text.empty()) {
    if (services_.Files.DirectoryExists(text)) return text;
    const std::string folder = ParentDir(text);
    if (!folder.empty() && services_.Files.DirectoryExists(folder)) return folder;
  }
  return ProgramDir();
}

void TForm_setup::Button_skinpathClick() {
  // A skin file may have any name: no filter.
  const std::optional<std::string> path =
      services_.Dialogs.OpenFile("", BrowseStartDir(Edit_skinpath));
  if (path) Edit_skinpath.SetText(*path);
}

void TForm_setup::Button_sound_userClick() {
  const std::optional<std::string> path =
      services_.Dialogs.OpenFile(kSoundFilter, BrowseStartDir(Edit_soundpath));
  if (path) Edit_soundpath.SetText(*path);
}

// The test copy reads the settings file, not this window: it can show only
// what has been saved.
void TForm_setup::Button_wintestClick() {
  const char* refusal = nullptr;
  if (!CheckBox_isuseskin.Checked()) {
    refusal = kTestSkinOffText;
  } else if (!services_.Files.FileExists(Edit_skinpath.Text())) {
    refusal = kTestNoSkinText;
  } else if (HasUnsavedChanges()) {
    refusal = kTestUnsavedText;
  }
  if (refusal != nullptr) {
    services_.Messages.Show(
        {refusal, kApplicationTitle, TMessageButtons::Ok, TMessageIcon::Warning, true});
    return;
  }
  services_.Shell.Execute({"", exePath_, kTestFormArgument, ProgramDir(), kShowNormal, true});
}

// A missing Notepad shows nothing: the shell is asked to start it quietly.
void TForm_setup::Button_wineditClick() {
  const std::string& path = Edit_skinpath.Text();
  if (services_.Files.FileExists(path)) {
    services_.Shell.Execute({"", kEditor, path, ParentDir(path), kShowNormal, true});
    return;
  }
  // A new skin is best begun beside the sample skins.
  const std::string skinFolder = JoinPath(ProgramDir(), kSkinFolder);
  const std::string folder =
      services_.Files.DirectoryExists(skinFolder) ? skinFolder : ProgramDir();
  services_.Shell.Execute({"", kEditor, "", folder, kShowNormal, true});
}

void TForm_setup::Button_colorClick() {
  const std::optional<std::int32_t> color =
      services_.Choose.PickColor(ListBox_fontandcolor.Color());
  if (!color || *color == ListBox_fontandcolor.Color()) return;
  ListBox_fontandcolor.SetColor(*color);
  EnableApply();
}

void TForm_setup::Button_fontcolorClick() {
  TFont font = ListBox_fontandcolor.Font();
  const std::optional<std::int32_t> color = services_.Choose.PickColor(font.Color);
  if (!color || *color == font.Color) return;
  font.Color = *color;
  ListBox_fontandcolor.SetFont(font);
  EnableApply();
}

// The font colour has a button of its own: a colour picked in the font dialog
// is not taken.
void TForm_setup::Button_fontClick() {
  const TFont& sample = ListBox_fontandcolor.Font();
  std::optional<TFont> font = services_.Choose.PickFont(sample);
  if (!font) return;
  font->Color = sample.Color;
  if (*font == sample) return;
  ListBox_fontandcolor.SetFont(*font);
  EnableApply();
}

// Plays what the page shows, saved or not, and whether sound is on or not.
void TForm_setup::Button_sound_tryClick() {
  ISound& sound = services_.Sound;
  if (RadioButton_sound_user.Checked()) {
    sound.PlayWaveFile(Edit_soundpath.Text());
    return;
  }
  PlaySoundWord(sound, SettingsFromControls().SoundMBType);
}

}  // namespace nuvopick
