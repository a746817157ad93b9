#include "win32/png_encoder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace celforo::win32 {
namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  std::string typed(type);
  typed += data;
  out += typed;
  PutBigEndian(out, Crc32(typed));
}

// zlib's stream (RFC 1950) of `raw` in stored deflate blocks (RFC 1951
// 3.2.4), at most 65535 bytes each.
std::string StoredZlib(std::string_view raw) {
  std::string out{"\x78\x01", 2};
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
    const bool last = at + length == raw.size();
    out.push_back(last ? '\x01' : '\x00');
    const auto n = static_cast<std::uint16_t>(length);
    const auto complement = static_cast<std::uint16_t>(~n);
    out.push_back(static_cast<char>(n & 0xFF));
    out.push_back(static_cast<char>(n >> 8));
    out.push_back(static_cast<char>(complement & 0xFF));
    out.push_back(static_cast<char>(complement >> 8));
    out.append(raw.substr(at, length));
    at += length;
  } while (at < raw.size());
  std::uint32_t a = 1, b = 0;  // Adler-32
  for (const char c : raw) {
    a = (a + static_cast<unsigned char>(c)) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian(out, (b << 16) | a);
  return out;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes)
    crc = table[(crc ^ static_cast<unsigned char>(c)) & 0xFFu] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::string EncodePng(int width, int height, std::span<const std::uint32_t> pixels) {
  std::string out{"\x89PNG\r\n\x1A\n", 8};
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header += std::string{"\x08\x02\x00\x00\x00", 5};  // 8 bits, RGB, deflate, filters, no interlace
  PutChunk(out, "IHDR", header);
  std::string raw;
  raw.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
  for (int y = 0; y < height; ++y) {
    raw.push_back('\0');  // no filter
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)];
      raw.push_back(static_cast<char>((pixel >> 16) & 0xFFu));
      raw.push_back(static_cast<char>((pixel >> 8) & 0xFFu));
      raw.push_back(static_cast<char>(pixel & 0xFFu));
    }
  }
  PutChunk(out, "IDAT", StoredZlib(raw));
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace celforo::win32
