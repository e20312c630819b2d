#include "platform/caching_registry_hive.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/memory_registry.h"

namespace nuvopick {
namespace {

using testing::MemoryRegistryHive;

// Everything the hive answers about the key: whether it opens, its subkeys, its
// values and the default and "Name" values.
std::string Describe(const IRegistryHive& hive, const std::string& path) {
  std::string out = hive.KeyExists(path) ? "exists" : "missing";
  out += hive.HasValues(path) ? " values:" : " no values:";
  for (const std::string& name : hive.ValueNames(path)) out += " [" + name + "]";
  out += " subkeys:";
  for (const std::string& name : hive.SubkeyNames(path)) out += " [" + name + "]";
  out += " default=" + hive.ReadString(path, "").value_or("<none>");
  out += " Name=" + hive.ReadString(path, "Name").value_or("<none>");
  return out;
}

struct TCase {
  const char* what;
  std::function<void(MemoryRegistryHive&)> arrange;
  std::function<void(IRegistryHive&)> step;
  std::vector<std::string> asked;       // asked before the step and again after it
  std::vector<std::string> later = {};  // asked after it only
};

// Shift-JIS "ア" (0x83 0x41) and "ャ" (0x83 0x61): the second byte of one looks
// like the upper-case letter of the other's. "表" (0x95 0x5C) ends in a backslash.
constexpr char kA[] = "\x83\x41";
constexpr char kSmallYa[] = "\x83\x61";
constexpr char kOmote[] = "\x95\x5C";

TEST(CachingRegistryHiveTest, AnswersAfterItsOwnWritesAsTheHiveDoes) {
  const std::string omote = std::string("K\\") + kOmote;
  const std::vector<TCase> cases = {
      {"write into a missing key below a missing key",
       {},
       [](IRegistryHive& h) { h.WriteString("A\\B\\C", "Name", "v"); },
       {"", "A", "A\\B", "A\\B\\C"}},
      {"write over a value read before",
       [](MemoryRegistryHive& m) {
         m.Set("A", "", "old");
         m.Set("A\\Sub", "Name", "s");
       },
       [](IRegistryHive& h) { h.WriteString("A", "", "new"); },
       {"A"},
       {"A\\Sub"}},
      {"write under another letter case",
       [](MemoryRegistryHive& m) { m.Set("Soft\\Key", "name", "old"); },
       [](IRegistryHive& h) { h.WriteString("SOFT\\kEY", "NAME", "new"); },
       {"soft", "soft\\key", "Soft\\Key"}},
      {"create a key",
       [](MemoryRegistryHive& m) { m.Set("A", "", "a"); },
       [](IRegistryHive& h) { h.CreateKey("a\\New\\Deeper"); },
       {"A", "A\\New", "A\\NEW\\Deeper"}},
      {"delete the tree of a parent",
       [](MemoryRegistryHive& m) {
         m.Set("A\\B\\C", "Name", "c");
         m.Set("A\\B", "", "b");
         m.Set("A\\BC", "", "sibling");
       },
       [](IRegistryHive& h) { h.DeleteTree("a\\b"); },
       {"A", "A\\B", "A\\B\\C", "A\\BC"}},
      {"write below a key made here",
       [](MemoryRegistryHive& m) { m.Set("K", "", "k"); },
       [](IRegistryHive& h) {
         h.WriteString("K\\New", "Name", "n");
         h.WriteString("K\\New\\Sub", "", "s");
         h.CreateKey("K\\New");
         h.DeleteValue("K\\New", "Name");
         h.CreateKey("K\\New\\Other\\Deeper");
       },
       {"K", "K\\New", "K\\New\\Sub", "K\\New\\Other", "K\\New\\Other\\Deeper", "K\\New\\Missing",
        "K\\New\\Missing\\Below"}},
      {"write into a key deleted here",
       [](MemoryRegistryHive& m) { m.Set("K\\Old\\Sub", "Name", "s"); },
       [](IRegistryHive& h) {
         h.DeleteTree("K\\Old");
         h.WriteString("K\\Old", "", "again");
       },
       {"K", "K\\Old", "K\\Old\\Sub"}},
      {"delete a value",
       [](MemoryRegistryHive& m) { m.Set("A", "Name", "n"); },
       [](IRegistryHive& h) { h.DeleteValue("A", "name"); },
       {"A"}},
      {"write a double-byte name whose second byte looks like a letter",
       [](MemoryRegistryHive& m) {
         m.Set(std::string("K\\") + kA, "", "a");
         m.Set(std::string("K\\") + kSmallYa, "", "ya");
       },
       [](IRegistryHive& h) { h.WriteString(std::string("K\\") + kSmallYa, "", "new"); },
       {std::string("K\\") + kA, std::string("K\\") + kSmallYa}},
      {"delete a double-byte name whose second byte looks like a letter",
       [](MemoryRegistryHive& m) {
         m.Set(std::string("K\\") + kA, "", "a");
         m.Set(std::string("K\\") + kSmallYa, "", "ya");
       },
       [](IRegistryHive& h) { h.DeleteTree(std::string("K\\") + kSmallYa); },
       {"K", std::string("K\\") + kA, std::string("K\\") + kSmallYa}},
      {"delete a key whose name ends in a backslash byte",
       [&](MemoryRegistryHive& m) { m.Set(omote + "\\Sub", "", "s"); },
       [&](IRegistryHive& h) { h.DeleteTree(omote); },
       {"K", omote, omote + "\\Sub"}},
  };
  for (const TCase& c : cases) {
    MemoryRegistryHive memory;
    if (c.arrange) c.arrange(memory);
    TCachingRegistryHive cached(memory);
    for (const std::string& path : c.asked) {
      EXPECT_EQ(Describe(cached, path), Describe(memory, path)) << c.what << ", before: " << path;
    }
    c.step(cached);
    for (const auto& paths : {c.asked, c.later}) {
      for (const std::string& path : paths) {
        EXPECT_EQ(Describe(cached, path), Describe(memory, path)) << c.what << ", after: " << path;
      }
    }
  }
}

TEST(CachingRegistryHiveTest, ARefusedWriteThrowsAndLeavesNothingStaleBehind) {
  MemoryRegistryHive memory;
  memory.Set("A", "", "old");
  TCachingRegistryHive cached(memory);
  EXPECT_EQ(cached.ReadString("A", ""), "old");
  memory.refuseWrites = true;
  EXPECT_THROW(cached.WriteString("A", "", "new"), TRegistryError);
  EXPECT_THROW(cached.DeleteTree("A"), TRegistryError);
  // A key that was only read may still refuse to be opened for writing.
  EXPECT_TRUE(cached.KeyExists("A"));
  EXPECT_THROW(cached.CreateKey("A"), TRegistryError);
  EXPECT_EQ(Describe(cached, "A"), Describe(memory, "A"));
}

}  // namespace
}  // namespace nuvopick
