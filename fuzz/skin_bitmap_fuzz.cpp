// Feeds arbitrary bytes to the skin's BMP reader as a file: it must not crash or
// allocate for sizes the file does not hold; a refused file leaves the image as it
// was, a read one has a sane size, and its outline's runs lie inside it in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/bmp_run_length.h"
#include "skin/region_runs.h"
#include "skin/skin_bitmap.h"
#include "support/memory_file_system.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nuvopick;
  const std::string path = "C:\\skn\\a.bmp";
  testing::MemoryFileSystem files;
  files.files[path] = std::string(reinterpret_cast<const char*>(data), size);

  const TPixelImage before(1, 1, TRgb{1, 2, 3});
  TPixelImage image = before;
  if (!LoadSkinBitmap(files, image, path)) {
    Check(image == before);
    return 0;
  }
  Check(image.Width() > 0 && image.Height() > 0);
  Check(image.Width() <= kMaxImageSide && image.Height() <= kMaxImageSide);
  // An image's pixels come from the file: at least one bit each, or, compressed,
  // no more than the stream's length allows.
  const bool runLength = size >= 34 && data[14] != 12 && (data[30] == 1 || data[30] == 2) &&
                         data[31] == 0 && data[32] == 0 && data[33] == 0;
  const std::uint64_t perByte = runLength ? kMaxRunLengthPixelsPerByte : 8;
  Check(std::uint64_t{static_cast<std::uint32_t>(image.Width())} *
            static_cast<std::uint32_t>(image.Height()) <=
        std::uint64_t{size} * perByte);

  const std::vector<TRect> runs = RegionRuns(image, image.Pixel(0, 0));
  const TRect* previous = nullptr;
  for (const TRect& run : runs) {
    Check(run.Left >= 0 && run.Left < run.Right && run.Right <= image.Width());
    Check(run.Top >= 0 && run.Bottom == run.Top + 1 && run.Bottom <= image.Height());
    if (previous != nullptr) {
      Check(previous->Top < run.Top || (previous->Top == run.Top && previous->Right < run.Left));
    }
    previous = &run;
  }
  return 0;
}
