#include "nuvopick_run.h"

#include <windows.h>

#include <stdexcept>

#include "text/ansi_text.h"

namespace nuvopick::testing {

TNuvoPickRun::TNuvoPickRun(const std::string& testName) : folder_(testName) {
  const std::string built = TestProgramFolder() + "\\NuvoPick.exe";
  if (!CopyFileA(built.c_str(), ExePath().c_str(), FALSE)) {
    throw std::runtime_error("cannot copy " + built);
  }
}

TProcess& TNuvoPickRun::Start(const std::string& arguments) {
  std::string commandLine = "\"" + ExePath() + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  process_ = std::make_unique<TProcess>(ExePath(), commandLine, folder_.Path());
  return *process_;
}

TProcess& TNuvoPickRun::Start(const std::u16string& arguments) {
  std::u16string commandLine = u"\"" + WidenAnsi(ExePath()) + u"\"";
  if (!arguments.empty()) commandLine += u" " + arguments;
  process_ = std::make_unique<TProcess>(ExePath(), commandLine, folder_.Path());
  return *process_;
}

}  // namespace nuvopick::testing
