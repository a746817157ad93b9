// The elements of a form's table made as Qt widgets, the same way for Form1
// and the planning panel: each in its place and font, named by its record's
// name, and the ones that take the focus chained in the table's Tab order.
#pragma once

#include <QWidget>
#include <array>
#include <cstddef>

#include "ui/form1_layout.h"

namespace celforo::qt {

// Makes `record`'s element in `client`, on `form`'s ground. A field (a box,
// a choice or the date-time field) carries its meaning as its accessible
// name; a result, a picture and a rectangle start empty, for the window to
// fill. When the element takes the focus, it comes after `previousInTabOrder`
// and becomes it.
QWidget* MakeElement(const FormRecord& form, const ElementRecord& record, QWidget* client,
                     QWidget*& previousInTabOrder);

template <std::size_t N>
std::array<QWidget*, N> MakeElements(const FormRecord& form,
                                     const std::array<ElementRecord, N>& table, QWidget* client) {
  std::array<QWidget*, N> elements{};
  QWidget* previousInTabOrder = nullptr;
  for (std::size_t i = 0; i < N; ++i)
    elements[i] = MakeElement(form, table[i], client, previousInTabOrder);
  return elements;
}

// Gives `widget` a ground of `colour`, painted.
void SetBackground(QWidget* widget, Rgb colour);

}  // namespace celforo::qt
