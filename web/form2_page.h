// The planning panel in the web page: its elements built from its table
// inside <div id="Form2">, the operations its handlers need, and its events
// delivered to it. It plans with the set-up of the page's Form1.
#pragma once

#include <optional>
#include <string>

#include "ui/form2.h"
#include "ui/palette.h"
#include "web/form1_page.h"

namespace celforo::web {

class Form2Page final : private Form2Operations {
public:
  explicit Form2Page(Form1Page& form1Page)
      : form1Page_(form1Page), form2_(*this, form1Page.form1()) {}

  // Builds the elements and delivers Load, once: after Form1's.
  void Start();

  // An event of an element, as the page reports it; ignored once the program
  // has ended.
  void Deliver(ElementId element, FormEvent event);

  // Paints the picture again in the colours of `theme`.
  void ShowTheme(Theme theme);

private:
  std::string Text(ElementId field) const override;
  void SetText(ElementId field, std::string_view text) override;
  int Choice(ElementId choice) const override;
  void SetChoice(ElementId choice, int item) override;
  void SetCaption(ElementId label, std::string_view caption) override;
  void SetInvalid(ElementId field, bool invalid) override;
  void SetPicture(ElementId picture, const DisplayList& list) override;
  std::optional<std::string> Remembered(std::string_view key) const override;
  void Remember(std::string_view key, std::string_view value) override;

  Form1Page& form1Page_;
  Form2 form2_;
  DisplayList picture_;
  Theme theme_ = Theme::Day;
  bool started_ = false;
};

}  // namespace celforo::web
