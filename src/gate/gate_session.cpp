#include "gate/gate_session.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

#include "gate/gate_layout.h"
#include "gate/launch_request.h"
#include "identity/start_mode.h"
#include "model/ext_reg_names.h"
#include "settings/section_names.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"
#include "settings/sound_word.h"
#include "shell/registry_association.h"
#include "text/ansi_text.h"
#include "text/dbcs.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

// What the gate does when it loses activation; only the low byte of the setting counts.
enum TDeactAction {
  kDeactStay = 0,
  kDeactClose = 1,
  kDeactLaunchFirst = 2,
  kDeactLaunchSelected = 3
};

// A collector that has just launched gives its mark up; this start may then
// take the mark itself, or find that a third start was quicker.
constexpr int kGatherRounds = 3;

TListAppearance AppearanceOf(const TGeneralSettings& settings, const TDpiScale& dpi) {
  TListAppearance appearance;
  appearance.BackColor = settings.BackColor;
  appearance.FontName = settings.Font_Name;
  appearance.FontSize = settings.Font_Size;
  appearance.FontColor = settings.Font_Color;
  appearance.FontCharSet = settings.Font_CharSet;
  appearance.Bold = settings.Font_Style_Bold;
  appearance.Italic = settings.Font_Style_Italic;
  appearance.UnderLine = settings.Font_Style_UnderLine;
  appearance.StrikeOut = settings.Font_Style_StrikeOut;
  appearance.Dpi = dpi;
  return appearance;
}

// ExtName as the extension's class key names the program's type for it, when it
// does so in another letter case; ExtName itself otherwise.
std::string RegisteredExtName(const IClassStore& classStore, const std::string& extName) {
  const TExtRegNames names = ExtRegNamesFor(extName);
  const std::string type = classStore.ReadDefault(names.D).value_or(std::string());
  if (!IsProgramType(type) || !SameTextAscii(type, names.T)) return names.E;
  return type.substr(names.T.size() - names.E.size());
}

}  // namespace

TGateSession::TGateSession(const TGateServices& services, IGateView& view, std::string exePath,
                           std::u16string firstArgument)
    : services_(services),
      view_(view),
      exePath_(std::move(exePath)),
      firstArgument_(std::move(firstArgument)),
      gathered_(firstArgument_) {}

TGateSession::~TGateSession() {
  StopGathering();
}

void TGateSession::FormCreate() {
  const TStartMode mode = SelectStartMode(firstArgument_);
  if (mode == TStartMode::Setup) return;  // setup mode: this window stays hidden and inert

  const bool testForm = mode == TStartMode::TestForm;
  // An extension that the settings' code page cannot hold names no section:
  // the file counts as one without extension.
  const std::string extName =
      testForm ? std::string()
               : RemoveDot(NarrowAnsi(FileExtensionOf(firstArgument_)).value_or(std::string()));
  // The list reads its extension's section, the common entries and the general
  // keys, and passes over the rest: a heavy user's file holds thousands of sections.
  const TIniValues ini = LoadSettingsSections(services_.Files, SettingsPathFor(exePath_),
                                              {extName, kCommonSectionName, kGeneralSection});
  settings_ = ReadGeneralSettings(ini, TSettingsReader::Gate);
  if (!testForm && settings_.IsGatherFiles && !JoinOrCollect()) {
    // The file is in another start's list: nothing to show here.
    view_.Terminate();
    return;
  }

  TPoint before;
  TPoint after;
  if (testForm) {
    // The preview of the setup window: shown at once, whatever the pointer does.
    settings_.IsWait = false;
    settings_.MoveLen = 0;
    settings_.WaitTime = 0;
    before = services_.Pointer.CursorPos();
    ext_.Name.clear();
  } else {
    launched_ = false;
    before = services_.Pointer.CursorPos();
    if (settings_.IsWait) {
      WaitForPointer();
      after = services_.Pointer.CursorPos();
    }
    ext_.Name = extName;
  }

  if (PointerMoved(before, after)) {
    // The user was already on the way elsewhere: take the first entry unseen.
    LaunchFirstOwnEntry(ini);
    EndWithoutShowing();
    return;
  }

  ReadSoundName();

  if (testForm) {
    ext_.FillTestItems();
  } else {
    if (!LoadEntries(ini) || ext_.Apps.Count() == 0) {
      EndWithoutShowing();
      return;
    }
    if (ext_.Apps.Count() == 1 && settings_.IsOnly1Exe) {
      launched_ = true;
      if (PrepareEntry(0)) ExecuteEntry(ext_.Apps.Items(0));
      EndWithoutShowing();
      return;
    }
  }

  BuildRows();
  ShowWindow(before);
  // A timer without interval would never tick, so none is started for it.
  if (settings_.IsNoClickExe && settings_.NoClickWait > 0) {
    view_.StartTimer(static_cast<std::uint32_t>(settings_.NoClickWait));
  }
}

bool TGateSession::JoinOrCollect() {
  const std::u16string name = GatherMarkName(exePath_, firstArgument_);
  for (int round = 0; round < kGatherRounds; ++round) {
    if (services_.Gather.Claim(
            name, [this](const std::u16string& path) { return gathered_.Accept(path); })) {
      return true;
    }
    if (services_.Gather.HandOver(name, firstArgument_) == THandOver::Taken) return false;
  }
  return true;  // shown on its own, collecting nothing
}

// From a launch or a close on, later starts show their own lists.
void TGateSession::StopGathering() {
  gathered_.Close();
  services_.Gather.Release();
}

void TGateSession::EndWithoutShowing() {
  StopGathering();
  view_.Terminate();
}

void TGateSession::WaitForPointer() {
  // A hand-edited file may hold a negative time: that asks for no wait, not
  // for the bound.
  if (settings_.WaitTime <= 0) return;
  const std::uint32_t span =
      std::min(static_cast<std::uint32_t>(settings_.WaitTime), kMaxPointerWaitMs);
  const std::uint32_t start = services_.Clock.TickCount();
  for (;;) {
    // Unsigned subtraction: a wrap of the tick counter during the wait is harmless.
    const std::uint32_t elapsed = services_.Clock.TickCount() - start;
    if (elapsed >= span) return;
    services_.Clock.WaitFor(span - elapsed);
  }
}

bool TGateSession::PointerMoved(TPoint before, TPoint after) const {
  if (!settings_.IsWait) return false;
  const std::int64_t dx = std::llabs(std::int64_t{before.X} - after.X);
  const std::int64_t dy = std::llabs(std::int64_t{before.Y} - after.Y);
  return dx > settings_.MoveLen || dy > settings_.MoveLen;
}

void TGateSession::LaunchFirstOwnEntry(const TIniValues& ini) {
  // Only the extension's own first entry counts, stored or not; the common
  // entries are not read.
  ext_.LoadEntry(ini, 0);
  if (PrepareEntry(0)) {
    launched_ = true;
    ExecuteEntry(ext_.Apps.Items(0));
  }
}

bool TGateSession::LoadEntries(const TIniValues& ini) {
  TExtInfo common;
  common.Name = kCommonSectionName;
  try {
    const TClassStoreView classes = ShownClasses(services_.Hives);
    ext_.Load(ini, classes);
    common.Load(ini, classes);
  } catch (const TRegistryError&) {
    // A class store value of a wrong type: the gate shows no errors and ends.
    return false;
  }
  const bool above = (settings_.CommonAppInsertPos & 0xFF) == 0;
  for (int i = 0; i < common.Apps.Count(); ++i) {
    auto copy = std::make_unique<TExeInfo>();
    copy->Assign(common.Apps.Items(i));
    // Each one inserted at the top: above the extension's entries, last one first.
    if (above) {
      ext_.Apps.Insert(0, std::move(copy));
    } else {
      ext_.Apps.AddEntry(std::move(copy));
    }
  }
  return true;
}

void TGateSession::ReadSoundName() {
  if (!settings_.IsUseSound) return;
  soundName_ = settings_.IsUsersSound ? settings_.UserSoundPath : settings_.SoundMBType;
}

void TGateSession::BuildRows() {
  rows_.clear();
  for (int i = 0; i < ext_.Apps.Count(); ++i) {
    const TExeInfo& entry = ext_.Apps.Items(i);
    rows_.push_back(entry.Name + entry.ShortcutKey.ToListSuffix());
  }
  rows_.push_back(kCancelRowText);
  itemIndex_ = -1;
}

TSize TGateSession::PlainSize() {
  std::int32_t maxItemWidth = 0;
  for (const std::string& row : rows_) maxItemWidth = std::max(maxItemWidth, view_.TextWidth(row));
  return PlainGateSize(static_cast<int>(rows_.size()), view_.RowHeight(), maxItemWidth, icons_,
                       dpi_);
}

void TGateSession::ShowWindow(TPoint topLeft) {
  // Drawn at the DPI of the monitor it appears on, which need not be the primary one.
  dpi_ = services_.Pointer.DpiAt(topLeft);
  LayOut(topLeft);
  visible_ = true;
  if (settings_.IsShowIcon) FetchRowIcons();
  // Showing a window this way tells it nothing, so the sound goes with the
  // showing itself.
  FormShow();
}

void TGateSession::WindowDpiChanged(const TDpiScale& dpi, TPoint topLeft) {
  if (!Visible() || dpi == dpi_) return;
  dpi_ = dpi;
  LayOut(topLeft);
  if (itemIndex_ >= 0) view_.SelectRow(itemIndex_);
}

// The window is up already: the icons come as they can be had.
void TGateSession::FetchRowIcons() {
  std::vector<std::string> programs;
  for (int i = 0; i < ext_.Apps.Count(); ++i) programs.push_back(ext_.Apps.Items(i).AppPath);
  programs.emplace_back();  // the cancel row
  view_.FetchRowIcons(programs);
}

void TGateSession::LayOut(TPoint topLeft) {
  icons_ = settings_.IsShowIcon
               ? RowIconLayoutFor(SmallIconSizeAt(view_.SmallIconSize(dpi_), dpi_), dpi_)
               : TRowIconLayout();
  TListAppearance appearance = AppearanceOf(settings_, dpi_);
  appearance.Icons = icons_;
  view_.ApplyListAppearance(appearance);
  view_.SetRows(rows_);
  std::optional<TSize> size;
  if (settings_.IsUseSkin && services_.Files.FileExists(settings_.SkinPath)) {
    size = view_.ComposeSkinnedWindow(settings_.SkinPath);
  }
  if (!size) size = PlainSize();
  // Kept on the monitor under the pointer, not always the primary one.
  const TRect monitor = services_.Pointer.MonitorRectAt(topLeft);
  view_.ShowTopmost(PlaceOnMonitor(topLeft, *size, monitor));
}

void TGateSession::FormShow() {
  if (!Visible() || soundPlayed_) return;
  soundPlayed_ = true;
  if (!settings_.IsUseSound) return;
  ISound& sound = services_.Sound;
  if (settings_.IsUsersSound) {
    sound.PlayWaveFile(soundName_);
  } else {
    PlaySoundWord(sound, soundName_);
  }
}

void TGateSession::TimerTimer() {
  if (!Visible() || launched_) return;
  if (ext_.Apps.Count() > 0 && settings_.IsNoClickExe) {
    ExecuteAndClose(settings_.AutoExeType_NoClick == 0 ? 0 : itemIndex_);
  } else {
    Close();
  }
}

void TGateSession::ApplicationEventsDeactivate() {
  if (!Visible() || launched_) return;
  switch (settings_.DeactAction & 0xFF) {
    case kDeactClose:
      Close();
      break;
    case kDeactLaunchFirst:
      ExecuteAndClose(0);
      break;
    case kDeactLaunchSelected:
      ExecuteAndClose(itemIndex_ == -1 ? 0 : itemIndex_);
      break;
    default:
      break;  // the window stays open and topmost
  }
}

std::optional<TGateHint> TGateSession::ApplicationEventsShowHint() const {
  if (!Visible() || !settings_.IsShowHintRel) return std::nullopt;
  return TGateHint{GatheredFilesHint(gathered_.Files()), kGateHintHideTimeMs};
}

void TGateSession::ListBox_appsClick(int row) {
  if (!Visible()) return;
  itemIndex_ = row;
  if (settings_.IsExeBySingleClick) ExecuteSelected();
}

void TGateSession::ListBox_appsDblClick() {
  if (!Visible()) return;
  if (!settings_.IsExeBySingleClick) ExecuteSelected();
}

void TGateSession::ListBox_appsMouseUp(TMouseButton button) {
  // A right click closes even after a launch.
  if (button == TMouseButton::Right && visible_) Close();
}

bool TGateSession::ListBox_appsKeyDown(unsigned virtualKey, bool shift, bool alt, bool ctrl) {
  if (!Visible()) return false;
  const int row = FindShortcutEntry(ext_.Apps, virtualKey & 0xFF, shift, alt, ctrl);
  if (row < 0) return false;
  ExecuteRow(row);
  return true;
}

void TGateSession::ListBox_appsKeyUp(unsigned virtualKey) {
  if (!Visible()) return;
  if (virtualKey == kKeyEnter) {
    if (itemIndex_ != -1) ExecuteSelected();
  } else if (virtualKey == kKeyEscape) {
    itemIndex_ = static_cast<int>(rows_.size()) - 1;
    view_.SelectRow(itemIndex_);
    ExecuteSelected();
  }
}

bool TGateSession::IsEntryRow(int row) const {
  return row >= 0 && row < ext_.Apps.Count();
}

bool TGateSession::PrepareEntry(int index) {
  if (!IsEntryRow(index)) return false;
  TExeInfo& entry = ext_.Apps.Items(index);
  // Checked as stored: a quoted folder or one with variables does not count.
  // The opened file's folder takes its place at the launch; it may hold
  // characters that the entry's code page cannot.
  if (!services_.Files.DirectoryExists(entry.DirPath)) entry.DirPath.clear();
  return !entry.AppPath.empty();
}

bool TGateSession::ReleaseProgramFileAssociation() {
  try {
    // The registration may spell the extension otherwise than the opened file
    // ("EXE" for setup.exe): the record is taken as registered.
    // Reading only decides; the association is given back in whichever hive
    // holds it.
    const TClassStoreView classes = ShownClasses(services_.Hives);
    TExtInfo registered;
    registered.Name = RegisteredExtName(classes, ext_.Name);
    if (registered.GetRegState(classes).Contains(rlmdExe)) {
      TRegistryAssociation({services_.Hives, services_.Files, exePath_}).Release(registered);
    }
    return true;
  } catch (const TRegistryError&) {
    return false;
  }
}

bool TGateSession::ExecuteEntry(const TExeInfo& entry) {
  StopGathering();
  bool launched = true;
  for (const std::u16string& file : gathered_.Files()) {
    launched = ExecuteEntryFor(entry, file) && launched;
  }
  return launched;
}

bool TGateSession::ExecuteEntryFor(const TExeInfo& entry, const std::u16string& file) {
  const std::string systemDirectory = services_.System.SystemDirectory();
  if (IsProgramFile(file)) {
    // Starting a program whose extension still leads here would only bring the
    // gate back; when the association cannot be taken off, nothing is started.
    if (!ReleaseProgramFileAssociation()) return false;
    return services_.Shell.Execute(
        ProgramFileLaunchRequest(entry.IsUseCmdp, file, systemDirectory));
  }
  return services_.Shell.Execute(EntryLaunchRequest(entry, file, systemDirectory));
}

void TGateSession::ExecuteRow(int row) {
  if (launched_) return;
  ExecuteAndClose(row);
}

void TGateSession::ExecuteSelected() {
  ExecuteRow(itemIndex_);
}

void TGateSession::ExecuteAndClose(int index) {
  if (IsEntryRow(index) && PrepareEntry(index)) {
    // Set first: the new program's window takes the activation while the
    // request is still being sent, and that must not launch a second time.
    launched_ = true;
    ExecuteEntry(ext_.Apps.Items(index));
  }
  Close();
}

void TGateSession::Close() {
  if (closed_) return;
  closed_ = true;
  StopGathering();
  view_.Close();
}

}  // namespace nuvopick
