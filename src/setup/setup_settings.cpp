#include "setup/setup_settings.h"

namespace nuvopick {

void WriteSetupGeneralSettings(TIniFile& ini, const TGeneralSettings& s,
                               const std::string& appPath) {
  const std::string g = kGeneralSection;
  ini.WriteBool(g, "IsWait", s.IsWait);
  ini.WriteInteger(g, "MoveLen", s.MoveLen);
  ini.WriteInteger(g, "WaitTime", s.WaitTime);
  ini.WriteBool(g, "IsNoClickExe", s.IsNoClickExe);
  ini.WriteInteger(g, "NoClickWait", s.NoClickWait);
  ini.WriteBool(g, "IsExeBySingleClick", s.IsExeBySingleClick);
  ini.WriteBool(g, "IsOnly1Exe", s.IsOnly1Exe);
  ini.WriteBool(g, "IsShowHintRel", s.IsShowHintRel);
  ini.WriteBool(g, "IsState", s.IsState);
  ini.WriteBool(g, "IsRelOnExe", s.IsRelOnExe);
  ini.WriteInteger(g, "RegScope", s.RegScope);
  ini.WriteBool(g, "IsShowHint", s.IsShowHint);
  ini.WriteBool(g, "IsUseSkin", s.IsUseSkin);
  ini.WriteString(g, "SkinPath", s.SkinPath);
  ini.WriteInteger(g, "BackColor", s.BackColor);
  ini.WriteBool(g, "Context_IsDecorate", s.Context_IsDecorate);
  ini.WriteString(g, "Context_DecorateText", s.Context_DecorateText);
  ini.WriteInteger(g, "AutoExeType_NoClick", s.AutoExeType_NoClick);
  ini.WriteBool(g, "IsUseSound", s.IsUseSound);
  ini.WriteBool(g, "IsUsersSound", s.IsUsersSound);
  ini.WriteString(g, "UserSoundPath", s.UserSoundPath);
  ini.WriteString(g, "SoundMBType", s.SoundMBType);
  ini.WriteInteger(g, "DeactAction", s.DeactAction);
  ini.WriteInteger(g, "CommonAppInsertPos", s.CommonAppInsertPos);
  ini.WriteString(g, "Font_Name", s.Font_Name);
  ini.WriteInteger(g, "Font_Size", s.Font_Size);
  ini.WriteInteger(g, "Font_Color", s.Font_Color);
  ini.WriteInteger(g, "Font_CharSet", s.Font_CharSet);
  ini.WriteBool(g, "Font_Style_Bold", s.Font_Style_Bold);
  ini.WriteBool(g, "Font_Style_Italic", s.Font_Style_Italic);
  ini.WriteBool(g, "Font_Style_UnderLine", s.Font_Style_UnderLine);
  ini.WriteBool(g, "Font_Style_StrikeOut", s.Font_Style_StrikeOut);
  ini.WriteString(g, "AppPath", appPath);
}

}  // namespace nuvopick
