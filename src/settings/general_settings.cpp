#include "settings/general_settings.h"

#include <algorithm>

namespace nuvopick {
namespace {

// Every general key with its field, in the order in which an apply writes them:
// the order of the setup window's pages (the behaviour switches, the setup-mode
// options right after IsShowHintRel, the skin, colour and decoration, the
// automatic-run target, the sound, the two radio groups, the font). One list for
// reading and writing, so the two can never disagree on a name. Readers do not
// care about the order; people comparing files written by the program do.
template <class Settings, class Visitor>
void VisitKeys(Settings& s, Visitor&& visit) {
  visit("IsWait", s.IsWait);
  visit("MoveLen", s.MoveLen);
  visit("WaitTime", s.WaitTime);
  visit("IsNoClickExe", s.IsNoClickExe);
  visit("NoClickWait", s.NoClickWait);
  visit("IsExeBySingleClick", s.IsExeBySingleClick);
  visit("IsOnly1Exe", s.IsOnly1Exe);
  visit("IsGatherFiles", s.IsGatherFiles);
  visit("IsShowHintRel", s.IsShowHintRel);
  visit("IsState", s.IsState);
  visit("IsRelOnExe", s.IsRelOnExe);
  visit("RegScope", s.RegScope);
  visit("IsShowHint", s.IsShowHint);
  visit("IsUseSkin", s.IsUseSkin);
  visit("SkinPath", s.SkinPath);
  visit("BackColor", s.BackColor);
  visit("IsShowIcon", s.IsShowIcon);
  visit("Context_IsDecorate", s.Context_IsDecorate);
  visit("Context_DecorateText", s.Context_DecorateText);
  visit("AutoExeType_NoClick", s.AutoExeType_NoClick);
  visit("IsUseSound", s.IsUseSound);
  visit("IsUsersSound", s.IsUsersSound);
  visit("UserSoundPath", s.UserSoundPath);
  visit("SoundMBType", s.SoundMBType);
  visit("DeactAction", s.DeactAction);
  visit("CommonAppInsertPos", s.CommonAppInsertPos);
  visit("Font_Name", s.Font_Name);
  visit("Font_Size", s.Font_Size);
  visit("Font_Color", s.Font_Color);
  visit("Font_CharSet", s.Font_CharSet);
  visit("Font_Style_Bold", s.Font_Style_Bold);
  visit("Font_Style_Italic", s.Font_Style_Italic);
  visit("Font_Style_UnderLine", s.Font_Style_UnderLine);
  visit("Font_Style_StrikeOut", s.Font_Style_StrikeOut);
}

void ReadKey(const TIniValues& ini, const char* key, bool& field) {
  field = ini.ReadBool(kGeneralSection, key, field);
}
void ReadKey(const TIniValues& ini, const char* key, std::int32_t& field) {
  field = ini.ReadInteger(kGeneralSection, key, field);
}
void ReadKey(const TIniValues& ini, const char* key, std::string& field) {
  field = ini.ReadString(kGeneralSection, key, field);
}

void WriteKey(TIniFile& ini, const char* key, bool field) {
  ini.WriteBool(kGeneralSection, key, field);
}
void WriteKey(TIniFile& ini, const char* key, std::int32_t field) {
  ini.WriteInteger(kGeneralSection, key, field);
}
void WriteKey(TIniFile& ini, const char* key, const std::string& field) {
  ini.WriteString(kGeneralSection, key, field);
}

}  // namespace

TGeneralSettings DefaultGeneralSettings(TSettingsReader reader) {
  TGeneralSettings settings;
  if (reader == TSettingsReader::Setup) {
    settings.Font_Name = "ＭＳ Ｐゴシック";
    settings.Font_Color = kSystemWindowTextColor;
  }
  return settings;
}

TGeneralSettings ReadGeneralSettings(const TIniValues& ini, TSettingsReader reader) {
  // Each field starts at its default, which the read keeps when the key is
  // missing or unreadable.
  TGeneralSettings settings = DefaultGeneralSettings(reader);
  VisitKeys(settings, [&ini](const char* key, auto& field) { ReadKey(ini, key, field); });
  settings.AutoExeType_NoClick = std::clamp<std::int32_t>(settings.AutoExeType_NoClick, 0, 1);
  // Writing for every user is asked for explicitly, never by a stray value.
  if (settings.RegScope != 1) settings.RegScope = 0;
  return settings;
}

void WriteGeneralSettings(TIniFile& ini, const TGeneralSettings& settings,
                          const std::string& appPath) {
  VisitKeys(settings, [&ini](const char* key, const auto& field) { WriteKey(ini, key, field); });
  ini.WriteString(kGeneralSection, "AppPath", appPath);
}

}  // namespace nuvopick
