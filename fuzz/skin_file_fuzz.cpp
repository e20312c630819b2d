// Feeds arbitrary bytes to the skin file reader as the skin file, beside a few
// small BMP files it may name, and composes the window from what it read: nothing
// may crash, and the composed frame must agree with its layout.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/region_runs.h"
#include "skin/skin_composition.h"
#include "skin/skin_settings.h"
#include "support/memory_file_system.h"
#include "unit/skin/skin_images.h"

namespace {

using namespace nuvopick;

void Check(bool condition) {
  if (!condition) std::abort();
}

// The images a fuzzed skin file can name: a.bmp … e.bmp, of different sizes, and
// one in a sub-folder.
testing::MemoryFileSystem MakeFiles() {
  testing::MemoryFileSystem files;
  const std::pair<const char*, TPixelImage> images[] = {
      {"C:\\skn\\a.bmp", testing::MarkedTile(8, 8, TRgb{10, 20, 30}, TRgb{255, 0, 255})},
      {"C:\\skn\\b.bmp", testing::CoordinateImage(3, 5)},
      {"C:\\skn\\c.bmp", TPixelImage(1, 1)},
      {"C:\\skn\\d.bmp", testing::CoordinateImage(30, 30)},
      {"C:\\skn\\e.bmp", testing::MarkedTile(12, 2, TRgb{255, 0, 255}, TRgb{})},
      {"C:\\skn\\p\\t.bmp", testing::CoordinateImage(10, 16)},
  };
  for (const auto& [path, image] : images) files.files[path] = testing::Bmp24(image);
  return files;
}

std::int64_t PixelCount(const std::vector<TRect>& rects) {
  std::int64_t count = 0;
  for (const TRect& r : rects) count += std::int64_t{r.Width()} * r.Height();
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const testing::MemoryFileSystem kImages = MakeFiles();
  const std::string path = "C:\\skn\\f.skn";
  testing::MemoryFileSystem files = kImages;
  files.files[path] = std::string(reinterpret_cast<const char*>(data), size);

  const TSkinSettings skin = ReadSkin(files, path, "Font", 9);
  Check(skin.SelFont.CharSet == skin.Font.CharSet);

  // The row metrics the window would measure, varied with the input.
  const auto itemHeight = static_cast<std::int32_t>(1 + size % 37);
  const auto textWidth = static_cast<std::int32_t>(size * 7 % 301);
  const int itemCount = static_cast<int>(1 + size % 11);
  const std::optional<TComposedSkin> composed = ComposeSkin(skin, itemHeight, textWidth, itemCount);
  Check(composed.has_value() == skin.IsUsable());
  if (!composed) return 0;

  const TSkinLayout& layout = composed->Layout;
  const TRect& list = layout.ListRect;
  Check(composed->Frame.Width() == layout.FrameSize.Width);
  Check(composed->Frame.Height() == layout.FrameSize.Height);
  Check(list.Left >= 0 && list.Top >= 0 && list.Right <= layout.FrameSize.Width &&
        list.Bottom <= layout.FrameSize.Height);
  Check(list.Width() > textWidth && list.Height() > itemHeight * itemCount);
  Check(list.Width() % skin.BmpTop.Width() == 0 || list.Width() % skin.BmpBottom.Width() == 0);
  Check(composed->Background.Width() == list.Width());
  Check(composed->Background.Height() == list.Height());

  // The list area is never cut away, and bands cover exactly what the runs cover.
  const std::vector<TRect> runs = RegionRuns(composed->Frame, skin.TransColor);
  std::int64_t listPixels = 0;
  for (const TRect& run : runs) {
    if (run.Top >= list.Top && run.Top < list.Bottom) {
      listPixels += std::max(0, std::min(run.Right, list.Right) - std::max(run.Left, list.Left));
    }
  }
  Check(listPixels == std::int64_t{list.Width()} * list.Height());
  Check(PixelCount(MergeRunBands(runs)) == PixelCount(runs));

  // Another list size for the background, odd so that the centre rounds.
  const TPixelImage other = ComposeSkinBackground(skin, TSize{37, 23});
  Check(other.Width() == 37 && other.Height() == 23);
  return 0;
}
