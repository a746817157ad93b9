// Form1 in a web page: the elements built from the window's table as DOM
// elements inside <main id="Form1">, the operations Form1 needs, and the
// page's input and click events delivered to it.
#pragma once

#include "ui/form1.h"
#include "ui/palette.h"

namespace celforo::web {

class Form1Page final : private Form1Operations {
public:
  // Builds the elements, delivers Load and puts the focus in Text1.
  void Start();

  // An event of an element, as the page reports it; ignored once the program
  // has ended, or when the element has no handler for it.
  void Deliver(ElementId element, FormEvent event);

  // Paints the credit picture again in the colours of `theme`.
  void ShowTheme(Theme theme);

  Form1& form1() { return form1_; }
  Form1Operations& operations() { return *this; }
  bool ended() const { return ended_; }

private:
  std::string Text(ElementId box) const override;
  void SetText(ElementId box, std::string_view text) override;
  void SetCaption(ElementId label, std::string_view caption) override;
  void ShowErrorMessage(std::string_view title, std::string_view text) override;
  void EndProgram() override;

  Form1 form1_{*this};
  bool ended_ = false;
};

}  // namespace celforo::web
