// Pixels written as a PNG file, without a compression library: the image
// data in stored (uncompressed) deflate blocks, as the PNG standard
// (ISO/IEC 15948, W3C PNG 2nd edition) allows, with its CRC-32 and Adler-32.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace celforo::win32 {

// `pixels` are rows top to bottom of `width` pixels, each 0xRRGGBB; the
// file is 8-bit RGB, not interlaced. A 1 x 1 white image is 69 bytes
// starting "\x89PNG\r\n\x1A\n".
std::string EncodePng(int width, int height, std::span<const std::uint32_t> pixels);

// The CRC-32 of PNG chunks (and of zip, gzip): "IEND" gives 0xAE426082.
std::uint32_t Crc32(std::string_view bytes);

}  // namespace celforo::win32
