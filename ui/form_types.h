// What the forms are made of, whichever form: a form's frame, its elements
// as records with places and sizes in twips (15 to the logical pixel at 96
// dots per inch), the look they share, and the events a window system
// delivers to a form's handlers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

// Which window systems build an element: every one, or the web page alone
// (what only a browser can do, such as asking the device for its position).
// A window system leaves out what it does not build, and delivers nothing
// for it.
enum class Platforms { All, PageOnly };

struct ElementRecord {
  std::string_view name;
  ElementKind kind;
  std::string_view caption;                // the text shown at creation; a choice's items,
                                           // one a line
  std::uint16_t left, top, width, height;  // twips, from the client area's corner
  int tabIndex;                            // -1: none
  double fontSize;                         // points; 0: shows no text
  std::string_view meaning;                // fields and results: the caption naming the value;
                                           // units and problem lines: that of their field;
                                           // a push button: its accessible name where its
                                           // caption alone does not say what it does
                                           // ("SALVA TELESCOPIO" for a button showing "SALVA")
  TextAlign align = TextAlign::Centre;     // of the text across the element
  Platforms platforms = Platforms::All;
};

// A form is one column or two of kColumnWidth twips, the second beside the
// first: an element whose left edge is at or beyond kColumnWidth belongs to
// the second column. The desktop windows show the columns side by side; a
// page on a screen narrower than both stacks the second under the first.
// Reading and Tab order go through the first column, then the second.
inline constexpr int kColumnWidth = 5055;

// 0 for the first column, 1 for the second: an element at left 5175 is in
// the second.
constexpr int ColumnOf(const ElementRecord& record) {
  return record.left >= kColumnWidth ? 1 : 0;
}

// What a screen reader calls a push button: "SALVA TELESCOPIO" for SALVA
// beside TELESCOPIO, its caption where it says enough ("ADATTA").
constexpr std::string_view ButtonName(const ElementRecord& record) {
  return record.meaning.empty() ? record.caption : record.meaning;
}

// The most a box holds, in UTF-16 code units: a longer paste is cut there, so
// that no paste can make the window slow.
inline constexpr int kBoxCharacters = 65535;

inline constexpr Rgb kResultBackground{255, 255, 255};
inline constexpr Rgb kFrameColour{192, 192, 192};
inline constexpr int kFrameWidth = 3;  // pixels

// An element's place in its form's table, which is how the forms and the
// window systems name it. An unknown name does not compile.
using ElementId = std::size_t;

template <std::size_t N>
consteval ElementId IndexIn(const std::array<ElementRecord, N>& elements, std::string_view name) {
  for (ElementId i = 0; i < N; ++i)
    if (elements[i].name == name) return i;
  std::abort();  // no constant expression: a name not in the table does not compile
}

// The font every element with text uses, and the families tried in its place
// where it is not installed, in order.
inline constexpr std::string_view kFontFamily = "MS Sans Serif";
inline constexpr std::array<std::string_view, 5> kFontSubstitutes{
    "Microsoft Sans Serif", "Tahoma", "Liberation Sans", "Arial", "DejaVu Sans"};

// What a window system tells a form's handlers: an element's text or choice
// changed, or a button was pressed.
enum class FormEvent { Change, Click };

}  // namespace celforo
