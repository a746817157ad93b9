// What the planning panel's handlers need from a window system. Each window
// system builds the elements of kForm2Elements, carries out these operations
// on them, and delivers Load, Change and Click to Form2.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/display_list.h"
#include "ui/form1_layout.h"

namespace celforo {

class Form2Operations {
public:
  // The text of a box or of the date-time field ("YYYY-MM-DDTHH:MM" or
  // "YYYY-MM-DD HH:MM", local time), in UTF-8.
  virtual std::string Text(ElementId field) const = 0;

  // Sets the text of a box or of the date-time field. No Change follows: the
  // handlers act on their own settings themselves.
  virtual void SetText(ElementId field, std::string_view text) = 0;

  // The item chosen in a choice, from 0, in the order of its caption's lines.
  virtual int Choice(ElementId choice) const = 0;
  virtual void SetChoice(ElementId choice, int item) = 0;

  // Sets the caption of a result label or a problem line.
  virtual void SetCaption(ElementId label, std::string_view caption) = 0;

  // Marks a field as holding a text that cannot be used (or not), and ties
  // it to the problem line that says why, for a screen reader.
  virtual void SetInvalid(ElementId field, bool invalid) = 0;

  // What the picture shows from now on.
  virtual void SetPicture(ElementId picture, const DisplayList& list) = 0;

  // The panel's inputs kept between runs, by key: nothing when none is kept
  // or the store cannot be read.
  virtual std::optional<std::string> Remembered(std::string_view key) const = 0;
  virtual void Remember(std::string_view key, std::string_view value) = 0;

protected:
  ~Form2Operations() = default;
};

}  // namespace celforo
