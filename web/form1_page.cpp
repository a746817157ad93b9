#include "web/form1_page.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "ui/credit_picture_content.h"
#include "web/dom.h"
#include "web/element_builder.h"
#include "web/element_markup.h"

namespace celforo::web {
namespace {

constexpr int kForm1Number = 1;

std::string Name(ElementId element) {
  return IdOf(kForm1Elements[element]);
}

}  // namespace

void Form1Page::Start() {
  StyleForm(kForm1);
  for (const ElementRecord& record : kForm1Elements) MakeElement(kForm1, record);
  ShowTheme(celforo_dom_night() ? Theme::Night : Theme::Day);
  for (const Form1Handler& handler : kForm1Handlers) {
    const bool change = handler.event == FormEvent::Change;
    celforo_dom_listen(Name(handler.element).c_str(), change ? "input" : "click", kForm1Number,
                       static_cast<int>(handler.element), static_cast<int>(handler.event));
  }
  form1_.onForm1Load();
  if (!ended_) celforo_dom_focus(Name(kText1).c_str());
}

void Form1Page::ShowTheme(Theme theme) {
  if (ended_) return;
  ShowPicture(Name(ElementIndex("Picture1")), CreditPictureDisplayList(), PaletteOf(theme));
}

void Form1Page::Deliver(ElementId element, FormEvent event) {
  if (ended_) return;
  for (const Form1Handler& handler : kForm1Handlers) {
    if (handler.element == element && handler.event == event) {
      (form1_.*handler.handle)();
      return;
    }
  }
}

std::string Form1Page::Text(ElementId box) const {
  const std::unique_ptr<char, decltype(&std::free)> value(celforo_dom_value(Name(box).c_str()),
                                                          &std::free);
  return value.get();
}

void Form1Page::SetText(ElementId box, std::string_view text) {
  celforo_dom_set_value(Name(box).c_str(), std::string(text).c_str());
  // A page's own setting of a value raises no input event: the Change is
  // delivered here, before the setting returns.
  Deliver(box, FormEvent::Change);
}

void Form1Page::SetCaption(ElementId label, std::string_view caption) {
  celforo_dom_set_text(Name(label).c_str(), std::string(caption).c_str());
}

void Form1Page::ShowErrorMessage(std::string_view title, std::string_view text) {
  celforo_dom_show_message(std::string(title).c_str(), std::string(text).c_str());
}

void Form1Page::EndProgram() {
  ended_ = true;
  celforo_dom_end_program();
}

}  // namespace celforo::web
