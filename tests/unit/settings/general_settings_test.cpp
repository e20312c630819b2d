#include "settings/general_settings.h"

#include <gtest/gtest.h>
#include <string>

namespace nuvopick {
namespace {

// What an apply of the setup window's defaults puts in the general section: every
// key in the order of the window's pages, AppPath last.
const std::string kSavedSetupDefaults =
    "[]\r\n"
    "IsWait=1\r\n"
    "MoveLen=1\r\n"
    "WaitTime=100\r\n"
    "IsNoClickExe=0\r\n"
    "NoClickWait=3000\r\n"
    "IsExeBySingleClick=0\r\n"
    "IsOnly1Exe=0\r\n"
    "IsGatherFiles=1\r\n"
    "IsShowHintRel=1\r\n"
    "IsState=0\r\n"
    "IsRelOnExe=0\r\n"
    "RegScope=0\r\n"
    "IsShowHint=1\r\n"
    "IsUseSkin=0\r\n"
    "SkinPath=\r\n"
    "BackColor=15793151\r\n"
    "IsShowIcon=0\r\n"
    "Context_IsDecorate=1\r\n"
    "Context_DecorateText=■\r\n"
    "AutoExeType_NoClick=0\r\n"
    "IsUseSound=0\r\n"
    "IsUsersSound=0\r\n"
    "UserSoundPath=\r\n"
    "SoundMBType=OK\r\n"
    "DeactAction=0\r\n"
    "CommonAppInsertPos=1\r\n"
    "Font_Name=ＭＳ Ｐゴシック\r\n"
    "Font_Size=9\r\n"
    "Font_Color=-2147483640\r\n"
    "Font_CharSet=128\r\n"
    "Font_Style_Bold=0\r\n"
    "Font_Style_Italic=0\r\n"
    "Font_Style_UnderLine=0\r\n"
    "Font_Style_StrikeOut=0\r\n"
    "AppPath=C:\\表\\NuvoPick.exe\r\n"
    "\r\n";

TEST(GeneralSettings, AFileWithoutKeysGivesEachReaderItsDefaults) {
  const TIniFile empty;
  TIniFile saved;
  WriteGeneralSettings(saved, ReadGeneralSettings(empty, TSettingsReader::Setup),
                       "C:\\表\\NuvoPick.exe");
  EXPECT_EQ(saved.Serialize(), kSavedSetupDefaults);

  // The gate differs only in the font's face name and colour.
  TGeneralSettings gate = ReadGeneralSettings(empty, TSettingsReader::Gate);
  EXPECT_EQ(gate.Font_Name, "ＭＳ ゴシック");
  EXPECT_EQ(gate.Font_Color, 0);
  gate.Font_Name = "ＭＳ Ｐゴシック";
  gate.Font_Color = kSystemWindowTextColor;
  EXPECT_EQ(gate, ReadGeneralSettings(empty, TSettingsReader::Setup));
}

TEST(GeneralSettings, ASavedFileReadsBackTheSameForBothReaders) {
  TGeneralSettings s;
  s.IsWait = false;
  s.MoveLen = 50;
  s.WaitTime = 1000;
  s.IsNoClickExe = true;
  s.NoClickWait = 500;
  s.AutoExeType_NoClick = 1;
  s.DeactAction = 3;
  s.CommonAppInsertPos = 0;
  s.IsExeBySingleClick = true;
  s.IsOnly1Exe = true;
  s.IsGatherFiles = false;
  s.IsShowHintRel = false;
  s.IsState = true;
  s.IsRelOnExe = true;
  s.IsShowHint = false;
  s.IsUseSkin = true;
  s.SkinPath = "C:\\表\\skn\\skin.ini";
  s.BackColor = 0x800000;
  s.IsShowIcon = true;
  s.Context_IsDecorate = false;
  s.Context_DecorateText = "★";
  s.IsUseSound = true;
  s.IsUsersSound = true;
  s.UserSoundPath = "C:\\Windows\\Media\\ding.wav";
  s.SoundMBType = "ASTERISK";
  s.Font_Name = "メイリオ";
  s.Font_Size = 12;
  s.Font_Color = 0x000080;
  s.Font_CharSet = 0;
  s.Font_Style_Bold = true;
  s.Font_Style_Italic = true;
  s.Font_Style_UnderLine = true;
  s.Font_Style_StrikeOut = true;

  TIniFile ini;
  WriteGeneralSettings(ini, s, "C:\\NuvoPick\\NuvoPick.exe");
  const TIniFile reread = TIniFile::Parse(ini.Serialize());
  EXPECT_EQ(ReadGeneralSettings(reread, TSettingsReader::Gate), s);
  EXPECT_EQ(ReadGeneralSettings(reread, TSettingsReader::Setup), s);
  EXPECT_EQ(reread.ReadString("", "AppPath", ""), "C:\\NuvoPick\\NuvoPick.exe");
}

TEST(GeneralSettings, HandEditedValuesPassUncheckedExceptTheNoClickTarget) {
  const TIniFile ini = TIniFile::Parse(
      "[]\r\n"
      "movelen=0x10\r\n"       // other letter case, hexadecimal
      "WaitTime=abc\r\n"       // unreadable: default
      "NoClickWait=99999\r\n"  // outside the setup window's range: as stored
      "DeactAction=7\r\n"
      "CommonAppInsertPos=2\r\n"
      "IsShowHint=\r\n"  // empty Boolean: default
      "IsState=2\r\n"
      "AutoExeType_NoClick=5\r\n"
      "SoundMBType=ok\r\n");  // names are kept byte-exact
  const TGeneralSettings s = ReadGeneralSettings(ini, TSettingsReader::Setup);
  EXPECT_EQ(s.MoveLen, 16);
  EXPECT_EQ(s.WaitTime, 100);
  EXPECT_EQ(s.NoClickWait, 99999);
  EXPECT_EQ(s.DeactAction, 7);
  EXPECT_EQ(s.CommonAppInsertPos, 2);
  EXPECT_TRUE(s.IsShowHint);
  EXPECT_TRUE(s.IsState);
  EXPECT_EQ(s.AutoExeType_NoClick, 1);
  EXPECT_EQ(s.SoundMBType, "ok");

  const TIniFile below = TIniFile::Parse("[]\r\nAutoExeType_NoClick=-3\r\n");
  EXPECT_EQ(ReadGeneralSettings(below, TSettingsReader::Gate).AutoExeType_NoClick, 0);
}

TEST(GeneralSettings, GeneralKeysFollowTheExtensionSectionsWrittenBefore) {
  TIniFile ini;
  ini.WriteInteger("txt", "Count", 0);
  ini.WriteString(kGeneralSection, "AllExt", "txt|");
  WriteGeneralSettings(ini, TGeneralSettings(), "C:\\a.exe");
  ini.WriteInteger("<COMMON>", "Count", 0);
  const std::string bytes = ini.Serialize();
  const std::string head = "[txt]\r\nCount=0\r\n\r\n[]\r\nAllExt=txt|\r\nIsWait=1\r\n";
  const std::string tail =
      "Font_Style_StrikeOut=0\r\nAppPath=C:\\a.exe\r\n\r\n[<COMMON>]\r\nCount=0\r\n\r\n";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

}  // namespace
}  // namespace nuvopick
