// One hive of the real registry (Wine's), in a key of our own under
// HKEY_CURRENT_USER\Software.
#include "platform/win/win_registry_hive.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "platform/win/handle.h"

namespace nuvopick::win {
namespace {

// A key unique to this process, removed before and after each test.
class WinRegistryHiveTest : public ::testing::Test {
 protected:
  void SetUp() override { hive.DeleteTree(root); }
  void TearDown() override { hive.DeleteTree(root); }

  void SetRaw(const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
    TRegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              key.Receive(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }

  static std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
  }

  const std::string root = "Software\\NuvoPickTest_" + std::to_string(GetCurrentProcessId());
  TWinRegistryHive hive{HKEY_CURRENT_USER};
};

TEST_F(WinRegistryHiveTest, DefaultAndNamedValuesRoundTripThroughNestedKeys) {
  const std::string verb = root + "\\shell\\open\\command";
  EXPECT_FALSE(hive.KeyExists(root));
  EXPECT_FALSE(hive.ReadString(verb, "").has_value());

  hive.WriteString(verb, "", "\"C:\\表\\np.exe\" \"%1\"");
  hive.WriteString(verb, "DelegateExecute", "");
  EXPECT_EQ(hive.ReadString(verb, "").value_or("?"), "\"C:\\表\\np.exe\" \"%1\"");
  EXPECT_EQ(hive.ReadString(verb, "delegateexecute").value_or("?"), "");
  // The keys above were created on the way, without values; names ignore case.
  EXPECT_TRUE(hive.KeyExists(root + "\\Shell\\OPEN"));
  EXPECT_FALSE(hive.ReadString(root + "\\SHELL", "").has_value());
  EXPECT_FALSE(hive.ReadString(verb, "Other").has_value());

  hive.WriteString(verb, "", "");
  EXPECT_EQ(hive.ReadString(verb, "").value_or("?"), "");
}

TEST_F(WinRegistryHiveTest, ValuesOfEveryLengthComeBackWhole) {
  // Around the size that one read takes at once, and well beyond it.
  for (const std::size_t length : {254u, 255u, 256u, 257u, 4000u}) {
    const std::string value(length, 'x');
    hive.WriteString(root, "Long", value);
    EXPECT_EQ(hive.ReadString(root, "Long").value_or("?"), value) << length;
  }
  // A string without its terminating zero, as other programs may store one.
  const std::string raw(256, 'y');
  SetRaw(root, "Raw", REG_SZ, raw.data(), static_cast<DWORD>(raw.size()));
  EXPECT_EQ(hive.ReadString(root, "Raw").value_or("?"), raw);
}

TEST_F(WinRegistryHiveTest, ExpandableStringsComeBackUnexpandedAndOtherTypesAreRefused) {
  const char location[] = "%SystemRoot%\\System32\\shell32.dll,3";
  SetRaw(root + "\\DefaultIcon", nullptr, REG_EXPAND_SZ, location, sizeof location);
  EXPECT_EQ(hive.ReadString(root + "\\DefaultIcon", "").value_or("?"), location);

  const DWORD number = 7;
  SetRaw(root, "Count", REG_DWORD, &number, sizeof number);
  try {
    hive.ReadString(root, "Count");
    FAIL() << "a DWORD value must be refused";
  } catch (const TRegistryError& error) {
    EXPECT_STREQ(error.what(), "'Count' のデータ型が不正です");
  }
}

TEST_F(WinRegistryHiveTest, ValueNamesListTheDefaultValueOnlyWhenSet) {
  const std::string ext = root + "\\.xyz";
  hive.CreateKey(ext + "\\OpenWithProgids");
  EXPECT_TRUE(hive.ValueNames(ext).empty());
  EXPECT_FALSE(hive.HasValues(ext));
  EXPECT_TRUE(KeyIsEmpty(hive, ext + "\\OpenWithProgids"));
  EXPECT_FALSE(KeyIsEmpty(hive, ext));

  hive.WriteString(ext + "\\OpenWithProgids", "NuvoPick_AutoOpen_xyz", "");
  hive.WriteString(ext + "\\OpenWithProgids", "Other.Type", "");
  hive.WriteString(ext, "", "NuvoPick_AutoOpen_xyz");
  hive.WriteString(ext, "Content Type", "text/x");
  EXPECT_EQ(Sorted(hive.ValueNames(ext)), (std::vector<std::string>{"", "Content Type"}));
  EXPECT_TRUE(hive.HasValues(ext));
  EXPECT_EQ(Sorted(hive.ValueNames(ext + "\\OpenWithProgids")),
            (std::vector<std::string>{"NuvoPick_AutoOpen_xyz", "Other.Type"}));

  hive.DeleteValue(ext, "");
  hive.DeleteValue(ext + "\\OpenWithProgids", "nuvopick_autoopen_xyz");
  EXPECT_EQ(hive.ValueNames(ext), std::vector<std::string>{"Content Type"});
  EXPECT_EQ(hive.ValueNames(ext + "\\OpenWithProgids"), std::vector<std::string>{"Other.Type"});
  hive.DeleteValue(ext, "missing");          // no error
  hive.DeleteValue(root + "\\missing", "");  // no error
  EXPECT_TRUE(hive.ValueNames(root + "\\missing").empty());
  EXPECT_FALSE(hive.HasValues(root + "\\missing"));
}

TEST_F(WinRegistryHiveTest, TreesAreListedAndDeletedDeepestFirst) {
  hive.WriteString(root + "\\shell\\open\\command", "", "a");
  hive.WriteString(root + "\\shell\\NP_Menu0\\command", "", "b");
  hive.WriteString(root + "\\shell\\NP_Menu1\\command", "", "c");
  EXPECT_EQ(Sorted(hive.SubkeyNames(root + "\\shell")),
            (std::vector<std::string>{"NP_Menu0", "NP_Menu1", "open"}));

  hive.DeleteTree(root + "\\shell\\NP_Menu0");
  EXPECT_FALSE(hive.KeyExists(root + "\\shell\\NP_Menu0"));
  EXPECT_TRUE(hive.KeyExists(root + "\\shell\\NP_Menu1\\command"));
  hive.DeleteTree(root + "\\no such key");  // no error

  hive.DeleteTree(root);
  EXPECT_FALSE(hive.KeyExists(root));
  EXPECT_TRUE(hive.SubkeyNames(root).empty());
}

// Names of 200 characters that take 400 bytes in code page 932 (表's second
// byte is a backslash).
TEST_F(WinRegistryHiveTest, LongDoubleByteNamesAreListedAndDeleted) {
  std::string name;
  for (int i = 0; i < 100; ++i) name += "表示";
  hive.WriteString(root + "\\shell\\open\\command", "", "a");
  hive.WriteString(root + "\\shell\\" + name + "\\command", "", "b");
  hive.WriteString(root + "\\shell", name, "c");
  hive.WriteString(root + "\\shell", "short", "d");

  EXPECT_EQ(Sorted(hive.SubkeyNames(root + "\\shell")), (std::vector<std::string>{"open", name}));
  EXPECT_EQ(Sorted(hive.ValueNames(root + "\\shell")), (std::vector<std::string>{"short", name}));
  EXPECT_EQ(hive.ReadString(root + "\\shell", name).value_or("?"), "c");

  hive.DeleteTree(root);
  EXPECT_FALSE(hive.KeyExists(root));
}

// A hive rooted at a key of ours, so that deleting "" could do no harm.
TEST_F(WinRegistryHiveTest, TheRootIsNeverDeleted) {
  hive.WriteString(root + "\\sub", "", "a");
  TRegKey key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, root.c_str(), 0, KEY_ALL_ACCESS, key.Receive()),
            ERROR_SUCCESS);
  TWinRegistryHive below(key.Get());
  below.DeleteTree("");
  EXPECT_TRUE(below.KeyExists("sub"));
  EXPECT_EQ(below.ReadString("sub", "").value_or("?"), "a");
}

// Everyone may read and delete the key but not set its values, as a standard
// user finds the keys of HKEY_LOCAL_MACHINE\Software\Classes.
void DenyWrites(HKEY key) {
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  ASSERT_TRUE(
      AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone));
  alignas(DWORD) BYTE aclBuffer[256];
  auto* acl = reinterpret_cast<ACL*>(aclBuffer);
  ASSERT_TRUE(InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION));
  ASSERT_TRUE(AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE, everyone));
  ASSERT_TRUE(AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone));
  SECURITY_DESCRIPTOR descriptor;
  ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE));
  ASSERT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor), ERROR_SUCCESS);
  FreeSid(everyone);
}

TEST_F(WinRegistryHiveTest, AWriteRefusedForWantOfRightsSaysSo) {
  const std::string locked = root + "\\Locked";
  hive.WriteString(locked, "Kept", "old");
  {
    TRegKey key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, locked.c_str(), 0, KEY_ALL_ACCESS, key.Receive()),
              ERROR_SUCCESS);
    DenyWrites(key.Get());
  }
  const auto refusal = [](const std::function<void()>& write) -> std::string {
    try {
      write();
    } catch (const TRegistryError& error) {
      return std::string(error.what()) + (error.AccessDenied() ? " (denied)" : "");
    }
    return "written";
  };
  EXPECT_EQ(refusal([&] { hive.WriteString(locked, "Kept", "new"); }),
            "'Kept' の設定に失敗しました (denied)");
  EXPECT_EQ(refusal([&] { hive.DeleteValue(locked, "Kept"); }),
            "'Kept' の設定に失敗しました (denied)");
  EXPECT_EQ(hive.ReadString(locked, "Kept").value_or("?"), "old");
}

}  // namespace
}  // namespace nuvopick::win
