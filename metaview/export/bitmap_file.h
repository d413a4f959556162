#pragma once
// Windows BMP files from pixels of 16 (5-6-5), 24 or 32 bits per pixel.

#include "metaview/document/archive.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace metaview {

/// Pixels as a device-independent bitmap holds them: rows bottom-up, each padded to a
/// multiple of 4 bytes; 16-bit pixels are 5-6-5, 24-bit B,G,R, 32-bit B,G,R,unused.
struct BitmapPixels {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bitsPerPixel = 32;
    std::uint32_t pixelsPerMetre = 0; ///< both directions
    std::span<const std::byte> rows;
};

/// Bytes of one padded row.
std::uint64_t BitmapRowStride(std::uint32_t width, std::uint16_t bitsPerPixel);

/// The file header (14 bytes) and the header block: BITMAPINFOHEADER (40 bytes), followed for
/// 16 and 32 bits by the three colour masks (12 bytes). Empty when the pixels do not match
/// their description or the file would exceed 4 GiB.
std::vector<std::byte> BitmapFilePrefix(const BitmapPixels& bitmap);

} // namespace metaview

/// Writes the bitmap as a BMP file to sink; false when the pixels do not match their
/// description or a write fails.
bool WriteBitmapFile(const metaview::BitmapPixels& bitmap, metaview::ByteSink& sink);

/// Writes the bitmap as a BMP file that replaces path only when complete; false with a
/// message, an old file at path untouched.
bool WriteBitmapFile(const metaview::BitmapPixels& bitmap, const std::filesystem::path& path,
                     std::string& error);
