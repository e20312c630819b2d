#include "identity/start_mode.h"

#include <gtest/gtest.h>

#include "text/command_line.h"

namespace nuvopick {
namespace {

TEST(StartMode, ChosenFromTheWholeCommandLine) {
  const struct {
    const char16_t* commandLine;
    TStartMode mode;
  } cases[] = {
      {u"\"C:\\x\\NuvoPick.exe\"", TStartMode::Setup},
      {u"\"C:\\x\\NuvoPick.exe\" \"\"", TStartMode::Setup},
      {u"\"C:\\x\\NuvoPick.exe\" /test", TStartMode::TestForm},
      {u"\"C:\\x\\NuvoPick.exe\" /test x", TStartMode::TestForm},
      {u"\"C:\\x\\NuvoPick.exe\" \"/test\"", TStartMode::TestForm},
      {u"\"C:\\x\\NuvoPick.exe\" /TEST", TStartMode::OpenFile},
      {u"\"C:\\x\\NuvoPick.exe\" /test.txt", TStartMode::OpenFile},
      {u"\"C:\\x\\NuvoPick.exe\" \"C:\\no such file.txt\"", TStartMode::OpenFile},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectStartMode(FirstArgument(c.commandLine)), c.mode)
        << ::testing::PrintToString(c.commandLine);
  }
}

}  // namespace
}  // namespace nuvopick
