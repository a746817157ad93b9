// The static description of the window: its frame and its sixteen elements,
// with positions and sizes in twips (15 to the logical pixel).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace celforo {

inline constexpr int kTwipsPerPixel = 15;

// 480 twips is 32 logical pixels.
constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

struct Rgb {
  int red, green, blue;
};

struct FormRecord {
  std::string_view name;
  std::string_view title;
  std::uint16_t clientWidth, clientHeight;  // twips
  Rgb background;
};

inline constexpr FormRecord kForm1{"Form1", "             CELFORO", 5055, 5625, {192, 255, 255}};

// Form1 is made of the first six kinds; the planning panel also has a choice
// from a list, a date-time field and lines that name a problem of its input.
enum class ElementKind {
  TextBox,
  PushButton,
  CaptionLabel,
  ResultLabel,
  PictureBox,
  Rectangle,
  Choice,
  DateTimeField,
  ProblemLabel
};

// Elements take Centre or Left; a picture's text may also take Right.
enum class TextAlign { Centre, Left, Right };

struct ElementRecord {
  std::string_view name;
  ElementKind kind;
  std::string_view caption;                // the text shown at creation; a choice's items,
                                           // one a line
  std::uint16_t left, top, width, height;  // twips, from the client area's corner
  int tabIndex;                            // -1: none
  double fontSize;                         // points; 0: shows no text
  std::string_view meaning;                // fields and results: the caption naming the value;
                                           // units and problem lines: that of their field
  TextAlign align = TextAlign::Centre;     // of the text across the element
};

// The most a box holds, in UTF-16 code units: a longer paste is cut there, so
// that no paste can make the window slow.
inline constexpr int kBoxCharacters = 65535;

inline constexpr Rgb kResultBackground{255, 255, 255};
inline constexpr Rgb kFrameColour{192, 192, 192};
inline constexpr int kFrameWidth = 3;  // pixels

// In tab-index order; the rectangle, having no tab index, comes last.
inline constexpr std::array<ElementRecord, 16> kForm1Elements{{
    {"Text1", ElementKind::TextBox, "", 480, 480, 1695, 375, 0, 12, "FOC. OBBIETTIVO"},
    {"Text2", ElementKind::TextBox, "", 2880, 480, 1695, 375, 1, 12, "FOC. OCULARE"},
    {"Text3", ElementKind::TextBox, "", 1680, 1200, 1695, 375, 2, 12, "EXTR. OCULARE"},
    {"Command1", ElementKind::PushButton, "CALCOLA", 360, 4080, 1815, 495, 3, 13.5, ""},
    {"Label3", ElementKind::CaptionLabel, "FOC. OBBIETTIVO", 360, 240, 1935, 255, 4, 9.75, ""},
    {"Label4", ElementKind::CaptionLabel, "FOC. OCULARE", 2880, 240, 1695, 255, 5, 9.75, ""},
    {"Label5", ElementKind::CaptionLabel, "EXTR. OCULARE", 1560, 960, 1935, 255, 6, 9.75, ""},
    {"Label6", ElementKind::CaptionLabel, "INGRANDIMENTI", 360, 1920, 2055, 255, 7, 9.75, ""},
    {"Label7", ElementKind::CaptionLabel, "FOC. EQUIVALENTE", 2520, 1920, 2295, 255, 8, 9.75, ""},
    {"Label1", ElementKind::ResultLabel, "", 360, 2280, 2055, 375, 9, 12, "INGRANDIMENTI"},
    {"Label2", ElementKind::ResultLabel, "", 2640, 2280, 2055, 375, 10, 12, "FOC. EQUIVALENTE"},
    {"Picture1", ElementKind::PictureBox, "", 2280, 3840, 2670, 1755, 11, 0, ""},
    {"Label8", ElementKind::ResultLabel, "", 1440, 3120, 2055, 375, 12, 12,
     "DIST. PIANO FOCALE - OCUL.ARE"},
    {"Label9", ElementKind::CaptionLabel, "DIST. PIANO FOCALE - OCUL.ARE", 360, 2760, 4335, 375, 13,
     9.75, ""},
    {"Command2", ElementKind::PushButton, "ESCI", 720, 4800, 1095, 495, 14, 13.5, ""},
    {"Shape1", ElementKind::Rectangle, "", 240, 1800, 4575, 1815, -1, 0, ""},
}};

// An element's place in kForm1Elements, which is how Form1 and the window
// systems name it: ElementIndex("Text3") is 2. An unknown name does not compile.
using ElementId = std::size_t;

template <std::size_t N>
consteval ElementId IndexIn(const std::array<ElementRecord, N>& elements, std::string_view name) {
  for (ElementId i = 0; i < N; ++i)
    if (elements[i].name == name) return i;
  throw "no element of that name";
}

consteval ElementId ElementIndex(std::string_view name) {
  return IndexIn(kForm1Elements, name);
}

// The font every element with text uses, and the families tried in its place
// where it is not installed, in order.
inline constexpr std::string_view kFontFamily = "MS Sans Serif";
inline constexpr std::array<std::string_view, 5> kFontSubstitutes{
    "Microsoft Sans Serif", "Tahoma", "Liberation Sans", "Arial", "DejaVu Sans"};

}  // namespace celforo
