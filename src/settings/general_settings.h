// The general keys of the settings file (the section named ""): the gate window's
// behaviour, colours, font, skin and sound, and the setup window's own options.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/section_names.h"

namespace nuvopick {

// A colour with the high bit set names a system colour by its index.
inline constexpr std::int32_t kSystemWindowTextColor = static_cast<std::int32_t>(0x80000008u);
inline constexpr std::int32_t kDefaultBackColor = 0xF0FBFF;  // pale cream
inline constexpr std::int32_t kShiftJisCharSet = 128;

// The two readers take different font defaults, each from the list control it fills.
enum class TSettingsReader { Gate, Setup };

// Field names are the key names. A default-constructed value holds the gate
// window's defaults; DefaultGeneralSettings gives either reader's.
struct TGeneralSettings {
  bool IsWait = true;
  std::int32_t MoveLen = 1;
  std::int32_t WaitTime = 100;
  bool IsNoClickExe = false;
  std::int32_t NoClickWait = 3000;
  std::int32_t AutoExeType_NoClick = 0;  // 0 the first row, 1 the selected row
  std::int32_t DeactAction = 0;          // see kDeactActionCaptions
  std::int32_t CommonAppInsertPos = 1;   // 0 above the extension's entries, else below
  bool IsExeBySingleClick = false;
  bool IsOnly1Exe = false;
  // Files of one extension opened together (several selected, Enter) share one list.
  bool IsGatherFiles = true;
  bool IsShowHintRel = true;
  bool IsState = false;
  bool IsRelOnExe = false;
  std::int32_t RegScope = 0;  // see kRegScopeCaptions
  bool IsShowHint = true;
  bool IsUseSkin = false;
  std::string SkinPath;
  std::int32_t BackColor = kDefaultBackColor;
  // Each row of the gate's list shows its program's small icon.
  bool IsShowIcon = false;
  bool Context_IsDecorate = true;
  std::string Context_DecorateText = "■";
  bool IsUseSound = false;
  bool IsUsersSound = false;
  std::string UserSoundPath;
  std::string SoundMBType = "OK";
  std::string Font_Name = "ＭＳ ゴシック";
  std::int32_t Font_Size = 9;
  std::int32_t Font_Color = 0;
  std::int32_t Font_CharSet = kShiftJisCharSet;
  bool Font_Style_Bold = false;
  bool Font_Style_Italic = false;
  bool Font_Style_UnderLine = false;
  bool Font_Style_StrikeOut = false;

  bool operator==(const TGeneralSettings&) const = default;
};

TGeneralSettings DefaultGeneralSettings(TSettingsReader reader);

// Every key with the reader's default. AutoExeType_NoClick is clamped (to 0..1),
// and a RegScope other than 0 or 1 reads as 0; every other value is passed on
// as stored, out-of-range ones included.
TGeneralSettings ReadGeneralSettings(const TIniValues& ini, TSettingsReader reader);

// Writes every general key in the order of an apply, then AppPath (the running
// executable's path, kept for people reading the file; the program never reads it).
// The setup window's apply is the only caller.
void WriteGeneralSettings(TIniFile& ini, const TGeneralSettings& settings,
                          const std::string& appPath);

// Captions of the values as the setup window offers them, indexed by value.
inline constexpr std::array<std::string_view, 4> kDeactActionCaptions = {
    "終了せずにそのまま",
    "何もせず修了する",
    "リストの一番上の項目を実行して終了する",
    "リストの選択中の項目を実行して終了する",
};
inline constexpr std::array<std::string_view, 2> kCommonAppInsertPosCaptions = {
    "拡張子別項目の上側",
    "拡張子別項目の下側",
};
// Who the associations are made for: the current user only (in the user's own
// hive, no rights needed) or every user of the machine (administrator rights).
inline constexpr std::array<std::string_view, 2> kRegScopeCaptions = {
    "このユーザーのみ",
    "全てのユーザー",
};
inline constexpr std::array<std::string_view, 2> kAutoExeTypeCaptions = {
    "一番上",
    "選択中",
};

}  // namespace nuvopick
