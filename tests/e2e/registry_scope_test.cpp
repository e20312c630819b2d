// Who the associations are for, in the real registry: with no RegScope the
// program writes the user's hive, with RegScope=1 the machine's; either way it
// lists itself where Windows looks, gives back exactly what it wrote, and a
// scope changed in the window moves the association from one hive to the other.
// Windows' own default-app choice for an extension is marked and told about,
// never changed.
#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "model/ext_reg_names.h"
#include "nuvopick_run.h"
#include "resource_ids.h"
#include "shell/app_listing.h"
#include "support/win/real_registry.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 15000;
constexpr char kOtherApp[] = "NuvoPickTestOtherApp";

// The key with everything in it, one line a key and a value, values
// and subkeys in name order: what an export of the subtree holds.
void ExportKey(HKEY key, const std::string& path, std::string& out) {
  out += "[" + path + "]\n";
  std::vector<std::string> values;
  std::vector<std::string> subkeys;
  std::string name(32768, '\0');
  std::string data(65536, '\0');
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type,
                      reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
      break;
    }
    values.push_back(name.substr(0, nameLength) + "=" + std::to_string(type) + ":" +
                     data.substr(0, size));
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (RegEnumKeyExA(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    subkeys.push_back(name.substr(0, nameLength));
  }
  std::sort(values.begin(), values.end());
  std::sort(subkeys.begin(), subkeys.end());
  for (const std::string& value : values) out += value + "\n";
  for (const std::string& subkey : subkeys) {
    HKEY child = nullptr;
    if (RegOpenKeyExA(key, subkey.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    ExportKey(child, path + "\\" + subkey, out);
    RegCloseKey(child);
  }
}

std::string ExportTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return "[" + path + "] missing\n";
  }
  std::string out;
  ExportKey(key, path, out);
  RegCloseKey(key);
  return out;
}

// The setup window's extension list.
HWND ExtList(HWND setup) {
  return GetDlgItem(setup, IDC_LISTBOXEX_EXT);
}

// A left double click on the first row turns its R mark on or off.
std::string ToggleR(HWND setup, const std::string& expectedRow) {
  ShowSetupPage(setup, 2);
  HWND list = ExtList(setup);
  PostDoubleClick(list, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MAKELPARAM(10, 5));
  return WaitForRow(list, 0, expectedRow);
}

bool Apply(HWND setup) {
  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  if (!WaitForEnabled(apply, true, kTimeout)) return false;
  PostMessageA(apply, BM_CLICK, 0, 0);
  return WaitForEnabled(apply, false, kTimeout);
}

// One extension of this process, which another program's type had for every
// user before; that program is registered in both hives too. Removed again
// before and after.
class RegistryScopeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    TClassStoreView machine = ClassesOf(RealHives().Machine);
    machine.WriteDefault("." + ext, previousType);
    machine.WriteDefault(previousType + "\\shell\\open\\command", "notepad.exe \"%1\"");
    RealHives().Machine.WriteString(ClassesPath("." + ext + "\\OpenWithProgids"), previousType, "");
    for (IRegistryHive* hive : {&RealHives().User, &RealHives().Machine}) {
      hive->WriteString(kRegisteredApplicationsKey, kOtherApp, "Software\\Other\\Capabilities");
    }
    userBefore = Export(HKEY_CURRENT_USER);
    machineBefore = Export(HKEY_LOCAL_MACHINE);
  }

  void TearDown() override { Clean(); }

  void Clean() {
    DeleteTestClasses({"." + ext, previousType, names.T});
    RealHives().User.DeleteTree(fileExtsKey);
    for (IRegistryHive* hive : {&RealHives().User, &RealHives().Machine}) {
      hive->DeleteValue(kRegisteredApplicationsKey, kOtherApp);
    }
  }

  // Every key of the hive that the program could write for the extension.
  std::string Export(HKEY root) const {
    std::string out;
    for (const std::string& key :
         {ClassesPath(names.D), ClassesPath(names.T), ClassesPath(previousType),
          std::string("Software\\NuvoPick"), std::string(kRegisteredApplicationsKey)}) {
      out += ExportTree(root, key);
    }
    return out;
  }

  // The take-over of the extension and the program's listing, as found in Hive.
  void ExpectAssociatedIn(const IRegistryHive& hive) const {
    const auto read = [&hive](const std::string& key, const std::string& name) {
      return hive.ReadString(key, name).value_or("<none>");
    };
    EXPECT_EQ(read(ClassesPath(names.D), ""), names.T);
    EXPECT_EQ(read(ClassesPath(names.T + "\\shell\\open\\command"), ""),
              "\"" + run.ExePath() + "\" \"%1\"");
    EXPECT_EQ(read(ClassesPath(names.D + "\\OpenWithProgids"), names.T), "");
    EXPECT_EQ(read(kCapabilitiesKey, "ApplicationName"), "NuvoPick");
    EXPECT_NE(read(kCapabilitiesKey, "ApplicationDescription"), "<none>");
    EXPECT_EQ(read(std::string(kCapabilitiesKey) + "\\FileAssociations", names.D), names.T);
    EXPECT_EQ(read(kRegisteredApplicationsKey, "NuvoPick"), kCapabilitiesKey);
  }

  HWND StartSetup(const std::string& generalKeys) {
    WriteFileText(run.SettingsPath(),
                  "[]\r\nAllExt=" + ext + "|\r\n" + generalKeys + "[" + ext + "]\r\nCount=0\r\n");
    HWND setup = run.Start("").WaitForVisibleWindow("TForm_setup", kTimeout);
    if (setup != nullptr) SetForegroundWindow(setup);
    return setup;
  }

  void Close(HWND setup) {
    PostMessageA(setup, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.Process().WaitForExit(kTimeout), 0u);
  }

  const std::string ext = "npr" + std::to_string(GetCurrentProcessId());
  const std::string previousType = "nprprev" + std::to_string(GetCurrentProcessId());
  const TExtRegNames names = ExtRegNamesFor(ext);
  // Where Windows keeps the user's own choices for the extension.
  const std::string fileExtsKey =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\." + ext;
  TNuvoPickRun run{"registry-scope"};
  std::string userBefore;
  std::string machineBefore;
};

TEST_F(RegistryScopeTest, ApplyWritesOnlyTheChosenHiveAndGivingBackLeavesBothAsTheyWere) {
  struct TCase {
    const char* GeneralKeys;
    HKEY Written;
    bool Machine;
  };
  for (const TCase& c :
       {TCase{"", HKEY_CURRENT_USER, false}, TCase{"RegScope=1\r\n", HKEY_LOCAL_MACHINE, true}}) {
    SCOPED_TRACE(c.GeneralKeys);
    HWND setup = StartSetup(c.GeneralKeys);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(ToggleR(setup, "R | " + ext), "R | " + ext);
    ASSERT_TRUE(Apply(setup));

    ExpectAssociatedIn(c.Machine ? RealHives().Machine : RealHives().User);
    if (c.Machine) {
      // The classes Wine's shell follows; the other program's listing stays.
      EXPECT_EQ(ClassesOf(RealHives().Machine).ReadDefault(names.D).value_or("<none>"), names.T);
      EXPECT_TRUE(RealHives()
                      .Machine.ReadString(ClassesPath(names.D + "\\OpenWithProgids"), previousType)
                      .has_value());
      EXPECT_EQ(Export(HKEY_CURRENT_USER), userBefore);
    } else {
      EXPECT_EQ(Export(HKEY_LOCAL_MACHINE), machineBefore);
    }
    EXPECT_EQ(ShellDefault(names.D), names.T);

    EXPECT_EQ(ToggleR(setup, "  | " + ext), "  | " + ext);
    ASSERT_TRUE(Apply(setup));
    EXPECT_EQ(Export(HKEY_CURRENT_USER), userBefore);
    EXPECT_EQ(Export(HKEY_LOCAL_MACHINE), machineBefore);
    Close(setup);
  }
}

TEST_F(RegistryScopeTest, AssociationsMadeOnlyWhileRunningLeaveTheUsersHiveAsItWasOnExit) {
  WriteFileText(run.SettingsPath(), "[]\r\nIsRelOnExe=1\r\nAllExt=" + ext + "|\r\n[" + ext +
                                        "]\r\nCount=0\r\nrlmdExe=1\r\n");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  ExpectAssociatedIn(RealHives().User);
  EXPECT_EQ(Export(HKEY_LOCAL_MACHINE), machineBefore);

  PostMessageA(GetDlgItem(setup, IDC_BUTTON_CANCEL), BM_CLICK, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
  EXPECT_EQ(Export(HKEY_CURRENT_USER), userBefore);
  EXPECT_EQ(Export(HKEY_LOCAL_MACHINE), machineBefore);
}

TEST_F(RegistryScopeTest, AScopeChangedInTheWindowMovesTheAssociationOnApply) {
  HWND setup = StartSetup("");
  ASSERT_NE(setup, nullptr);
  EXPECT_EQ(ToggleR(setup, "R | " + ext), "R | " + ext);
  ASSERT_TRUE(Apply(setup));
  ExpectAssociatedIn(RealHives().User);

  struct TMove {
    const char* Caption;
    int Button;
    const IRegistryHive& To;
    HKEY From;
    std::string& FromBefore;
  };
  for (const TMove& move : {TMove{"全てのユーザー", IDC_RADIO_ITEM(IDC_RADIOGROUP_REGSCOPE, 1),
                                  RealHives().Machine, HKEY_CURRENT_USER, userBefore},
                            TMove{"このユーザーのみ", IDC_RADIO_ITEM(IDC_RADIOGROUP_REGSCOPE, 0),
                                  RealHives().User, HKEY_LOCAL_MACHINE, machineBefore}}) {
    SCOPED_TRACE(move.Caption);
    ShowSetupPage(setup, 8);
    HWND button = GetDlgItem(setup, move.Button);
    ASSERT_EQ(WindowText(button), move.Caption);
    PostMessageA(button, BM_CLICK, 0, 0);
    ASSERT_TRUE(Apply(setup));
    ExpectAssociatedIn(move.To);
    EXPECT_EQ(Export(move.From), move.FromBefore);
  }
  const std::string written = ReadFileText(run.SettingsPath());
  EXPECT_NE(written.find("RegScope=0\r\n"), std::string::npos) << written;
  Close(setup);
}

// Windows' default app for the extension, as Windows writes it when the user
// picks "常にこのアプリを使う" (the hash that Windows adds is of no matter here).
void WriteUserChoice(const std::string& fileExtsKey, const std::string& progId) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (fileExtsKey + "\\UserChoice").c_str(), 0, nullptr,
                            0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "ProgId", 0, REG_SZ, reinterpret_cast<const BYTE*>(progId.c_str()),
                 static_cast<DWORD>(progId.size() + 1));
  RegCloseKey(key);
}

TEST_F(RegistryScopeTest, WindowsOwnChoiceIsMarkedAndToldOnceAndDecliningChangesNothing) {
  WriteUserChoice(fileExtsKey, "SomeOtherType");
  const std::string choiceBefore = ExportTree(HKEY_CURRENT_USER, fileExtsKey);
  HWND setup = StartSetup("");
  ASSERT_NE(setup, nullptr);
  EXPECT_EQ(ToggleR(setup, "R | " + ext), "R | " + ext);
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_APPLY), BM_CLICK, 0, 0);

  HWND notice = WaitForWindow(run.Process(), "#32770", kTimeout);
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(notice), "確認");
  const std::string text = BoxText(notice);
  EXPECT_NE(text.find("\r\n" + names.D + "\r\n"), std::string::npos) << text;
  SaveScreenshot("setup-windows-choice-notice");
  PostMessageA(notice, WM_COMMAND, IDNO, 0);
  for (DWORD waited = 0; IsWindow(notice) && waited < kTimeout; waited += 30) Sleep(30);
  // One notice for the apply, and the list marks the extension.
  EXPECT_EQ(WaitForRow(ExtList(setup), 0, "R |！" + ext), "R |！" + ext);
  Sleep(300);
  EXPECT_TRUE(run.Process().Windows("#32770").empty());
  UpdateWindow(setup);
  Sleep(150);
  SaveScreenshot("setup-windows-choice-mark");

  ExpectAssociatedIn(RealHives().User);
  EXPECT_EQ(ExportTree(HKEY_CURRENT_USER, fileExtsKey), choiceBefore);
  Close(setup);
  EXPECT_EQ(ExportTree(HKEY_CURRENT_USER, fileExtsKey), choiceBefore);
}

}  // namespace
}  // namespace nuvopick::testing
