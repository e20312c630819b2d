// The first argument as the program sees it when another process starts it with
// a given command line: recorder.exe writes down what it found.
#include <gtest/gtest.h>

#include "support/win/process.h"
#include "support/win/recorder_output.h"
#include "support/win/temp_folder.h"

namespace nuvopick {
namespace {

using namespace testing;

struct TCommandLineCase {
  const char* arguments;  // what follows the program's own quoted name
  const char* firstArgument;
};

TEST(CommandLineUnderWindows, TheFirstArgumentOfARealCommandLine) {
  const std::string recorder = TestProgramFolder() + "\\recorder.exe";
  const TCommandLineCase cases[] = {
      {"", ""},
      {"\"\"", ""},
      {"\"\" /test", "/test"},
      {"/test", "/test"},
      {"/TEST", "/TEST"},
      {"/test second", "/test"},
      {"\"C:\\docs\\a b.txt\"", "C:\\docs\\a b.txt"},
      {"C:\\docs\\a b.txt", "C:\\docs\\a"},
      {"\"C:\\表\\予定表.txt\"", "C:\\表\\予定表.txt"},  // 表 ends in the byte 0x5C
      {"C:\\ソ\"x y\"", "C:\\ソx y"},                    // ソ ends in 0x5C: no escape of the quote
  };
  for (const auto& c : cases) {
    const std::string commandLine = "\"" + recorder + "\" " + c.arguments;
    TProcess process(recorder, commandLine, "");
    ASSERT_EQ(process.WaitForExit(10000), 0u) << commandLine;
    EXPECT_EQ(ReadRecorderOutput(recorder)["firstArgument"], c.firstArgument) << commandLine;
  }
}

}  // namespace
}  // namespace nuvopick
