// What the Windows tests read from the screen: a window's text and class,
// and its pixels, captured from the window or from the screen as shown.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "win32/text.h"

namespace celforo::win32 {

inline std::string WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

inline std::wstring ClassName(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// Writes pixels (0xRRGGBB, any top byte, rows from the top) as a 24-bit BMP file.
inline void WriteBmp(const std::string& path, int width, int height,
                     const std::vector<std::uint32_t>& pixels) {
  const int row = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(row * height);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  std::vector<char> line(static_cast<std::size_t>(row), 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t colour = pixels[static_cast<std::size_t>(y * width + x)];
      line[static_cast<std::size_t>(x * 3)] = static_cast<char>(colour & 0xFF);
      line[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>((colour >> 8) & 0xFF);
      line[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>((colour >> 16) & 0xFF);
    }
    out.write(line.data(), row);
  }
}

// The client area as 32-bit pixels, read back from the window; or the whole
// window, frame and all, as the screen shows it.
class Capture {
public:
  explicit Capture(HWND hwnd, bool withFrame = false) {
    RECT area;
    if (withFrame) {
      GetWindowRect(hwnd, &area);
    } else {
      GetClientRect(hwnd, &area);
    }
    Take(withFrame ? nullptr : hwnd, area);
  }
  // A rectangle of the screen.
  explicit Capture(const RECT& onScreen) { Take(nullptr, onScreen); }

  // Pixels in `area` (all by default) with green or blue: what night mode
  // never draws; and pixels that are clearly red.
  int NotNight(RECT area = {0, 0, 1 << 30, 1 << 30}) const {
    return Count(area, [](std::uint32_t c) { return (c & 0xFFFF) != 0; });
  }
  int Red(RECT area = {0, 0, 1 << 30, 1 << 30}) const {
    return Count(area, [](std::uint32_t c) {
      return (c >> 16) > 150 && ((c >> 8) & 0xFF) < 100 && (c & 0xFF) < 100;
    });
  }

private:
  template <typename Test>
  int Count(RECT area, Test test) const {
    int count = 0;
    for (int y = std::max(0, static_cast<int>(area.top));
         y < std::min(height_, static_cast<int>(area.bottom)); ++y)
      for (int x = std::max(0, static_cast<int>(area.left));
           x < std::min(width_, static_cast<int>(area.right)); ++x)
        count += test(At(x, y));
    return count;
  }

  void Take(HWND source, const RECT& area) {
    width_ = area.right - area.left;
    height_ = area.bottom - area.top;
    const HDC window = GetDC(source);
    const HDC memory = CreateCompatibleDC(window);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, window, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(pixels, pixels + width_ * height_);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(source, window);
  }

public:
  // The colour at (x, y) as 0xRRGGBB.
  std::uint32_t At(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y * width_ + x)] & 0xFFFFFF;
  }

  // Writes the capture as a 24-bit BMP file.
  void Save(const std::string& path) const { WriteBmp(path, width_, height_, pixels_); }

  int width() const { return width_; }
  int height() const { return height_; }

private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace celforo::win32
