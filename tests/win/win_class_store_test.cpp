// The class store against the real HKEY_CLASSES_ROOT (Wine's registry).
#include "platform/win/win_class_store.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>

namespace nuvopick::win {
namespace {

// Keys of our own, unique to this process, removed before and after each test.
class WinClassStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { store.DeleteTree(root); }
  void TearDown() override { store.DeleteTree(root); }

  void SetRaw(const std::string& path, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }

  const std::string root = "NuvoPickTest_" + std::to_string(GetCurrentProcessId());
  TWinClassStore store;
};

TEST_F(WinClassStoreTest, DefaultValuesRoundTripThroughNestedKeys) {
  const std::string verb = root + "\\shell\\open\\command";
  EXPECT_FALSE(store.KeyExists(root));
  EXPECT_FALSE(store.ReadDefault(verb).has_value());

  store.WriteDefault(verb, "\"C:\\表\\np.exe\" \"%1\"");
  EXPECT_EQ(store.ReadDefault(verb).value_or("?"), "\"C:\\表\\np.exe\" \"%1\"");
  // The keys above were created on the way, without values; names ignore case.
  EXPECT_EQ(store.ReadDefault(root + "\\SHELL").value_or("?"), "");
  EXPECT_TRUE(store.KeyExists(root + "\\Shell\\OPEN"));

  store.WriteDefault(verb, "");
  EXPECT_EQ(store.ReadDefault(verb).value_or("?"), "");
}

TEST_F(WinClassStoreTest, ExpandableStringsComeBackUnexpandedAndOtherTypesAreRefused) {
  const char location[] = "%SystemRoot%\\System32\\shell32.dll,3";
  SetRaw(root + "\\DefaultIcon", REG_EXPAND_SZ, location, sizeof location);
  EXPECT_EQ(store.ReadDefault(root + "\\DefaultIcon").value_or("?"), location);

  const DWORD number = 7;
  SetRaw(root + "\\Number", REG_DWORD, &number, sizeof number);
  try {
    store.ReadDefault(root + "\\Number");
    FAIL() << "a DWORD default value must be refused";
  } catch (const TRegistryError& error) {
    EXPECT_STREQ(error.what(), "'' のデータ型が不正です");
  }
}

TEST_F(WinClassStoreTest, TreesAreListedAndDeletedDeepestFirst) {
  store.WriteDefault(root + "\\shell\\open\\command", "a");
  store.WriteDefault(root + "\\shell\\NP_Menu0\\command", "b");
  store.WriteDefault(root + "\\shell\\NP_Menu1\\command", "c");

  auto names = store.SubkeyNames(root + "\\shell");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"NP_Menu0", "NP_Menu1", "open"}));

  store.DeleteTree(root + "\\shell\\NP_Menu0");
  EXPECT_FALSE(store.KeyExists(root + "\\shell\\NP_Menu0"));
  EXPECT_TRUE(store.KeyExists(root + "\\shell\\NP_Menu1\\command"));
  store.DeleteTree(root + "\\no such key");  // no error

  store.DeleteTree(root);
  EXPECT_FALSE(store.KeyExists(root));
  EXPECT_TRUE(store.SubkeyNames(root).empty());
}

// A name of 200 characters that takes 400 bytes in code page 932 (表's second
// byte is a backslash).
TEST_F(WinClassStoreTest, LongDoubleByteSubkeyNamesAreListedAndDeleted) {
  std::string name;
  for (int i = 0; i < 100; ++i) name += "表示";
  store.WriteDefault(root + "\\shell\\open\\command", "a");
  store.WriteDefault(root + "\\shell\\" + name + "\\command", "b");

  auto names = store.SubkeyNames(root + "\\shell");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"open", name}));

  store.DeleteTree(root);
  EXPECT_FALSE(store.KeyExists(root));
}

TEST_F(WinClassStoreTest, AKeyIsEmptyOnlyWithoutAnyValueOrSubkey) {
  const std::string ext = root + "\\.xyz";
  store.WriteDefault(ext, "NuvoPick_AutoOpen_xyz");
  EXPECT_FALSE(store.KeyIsEmpty(ext));
  store.DeleteDefault(ext);
  EXPECT_EQ(store.ReadDefault(ext).value_or("?"), "");
  EXPECT_TRUE(store.KeyIsEmpty(ext));

  store.CreateKey(ext + "\\ShellNew");
  EXPECT_FALSE(store.KeyIsEmpty(ext));
  store.DeleteTree(ext + "\\ShellNew");

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ext.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegSetValueExA(key, "Content Type", 0, REG_SZ, reinterpret_cast<const BYTE*>("text/x"), 7);
  RegCloseKey(key);
  EXPECT_FALSE(store.KeyIsEmpty(ext));

  EXPECT_FALSE(store.KeyIsEmpty(root + "\\missing"));
  store.DeleteDefault(root + "\\missing");  // no error
}

}  // namespace
}  // namespace nuvopick::win
