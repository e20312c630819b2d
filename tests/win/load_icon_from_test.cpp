// Icons of a file, and the program's own document icon when the file is missing.
#include "platform/win/load_icon_from.h"

#include <gtest/gtest.h>
#include <vector>

#include "platform/win/module_path.h"
#include "support/win/temp_folder.h"

namespace nuvopick::win {
namespace {

// The 32 x 32 colour pixels of an icon, to tell two icons apart.
std::vector<unsigned char> Pixels(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAPINFOHEADER header{sizeof header, 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<unsigned char> pixels(32 * 32 * 4);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, 32, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels;
}

// This test program carries the program's icons: 0 the program, 1 the document.
TEST(LoadIconFrom, AMissingFileGivesTheProgramsDocumentIcon) {
  const std::string self = RunningExePath();
  TIcon program = LoadIconFrom(self, 0);
  TIcon document = LoadIconFrom(self, 1);
  ASSERT_TRUE(program);
  ASSERT_TRUE(document);
  EXPECT_NE(Pixels(program.Get()), Pixels(document.Get()));

  TIcon fallback = LoadIconFrom("C:\\no\\such\\file.ico", 0);
  ASSERT_TRUE(fallback);
  EXPECT_EQ(Pixels(fallback.Get()), Pixels(document.Get()));
}

TEST(LoadIconFrom, NoIconAtTheIndexOrInTheFileGivesAnEmptyIcon) {
  EXPECT_FALSE(LoadIconFrom(RunningExePath(), 7));

  testing::TTempFolder folder("icons");
  testing::WriteFileText(folder / "plain.txt", "no icons here");
  EXPECT_FALSE(LoadIconFrom(folder / "plain.txt", 0));
}

}  // namespace
}  // namespace nuvopick::win
