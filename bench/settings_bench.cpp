// Reading and saving a large settings file: 1,000 or 2,000 extension sections of
// 20 entries each, about 205 keys per section. Reading goes key by key as the
// extension records load themselves, so the time must grow with the key count;
// the pick list's read of three sections grows only with the bytes it passes over.
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

#include "settings/ini_file.h"

namespace nuvopick {
namespace {

constexpr int kEntriesPerSection = 20;

std::string SectionName(int index) {
  return "ext" + std::to_string(index);
}

// The file a setup window with Sections extensions would save.
TIniFile BuildSettings(int sections) {
  TIniFile ini;
  std::string allExt;
  for (int s = 0; s < sections; ++s) {
    const std::string name = SectionName(s);
    allExt += name + "|";
    ini.WriteInteger(name, "Count", kEntriesPerSection);
    ini.WriteString(name, "IconPath", "C:\\Program Files\\表計算\\calc.exe");
    ini.WriteInteger(name, "IconIndex", s % 7);
    ini.WriteBool(name, "rlmdExe", true);
    ini.WriteBool(name, "rlmdContextMenu", s % 2 == 0);
    for (int n = 0; n < kEntriesPerSection; ++n) {
      const std::string suffix = std::to_string(n);
      ini.WriteString(name, "Name_" + suffix, "アプリケーション" + suffix);
      ini.WriteString(name, "AppPath_" + suffix,
                      "C:\\Program Files\\ソフト\\app" + suffix + ".exe");
      ini.WriteString(name, "DirPath_" + suffix, "C:\\Users\\名前\\Documents");
      ini.WriteString(name, "Param_" + suffix, "/open \"%1\"");
      ini.WriteBool(name, "IsUseCmdp_" + suffix, n % 3 == 0);
      ini.WriteInteger(name, "ShowCmd_" + suffix, 1);
      ini.WriteInteger(name, "SCK_Key_" + suffix, n < 10 ? '0' + n : 0);
      ini.WriteBool(name, "SCK_Shift_" + suffix, false);
      ini.WriteBool(name, "SCK_Alt_" + suffix, false);
      ini.WriteBool(name, "SCK_Ctrl_" + suffix, n % 2 == 1);
    }
  }
  ini.WriteString("", "AllExt", allExt);
  return ini;
}

// Reads one section as a record does: Count, the icon, then each entry's ten keys.
std::int64_t ReadSectionKeys(const TIniValues& ini, const std::string& name) {
  std::int64_t checksum = 0;
  const int count = ini.ReadInteger(name, "Count", 0);
  checksum += static_cast<std::int64_t>(ini.ReadString(name, "IconPath", "").size());
  checksum += ini.ReadInteger(name, "IconIndex", 0);
  for (int n = 0; n < count; ++n) {
    const std::string suffix = std::to_string(n);
    checksum += static_cast<std::int64_t>(ini.ReadString(name, "Name_" + suffix, "").size());
    checksum += static_cast<std::int64_t>(ini.ReadString(name, "AppPath_" + suffix, "").size());
    checksum += static_cast<std::int64_t>(ini.ReadString(name, "DirPath_" + suffix, "").size());
    checksum += static_cast<std::int64_t>(ini.ReadString(name, "Param_" + suffix, "").size());
    checksum += ini.ReadBool(name, "IsUseCmdp_" + suffix, false);
    checksum += ini.ReadInteger(name, "ShowCmd_" + suffix, 1);
    checksum += ini.ReadInteger(name, "SCK_Key_" + suffix, 0);
    checksum += ini.ReadBool(name, "SCK_Shift_" + suffix, false);
    checksum += ini.ReadBool(name, "SCK_Alt_" + suffix, false);
    checksum += ini.ReadBool(name, "SCK_Ctrl_" + suffix, false);
  }
  return checksum;
}

std::int64_t ReadAllKeys(const TIniFile& ini, int sections) {
  std::int64_t checksum = 0;
  for (int s = 0; s < sections; ++s) checksum += ReadSectionKeys(ini, SectionName(s));
  return checksum;
}

constexpr std::int64_t KeysPerSection() {
  return 5 + 10 * kEntriesPerSection;
}

void BM_ParseAndReadKeyByKey(benchmark::State& state) {
  const int sections = static_cast<int>(state.range(0));
  const std::string bytes = BuildSettings(sections).Serialize();
  for (auto _ : state) {
    const TIniFile ini = TIniFile::Parse(bytes);
    benchmark::DoNotOptimize(ReadAllKeys(ini, sections));
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * sections * KeysPerSection());
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void BM_Parse(benchmark::State& state) {
  const int sections = static_cast<int>(state.range(0));
  const std::string bytes = BuildSettings(sections).Serialize();
  for (auto _ : state) {
    TIniFile ini = TIniFile::Parse(bytes);
    benchmark::DoNotOptimize(ini);
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * sections * KeysPerSection());
}

// The pick list's read: only its extension's section (one in the middle of the
// file), the common entries and the general keys, then that section key by key.
void BM_ParseSectionsAndReadOne(benchmark::State& state) {
  const int sections = static_cast<int>(state.range(0));
  const std::string bytes = BuildSettings(sections).Serialize();
  const std::vector<std::string> wanted = {SectionName(sections / 2), "<COMMON>", ""};
  for (auto _ : state) {
    const TIniValues ini = TIniValues::ParseSections(bytes, wanted);
    benchmark::DoNotOptimize(ReadSectionKeys(ini, wanted.front()));
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

// A save: every key written into an empty in-memory file, then the file's bytes.
void BM_WriteAndSerialize(benchmark::State& state) {
  const int sections = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const TIniFile ini = BuildSettings(sections);
    std::string bytes = ini.Serialize();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * sections * KeysPerSection());
}

// 1,000 sections are about 205,000 keys; 2,000 and 4,000 show how the time grows.
void SectionCounts(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK(BM_ParseAndReadKeyByKey)->Apply(SectionCounts);
BENCHMARK(BM_Parse)->Apply(SectionCounts);
BENCHMARK(BM_ParseSectionsAndReadOne)->Apply(SectionCounts);
BENCHMARK(BM_WriteAndSerialize)->Apply(SectionCounts);

}  // namespace
}  // namespace nuvopick

BENCHMARK_MAIN();
