#include "identity/start_mode.h"

#include <gtest/gtest.h>

#include "text/command_line.h"

namespace nuvopick {
namespace {

TEST(StartMode, ChosenFromTheWholeCommandLine) {
  const struct {
    const char* commandLine;
    TStartMode mode;
  } cases[] = {
      {"\"C:\\x\\NuvoPick.exe\"", TStartMode::Setup},
      {"\"C:\\x\\NuvoPick.exe\" \"\"", TStartMode::Setup},
      {"\"C:\\x\\NuvoPick.exe\" /test", TStartMode::TestForm},
      {"\"C:\\x\\NuvoPick.exe\" /test x", TStartMode::TestForm},
      {"\"C:\\x\\NuvoPick.exe\" \"/test\"", TStartMode::TestForm},
      {"\"C:\\x\\NuvoPick.exe\" /TEST", TStartMode::OpenFile},
      {"\"C:\\x\\NuvoPick.exe\" /test.txt", TStartMode::OpenFile},
      {"\"C:\\x\\NuvoPick.exe\" \"C:\\no such file.txt\"", TStartMode::OpenFile},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectStartMode(FirstArgument(c.commandLine)), c.mode) << c.commandLine;
  }
}

}  // namespace
}  // namespace nuvopick
