// What Form1's handlers need from a window system, and nothing more. Each
// window system builds the elements of kForm1Elements, carries out these
// operations on them, and delivers Load, Change and Click to Form1.
#pragma once

#include <string>
#include <string_view>

#include "ui/form1_layout.h"

namespace celforo {

class Form1Operations {
public:
  // The text of a box, in UTF-8.
  virtual std::string Text(ElementId box) const = 0;

  // Sets the text of a box. The box's Change is delivered before this
  // returns, just as when the user types.
  virtual void SetText(ElementId box, std::string_view text) = 0;

  // Sets the caption of a result label.
  virtual void SetCaption(ElementId label, std::string_view caption) = 0;

  // Shows a modal message box owned by the window, with an error icon and one
  // OK button. Until the user dismisses it the window takes no input, and the
  // focus then goes back where it was. It may return before the dismissal (a
  // web page cannot wait inside a call) or after it (the desktop windows), so
  // a caller does nothing after it that the user should see first.
  virtual void ShowErrorMessage(std::string_view title, std::string_view text) = 0;

  // Ends the program at once, with exit status 0.
  virtual void EndProgram() = 0;

protected:
  ~Form1Operations() = default;
};

}  // namespace celforo
