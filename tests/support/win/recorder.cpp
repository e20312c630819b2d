// recorder.exe: a stand-in for an application that NuvoPick starts. It writes
// what it was started with into recorder.out beside itself, one key=value a line.
// The wide command line and its first argument are written in UTF-8, so that a
// file name keeps the characters that the ANSI code page lacks. Every start
// also adds a line to recorder.log (its creation time and first argument), so
// that several starts close together can all be read back in the order made.
#include <windows.h>

#include <fstream>
#include <string>

#include "platform/win/module_path.h"
#include "settings/settings_path.h"
#include "text/command_line.h"
#include "text/win/wide_chars.h"

namespace {

std::string Converted(const std::u16string& text, UINT codePage) {
  const wchar_t* wide = nuvopick::win::WideChars(text);
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(codePage, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide, size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

// Appends in one write to a file opened for appending only: lines of starts
// running at the same time do not mix.
void AppendToLog(const std::string& exe, const std::u16string& firstArgument) {
  FILETIME created{};
  FILETIME unused{};
  GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
  const unsigned long long time =
      (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
  const std::string line = std::to_string(time) + "\t" + Converted(firstArgument, CP_UTF8) + "\n";
  std::string logPath = exe;
  logPath.replace(logPath.size() - 4, 4, ".log");
  HANDLE log = CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string exe = nuvopick::win::RunningExePath();
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  const std::u16string commandLine = nuvopick::win::FromWideChars(GetCommandLineW());
  const std::u16string firstArgument = nuvopick::FirstArgument(commandLine);

  std::string outPath = exe;
  outPath.replace(outPath.size() - 4, 4, ".out");  // recorder.exe → recorder.out
  std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
  out << "commandLine=" << GetCommandLineA() << "\n"
      << "firstArgument=" << Converted(firstArgument, CP_ACP) << "\n"
      << "wideCommandLine=" << Converted(commandLine, CP_UTF8) << "\n"
      << "wideFirstArgument=" << Converted(firstArgument, CP_UTF8) << "\n"
      << "workingFolder=" << folder << "\n"
      << "exePath=" << exe << "\n"
      << "settingsPath=" << nuvopick::SettingsPathFor(exe) << "\n";
  AppendToLog(exe, firstArgument);
  return 0;
}
