// The gather mark against the real system: one holder per name, the file handed
// over whole by WM_COPYDATA, the holder's answer, and the name free once given up.
#include "platform/win/win_gather_mark.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvopick::win {
namespace {

TEST(WinGatherMark, OneHolderTakesTheFilesUntilItGivesTheMarkUp) {
  const std::u16string name =
      u"Local\\NuvoPick_Gather_Test_" +
      std::u16string(1, static_cast<char16_t>(u'A' + GetCurrentProcessId() % 26));
  std::vector<std::u16string> received;
  bool taking = true;
  TWinGatherMark holder;
  TWinGatherMark other;
  ASSERT_TRUE(holder.Claim(name, [&](const std::u16string& path) {
    received.push_back(path);
    return taking;
  }));
  EXPECT_FALSE(other.Claim(name, [](const std::u16string&) { return true; }));

  const std::u16string file = u"C:\\np\\é한ü\\表 \U0001F600 1.txt";
  EXPECT_EQ(other.HandOver(name, file), THandOver::Taken);
  taking = false;
  EXPECT_EQ(other.HandOver(name, u"C:\\late.txt"), THandOver::Refused);
  EXPECT_EQ(received, (std::vector<std::u16string>{file, u"C:\\late.txt"}));

  holder.Release();
  const DWORD start = GetTickCount();
  EXPECT_EQ(other.HandOver(name, file), THandOver::NoCollector);
  EXPECT_LT(GetTickCount() - start, 500u);  // no window to wait for once the mutex is gone
  EXPECT_TRUE(other.Claim(name, [](const std::u16string&) { return true; }));
}

}  // namespace
}  // namespace nuvopick::win
