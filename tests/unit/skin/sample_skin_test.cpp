// The sample skin shipped in skn/ reads and composes into a shaped window. The test
// program finds the folder in its working folder: ctest runs it in its build
// folder, where the build copies skn/, and a run from the repository's root finds
// the original.
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>

#include "skin/region_runs.h"
#include "skin/skin_composition.h"
#include "skin/skin_settings.h"

namespace nuvopick::testing {
namespace {

// Reads real files; the program's backslashes become slashes where that is the
// separator.
class DiskFileSystem : public IFileSystem {
 public:
  bool FileExists(const std::string& path) const override {
    return std::ifstream(Native(path)).good();
  }
  bool DirectoryExists(const std::string&) const override { return false; }
  std::optional<std::string> ReadAll(const std::string& path) const override {
    std::ifstream file(Native(path), std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  bool WriteAllAtomically(const std::string&, const std::string&) override { return false; }
  bool RemoveFile(const std::string&) override { return false; }

 private:
  static std::string Native(std::string path) {
#ifndef _WIN32
    for (char& c : path) {
      if (c == '\\') c = '/';
    }
#endif
    return path;
  }
};

TEST(SampleSkin, ReadsAndComposesIntoAWindowWithRoundedCorners) {
  const DiskFileSystem files;
  ASSERT_TRUE(files.FileExists("skn\\sample.skn")) << "run from the build or repository folder";
  const TSkinSettings skin = ReadSkin(files, "skn\\sample.skn", "Arial", 12);
  ASSERT_TRUE(skin.IsUsable());
  for (const TPixelImage* corner :
       {&skin.BmpTopLeft, &skin.BmpTopRight, &skin.BmpBottomLeft, &skin.BmpBottomRight}) {
    EXPECT_FALSE(corner->IsEmpty());
  }
  EXPECT_FALSE(skin.BmpBack.IsEmpty());
  EXPECT_TRUE(skin.EnumBackBmp);
  EXPECT_EQ(skin.TransColor, (TRgb{255, 0, 255}));
  EXPECT_EQ(skin.Font.Name, "ＭＳ ゴシック");
  EXPECT_EQ(skin.Font.Size, 9);
  EXPECT_EQ(skin.SelFont.Name, "ＭＳ ゴシック");
  EXPECT_TRUE(skin.SelFont.Style.Bold);

  // Seven rows, as the test form shows them.
  const std::optional<TComposedSkin> composed = ComposeSkin(skin, 17, 150, 7);
  ASSERT_TRUE(composed);
  const TSkinLayout& layout = composed->Layout;
  const TRect& list = layout.ListRect;
  const std::vector<TRect> runs = RegionRuns(composed->Frame, skin.TransColor);

  // One run per row: the outline has no holes. Rows beside the list reach from edge
  // to edge; the first and last rows are cut short by the rounded corners.
  ASSERT_EQ(runs.size(), static_cast<std::size_t>(layout.FrameSize.Height));
  for (const TRect& run : runs) {
    if (run.Top >= list.Top && run.Top < list.Bottom) {
      EXPECT_EQ(run.Left, 0);
      EXPECT_EQ(run.Right, layout.FrameSize.Width);
    }
  }
  const TRect& first = runs.front();
  const TRect& last = runs.back();
  EXPECT_GT(first.Left, 2);
  EXPECT_EQ(first.Left, layout.FrameSize.Width - first.Right);  // symmetric
  EXPECT_EQ(last.Left, first.Left);
  EXPECT_EQ(last.Right, first.Right);
}

}  // namespace
}  // namespace nuvopick::testing
