// recorder.exe: a stand-in for an application that NuvoPick starts. It writes
// what it was started with into recorder.out beside itself, one key=value a line.
#include <windows.h>

#include <fstream>

#include "platform/win/module_path.h"
#include "settings/settings_path.h"
#include "text/command_line.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string exe = nuvopick::win::RunningExePath();
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);

  std::string outPath = exe;
  outPath.replace(outPath.size() - 4, 4, ".out");  // recorder.exe → recorder.out
  std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
  out << "commandLine=" << GetCommandLineA() << "\n"
      << "firstArgument=" << nuvopick::FirstArgument(GetCommandLineA()) << "\n"
      << "workingFolder=" << folder << "\n"
      << "exePath=" << exe << "\n"
      << "settingsPath=" << nuvopick::SettingsPathFor(exe) << "\n";
  return 0;
}
