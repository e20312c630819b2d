// A gate session on test doubles: the settings file is arranged through an
// in-memory ini, the window is a recording view.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gate/gate_session.h"
#include "settings/ini_file.h"
#include "settings/settings_path.h"
#include "support/fixed_system_info.h"
#include "support/memory_file_system.h"
#include "support/memory_registry.h"
#include "support/recording_shell_execute.h"
#include "support/recording_sound.h"
#include "support/scripted_clock.h"
#include "support/scripted_pointer.h"
#include "support/shared_gather_board.h"
#include "text/ansi_text.h"

namespace nuvopick::testing {

// The window as the session drives it: what it was told, nothing more.
class RecordingGateView : public IGateView {
 public:
  std::optional<TListAppearance> appearance;
  std::vector<std::string> rows;
  std::int32_t rowHeight = 12;
  // Each byte of a row text is this wide.
  std::int32_t charWidth = 6;
  std::optional<TSize> skinSize;
  // The system's small icon side per DPI; none known by default.
  std::int32_t smallIconSize = 0;
  std::vector<std::vector<std::string>> iconFetches;
  std::vector<std::string> composedSkins;
  std::optional<TRect> shownAt;
  std::optional<std::uint32_t> timerInterval;
  std::vector<int> selectedRows;
  int closes = 0;
  int terminates = 0;

  void ApplyListAppearance(const TListAppearance& value) override { appearance = value; }
  void SetRows(const std::vector<std::string>& value) override { rows = value; }
  std::int32_t SmallIconSize(const TDpiScale&) override { return smallIconSize; }
  void FetchRowIcons(const std::vector<std::string>& programs) override {
    iconFetches.push_back(programs);
  }
  std::int32_t TextWidth(const std::string& text) override {
    return static_cast<std::int32_t>(text.size()) * charWidth;
  }
  std::int32_t RowHeight() override { return rowHeight; }
  std::optional<TSize> ComposeSkinnedWindow(const std::string& skinPath) override {
    composedSkins.push_back(skinPath);
    return skinSize;
  }
  void ShowTopmost(const TRect& bounds) override { shownAt = bounds; }
  void StartTimer(std::uint32_t intervalMs) override { timerInterval = intervalMs; }
  void SelectRow(int row) override { selectedRows.push_back(row); }
  void Close() override { ++closes; }
  void Terminate() override { ++terminates; }
};

// One entry as a test writes it: {name, program, template, folder, key, ...}.
struct StoredEntry {
  StoredEntry(std::string name, std::string appPath = "C:\\Tools\\ed.exe", std::string param = "%1",
              std::string dirPath = "", TShortcutKey key = {}, bool useCmdp = false,
              int showCmd = 1)
      : name(std::move(name)),
        appPath(std::move(appPath)),
        param(std::move(param)),
        dirPath(std::move(dirPath)),
        key(key),
        useCmdp(useCmdp),
        showCmd(showCmd) {}

  std::string name;
  std::string appPath;
  std::string param;
  std::string dirPath;
  TShortcutKey key;
  bool useCmdp;
  int showCmd;
};

inline constexpr char kExePath[] = "C:\\NuvoPick\\NuvoPick.exe";
inline constexpr char kCommon[] = "<COMMON>";

class GateTest : public ::testing::Test {
 protected:
  GateTest() {
    // The pointer never moves unless a test says so.
    pointer.positions = {{100, 100}};
  }

  void Set(const std::string& key, int value) { ini.WriteInteger("", key, value); }
  void Set(const std::string& key, const std::string& value) { ini.WriteString("", key, value); }

  // Writes the entries into Section as the setup window saves them.
  void AddEntries(const std::string& section, const std::vector<StoredEntry>& entries) {
    ini.WriteInteger(section, "Count", static_cast<int>(entries.size()));
    for (std::size_t n = 0; n < entries.size(); ++n) {
      const StoredEntry& e = entries[n];
      const std::string s = "_" + std::to_string(n);
      ini.WriteString(section, "Name" + s, e.name);
      ini.WriteString(section, "AppPath" + s, e.appPath);
      ini.WriteString(section, "DirPath" + s, e.dirPath);
      ini.WriteString(section, "Param" + s, e.param);
      ini.WriteBool(section, "IsUseCmdp" + s, e.useCmdp);
      ini.WriteInteger(section, "ShowCmd" + s, e.showCmd);
      ini.WriteInteger(section, "SCK_Key" + s, e.key.Key);
      ini.WriteBool(section, "SCK_Shift" + s, e.key.Shift);
      ini.WriteBool(section, "SCK_Alt" + s, e.key.Alt);
      ini.WriteBool(section, "SCK_Ctrl" + s, e.key.Ctrl);
    }
  }
  // Entries whose program is named after the entry: E1 starts C:\Tools\E1.exe.
  void AddNamed(const std::string& section, const std::vector<std::string>& names) {
    std::vector<StoredEntry> entries;
    for (const std::string& name : names) entries.push_back({name, ProgramOf(name)});
    AddEntries(section, entries);
  }
  static std::string ProgramOf(const std::string& name) { return "C:\\Tools\\" + name + ".exe"; }

  // Starts the gate for FirstArgument with the settings arranged so far.
  TGateSession& Start(const std::u16string& firstArgument) {
    files.files[SettingsPathFor(kExePath)] = ini.Serialize();
    session = std::make_unique<TGateSession>(
        TGateServices{files, classStore.Hives(), shell, pointer, clock, sound, system, gather},
        view, kExePath, firstArgument);
    session->FormCreate();
    return *session;
  }

  // The entry names of every launch, in order, read back from the programs
  // that AddNamed gave them.
  std::vector<std::string> LaunchedNames() const {
    std::vector<std::string> result;
    for (const TLaunchRequest& request : shell.requests) {
      const std::size_t begin = request.File.rfind(u'\\') + 1;
      const std::u16string name = request.File.substr(begin, request.File.rfind(u".exe") - begin);
      result.push_back(NarrowAnsi(name).value_or("?"));
    }
    return result;
  }

  TIniFile ini;
  MemoryFileSystem files;
  MemoryClasses classStore;
  RecordingShellExecute shell;
  ScriptedPointer pointer;
  ScriptedClock clock;
  RecordingSound sound;
  FixedSystemInfo system;
  SharedGatherBoard gatherBoard;
  BoardGatherMark gather{gatherBoard};
  RecordingGateView view;
  std::unique_ptr<TGateSession> session;
};

}  // namespace nuvopick::testing
