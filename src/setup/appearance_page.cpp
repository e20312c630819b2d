#include "setup/appearance_page.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "identity/program_identity.h"
#include "identity/start_mode.h"
#include "settings/sound_word.h"
#include "text/ansi_text.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

constexpr char kTestSkinOffText[] = "「スキンを使用する」にチェックを入れてください";
constexpr char kTestNoSkinText[] = "スキンファイルが見つかりません";
constexpr char kTestUnsavedText[] = "適用ボタンを押して設定を保存してからテストしてください";
constexpr char kSoundFilter[] = "wavファイル(*.wav)|*.wav";
constexpr char16_t kEditor[] = u"notepad.exe";
constexpr char kSkinFolder[] = "skn";

const std::vector<std::string> kSampleLines = {"色見本", "0123456789", "ABCDabcd"};

TFont FontOf(const TGeneralSettings& s) {
  return {s.Font_Name,       s.Font_Size,         s.Font_Color,           s.Font_CharSet & 0xFF,
          s.Font_Style_Bold, s.Font_Style_Italic, s.Font_Style_UnderLine, s.Font_Style_StrikeOut};
}

}  // namespace

TAppearancePage::TAppearancePage(TAppearancePageServices services)
    : ListBox_fontandcolor(kSampleLines, kDefaultBackColor,
                           FontOf(DefaultGeneralSettings(TSettingsReader::Setup))),
      services_(std::move(services)) {
  TRadioButton::Group({&RadioButton_sound_user, &RadioButton_sound_mb});
  TRadioButton::Group({&RadioButton_sound_mb_ok, &RadioButton_sound_mb_ih, &RadioButton_sound_mb_iq,
                       &RadioButton_sound_mb_ie, &RadioButton_sound_mb_ia,
                       &RadioButton_sound_mb_beep});
  BindHandlers();
}

void TAppearancePage::Load(const TGeneralSettings& s) {
  CheckBox_isuseskin.SetChecked(s.IsUseSkin);
  Edit_skinpath.SetText(s.SkinPath);
  ListBox_fontandcolor.SetColor(s.BackColor);
  CheckBox_isshowicon.SetChecked(s.IsShowIcon);
  CheckBox_isusesound.SetChecked(s.IsUseSound);
  if (s.IsUsersSound) {
    RadioButton_sound_user.SetChecked(true);
  } else {
    RadioButton_sound_mb.SetChecked(true);
  }
  Edit_soundpath.SetText(s.UserSoundPath);
  SoundMBButtons()[IndexOf(SoundWordOf(s.SoundMBType))]->SetChecked(true);
  ListBox_fontandcolor.SetFont(FontOf(s));
}

void TAppearancePage::Save(TGeneralSettings& s) const {
  s.IsUseSkin = CheckBox_isuseskin.Checked();
  s.SkinPath = Edit_skinpath.Text();
  s.BackColor = ListBox_fontandcolor.Color();
  s.IsShowIcon = CheckBox_isshowicon.Checked();
  s.IsUseSound = CheckBox_isusesound.Checked();
  s.IsUsersSound = RadioButton_sound_user.Checked();
  s.UserSoundPath = Edit_soundpath.Text();
  s.SoundMBType = SoundMBType();
  const TFont& font = ListBox_fontandcolor.Font();
  s.Font_Name = font.Name;
  s.Font_Size = font.Size;
  s.Font_Color = font.Color;
  s.Font_CharSet = font.CharSet;
  s.Font_Style_Bold = font.Bold;
  s.Font_Style_Italic = font.Italic;
  s.Font_Style_UnderLine = font.UnderLine;
  s.Font_Style_StrikeOut = font.StrikeOut;
}

namespace {
template <class Page>
auto SoundMBButtonsOf(Page& page) {
  return std::array{&page.RadioButton_sound_mb_ok, &page.RadioButton_sound_mb_ih,
                    &page.RadioButton_sound_mb_iq, &page.RadioButton_sound_mb_ie,
                    &page.RadioButton_sound_mb_ia, &page.RadioButton_sound_mb_beep};
}
}  // namespace

std::array<TRadioButton*, 6> TAppearancePage::SoundMBButtons() {
  return SoundMBButtonsOf(*this);
}

std::array<const TRadioButton*, 6> TAppearancePage::SoundMBButtons() const {
  return SoundMBButtonsOf(*this);
}

std::string TAppearancePage::SoundMBType() const {
  const auto buttons = SoundMBButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->Checked()) return std::string(kSoundMBTypes[i].Name);
  }
  return std::string(kSoundMBTypes[0].Name);
}

void TAppearancePage::BindHandlers() {
  const auto changed = [this] { services_.Changed(); };
  CheckBox_isuseskin.OnClick = changed;
  CheckBox_isusesound.OnClick = changed;
  CheckBox_isshowicon.OnClick = changed;
  for (TRadioButton* button : {&RadioButton_sound_user, &RadioButton_sound_mb}) {
    button->OnClick = changed;
  }
  for (TRadioButton* button : SoundMBButtons()) button->OnClick = changed;
  Edit_skinpath.OnChange = changed;
  Edit_soundpath.OnChange = changed;
  Button_skinpath.OnClick = [this] { Button_skinpathClick(); };
  Button_wintest.OnClick = [this] { Button_wintestClick(); };
  Button_winedit.OnClick = [this] { Button_wineditClick(); };
  Button_font.OnClick = [this] { Button_fontClick(); };
  Button_fontcolor.OnClick = [this] { Button_fontcolorClick(); };
  Button_color.OnClick = [this] { Button_colorClick(); };
  Button_sound_user.OnClick = [this] { Button_sound_userClick(); };
  Button_sound_try.OnClick = [this] { Button_sound_tryClick(); };
}

std::string TAppearancePage::ProgramDir() const {
  return ParentDir(services_.ExePath);
}

// The folder the box names, or the folder of the file it names, when that
// folder exists; otherwise the program's folder.
std::string TAppearancePage::BrowseStartDir(const TEdit& box) const {
  const std::string& text = box.Text();
  if (!text.empty()) {
    if (services_.Files.DirectoryExists(text)) return text;
    const std::string folder = ParentDir(text);
    if (!folder.empty() && services_.Files.DirectoryExists(folder)) return folder;
  }
  return ProgramDir();
}

void TAppearancePage::Button_skinpathClick() {
  // A skin file may have any name: no filter.
  const std::optional<std::string> path =
      services_.Dialogs.OpenFile("", BrowseStartDir(Edit_skinpath));
  if (path) Edit_skinpath.SetText(*path);
}

void TAppearancePage::Button_sound_userClick() {
  const std::optional<std::string> path =
      services_.Dialogs.OpenFile(kSoundFilter, BrowseStartDir(Edit_soundpath));
  if (path) Edit_soundpath.SetText(*path);
}

// The test copy reads the settings file, not this window: it can show only
// what has been saved.
void TAppearancePage::Button_wintestClick() {
  const char* refusal = nullptr;
  if (!CheckBox_isuseskin.Checked()) {
    refusal = kTestSkinOffText;
  } else if (!services_.Files.FileExists(Edit_skinpath.Text())) {
    refusal = kTestNoSkinText;
  } else if (services_.HasUnsavedChanges()) {
    refusal = kTestUnsavedText;
  }
  if (refusal != nullptr) {
    services_.Messages.Show(
        {refusal, kApplicationTitle, TMessageButtons::Ok, TMessageIcon::Warning, true});
    return;
  }
  services_.Shell.Execute({u"", WidenAnsi(services_.ExePath), kTestFormArgument,
                           WidenAnsi(ProgramDir()), kShowNormal, true});
}

// A missing Notepad shows nothing: the shell is asked to start it quietly.
void TAppearancePage::Button_wineditClick() {
  const std::string& path = Edit_skinpath.Text();
  if (services_.Files.FileExists(path)) {
    services_.Shell.Execute(
        {u"", kEditor, WidenAnsi(path), WidenAnsi(ParentDir(path)), kShowNormal, true});
    return;
  }
  // A new skin is best begun beside the sample skins.
  const std::string skinFolder = JoinPath(ProgramDir(), kSkinFolder);
  const std::string folder =
      services_.Files.DirectoryExists(skinFolder) ? skinFolder : ProgramDir();
  services_.Shell.Execute({u"", kEditor, u"", WidenAnsi(folder), kShowNormal, true});
}

void TAppearancePage::Button_colorClick() {
  const std::optional<std::int32_t> color =
      services_.Choose.PickColor(ListBox_fontandcolor.Color());
  if (!color || *color == ListBox_fontandcolor.Color()) return;
  ListBox_fontandcolor.SetColor(*color);
  services_.Changed();
}

void TAppearancePage::Button_fontcolorClick() {
  TFont font = ListBox_fontandcolor.Font();
  const std::optional<std::int32_t> color = services_.Choose.PickColor(font.Color);
  if (!color || *color == font.Color) return;
  font.Color = *color;
  ListBox_fontandcolor.SetFont(font);
  services_.Changed();
}

// The font colour has a button of its own: a colour picked in the font dialog
// is not taken.
void TAppearancePage::Button_fontClick() {
  const TFont& sample = ListBox_fontandcolor.Font();
  std::optional<TFont> font = services_.Choose.PickFont(sample);
  if (!font) return;
  font->Color = sample.Color;
  if (*font == sample) return;
  ListBox_fontandcolor.SetFont(*font);
  services_.Changed();
}

// Plays what the page shows, saved or not, and whether sound is on or not.
void TAppearancePage::Button_sound_tryClick() {
  ISound& sound = services_.Sound;
  if (RadioButton_sound_user.Checked()) {
    sound.PlayWaveFile(Edit_soundpath.Text());
    return;
  }
  PlaySoundWord(sound, SoundMBType());
}

}  // namespace nuvopick
