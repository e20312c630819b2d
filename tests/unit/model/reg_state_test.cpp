#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/ext_info.h"
#include "model/ext_reg_names.h"
#include "support/memory_registry.h"

namespace nuvopick {
namespace {

using testing::MemoryClasses;

TEST(ExtRegNames, KeyNamesOfARecord) {
  const struct {
    const char* name;
    const char* e;
    const char* d;
    const char* t;
  } cases[] = {
      {"txt", "txt", ".txt", "NuvoPick_AutoOpen_txt"},
      {".TXT", "TXT", ".TXT", "NuvoPick_AutoOpen_TXT"},
      {"表", "表", ".表", "NuvoPick_AutoOpen_表"},
  };
  for (const auto& c : cases) {
    const TExtRegNames names = ExtRegNamesFor(c.name);
    EXPECT_EQ(names.E, c.e);
    EXPECT_EQ(names.D, c.d);
    EXPECT_EQ(names.T, c.t);
  }
}

TEST(RegFlags, OneByteOfTwoBits) {
  EXPECT_EQ(TRegFlags{rlmdExe}.Byte(), 1);
  EXPECT_EQ(TRegFlags{rlmdContextMenu}.Byte(), 2);
  EXPECT_EQ((TRegFlags{rlmdExe, rlmdContextMenu}.Byte()), 3);
  EXPECT_EQ(TRegFlags::FromByte(0xFE), TRegFlags{rlmdContextMenu});
  TRegFlags flags{rlmdExe, rlmdContextMenu};
  flags.Exclude(rlmdExe);
  EXPECT_FALSE(flags.Contains(rlmdExe));
  EXPECT_TRUE(flags.Contains(rlmdContextMenu));
  EXPECT_TRUE(TRegFlags().Empty());
}

using TKeys = std::vector<std::pair<const char*, const char*>>;

constexpr char kOurCommand[] = "\"C:\\Tools\\np.exe\" \"%1\"";

TEST(RegState, WhatTheRegistryShows) {
  const TKeys associated = {{".txt", "NuvoPick_AutoOpen_txt"},
                            {"NuvoPick_AutoOpen_txt\\NP_OldCommand", "notepad.exe %1"},
                            {"NuvoPick_AutoOpen_txt\\shell\\open\\command", kOurCommand}};
  const TKeys restored = {{".txt", "NuvoPick_AutoOpen_txt"},
                          {"NuvoPick_AutoOpen_txt\\NP_OldCommand", "notepad.exe %1"},
                          {"NuvoPick_AutoOpen_txt\\shell\\open\\command", "notepad.exe %1"}};
  const auto with = [](TKeys keys, const char* path, const char* value) {
    keys.emplace_back(path, value);
    return keys;
  };
  const struct {
    const char* what;
    const char* name;
    TKeys keys;
    TRegFlags state;
  } cases[] = {
      {"no class key", "txt", {}, {}},
      {"another type", "txt", {{".txt", "txtfile"}, {"txtfile\\shell\\open\\command", "x"}}, {}},
      {"our type deleted", "txt", {{".txt", "NuvoPick_AutoOpen_txt"}}, {}},
      {"associated", "txt", associated, {rlmdExe}},
      {"open command restored, no verbs", "txt", restored, {}},
      {"context menu only",
       "txt",
       with(restored, "NuvoPick_AutoOpen_txt\\shell\\NP_Menu0", "■メモ帳"),
       {rlmdContextMenu}},
      {"both",
       "txt",
       with(associated, "NuvoPick_AutoOpen_txt\\shell\\NP_Menu0", "■メモ帳"),
       {rlmdExe, rlmdContextMenu}},
      {"empty caption",
       "txt",
       with(associated, "NuvoPick_AutoOpen_txt\\shell\\NP_Menu0", ""),
       {rlmdExe}},
      {"NP_Menu1 alone", "txt", with(restored, "NuvoPick_AutoOpen_txt\\shell\\NP_Menu1", "a"), {}},
      {"no previous command",
       "txt",
       {{".txt", "NuvoPick_AutoOpen_txt"},
        {"NuvoPick_AutoOpen_txt\\NP_OldCommand", ""},
        {"NuvoPick_AutoOpen_txt\\shell\\open\\command", "notepad.exe %1"}},
       {rlmdExe}},
      {"empty open command",
       "txt",
       {{".txt", "NuvoPick_AutoOpen_txt"}, {"NuvoPick_AutoOpen_txt\\shell\\open\\command", ""}},
       {}},
      {"upper-case record over a txt registration", "TXT", associated, {}},
      {"dotted record", ".txt", associated, {rlmdExe}},
      {"class key in other letter case",
       "txt",
       {{".TXT", "NuvoPick_AutoOpen_txt"},
        {"nuvopick_autoopen_TXT\\shell\\open\\command", kOurCommand}},
       {rlmdExe}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryClasses store;
    for (const auto& [path, value] : c.keys) store.Set(path, value);
    const std::string before = store.DumpAll();
    store.RefuseWrites();  // reading needs no right to write
    TExtInfo record;
    record.Name = c.name;
    EXPECT_EQ(record.GetRegState(store).Byte(), c.state.Byte());
    EXPECT_EQ(store.DumpAll(), before);
  }
}

TEST(RegState, AClassKeyValueOfTheWrongTypeStopsWithTheProgramsMessage) {
  MemoryClasses store;
  store.Set(".txt", "1", testing::TValueType::Dword);
  TExtInfo record;
  record.Name = "txt";
  try {
    record.GetRegState(store);
    FAIL() << "no error";
  } catch (const TRegistryError& error) {
    EXPECT_STREQ(error.what(), "'' のデータ型が不正です");
  }
}

TEST(RegState, AnExpandableStringCountsAsText) {
  MemoryClasses store;
  store.Set(".txt", "NuvoPick_AutoOpen_txt", testing::TValueType::ExpandString);
  store.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", "%ProgramFiles%\\np.exe \"%1\"",
            testing::TValueType::ExpandString);
  TExtInfo record;
  record.Name = "txt";
  EXPECT_EQ(record.GetRegState(store), TRegFlags{rlmdExe});
}

}  // namespace
}  // namespace nuvopick
