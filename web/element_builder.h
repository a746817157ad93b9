// The page's elements made from a window's table: each record becomes a DOM
// element with the record's name as its id, placed in CSS pixels at 15 twips
// to the pixel, inside the element that stands for its form.
#pragma once

#include <string>

#include "ui/display_list.h"
#include "ui/form1_layout.h"
#include "ui/palette.h"

namespace celforo::web {

// Sizes the form's element and gives it the form's colour and font. A form
// of two columns (wider than kColumnWidth) gets an element for each,
// "Form2-column1" and "Form2-column2", which the page's style sets side by
// side or one over the other as the screen allows.
void StyleForm(const FormRecord& form);

// Makes the record's element as the last child of the form's element, or of
// its column's, placed from the column's corner: in table order, so that
// the document's order is the Tab order. Boxes and
// results are named by their meaning; problem lines and units describe the
// field of the same meaning.
void MakeElement(const FormRecord& form, const ElementRecord& record);

// The id of a record's element: its name.
std::string IdOf(const ElementRecord& record);

// Shows a display list in a picture element, in the colours of `palette`,
// with the list's description as the picture's accessible name.
void ShowPicture(const std::string& id, const DisplayList& list, const Palette& palette);

void SetStyle(const std::string& id, const char* property, const std::string& value);
void SetAttribute(const std::string& id, const char* name, const std::string& value);

}  // namespace celforo::web
