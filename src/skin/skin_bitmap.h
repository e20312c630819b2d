// Reading the skin's BMP files into pixel images, without the system's bitmap
// loader: every failure, a hand-made or damaged file included, is an unreadable
// image and never a crash or a huge allocation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "skin/pixel_image.h"

namespace nuvopick {

// Decodes the bytes of a BMP file: the file header, then an OS/2 core header
// (12 bytes) or a Windows information header (40 bytes, or the longer versions
// up to 124 bytes); 1, 4 and 8 bits with a colour table, 4 and 8 bits run-length
// compressed, 16 bits (5-5-5 or bit-field masks), 24 bits, 32 bits (plain or
// bit-field masks); rows bottom-up or top-down (compressed rows only bottom-up).
// Pixels that a compressed file leaves out are black. Sizes above kMaxImageSide and
// kMaxImagePixels, files whose pixel data is not all there and damaged compressed
// data are refused. Returns false and leaves Image as it was when the file cannot
// be read.
bool DecodeBmp(std::string_view bytes, TPixelImage& image);

// Reads the file Path through Files and decodes it: true when it existed and was a
// readable BMP image, which is then in Image; false otherwise, Image unchanged.
bool LoadSkinBitmap(const IFileSystem& files, TPixelImage& image, const std::string& path);

}  // namespace nuvopick
