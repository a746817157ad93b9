#include "web/form1_page.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "ui/credit_picture.h"
#include "web/dom.h"
#include "web/element_markup.h"

namespace celforo::web {
namespace {

const char* const kFormId = "Form1";

struct ElementLook {
  const char* tag;
  const char* cssClass;  // the look celforo.css gives every element of the kind
};

ElementLook LookOf(ElementKind kind) {
  switch (kind) {
    case ElementKind::TextBox: return {"input", "box"};
    case ElementKind::PushButton: return {"button", "button"};
    case ElementKind::CaptionLabel: return {"div", "caption"};
    case ElementKind::ResultLabel: return {"output", "result"};
    case ElementKind::PictureBox: return {"div", "picture"};
    case ElementKind::Rectangle: return {"div", "shape"};
  }
  return {"div", ""};
}

std::string Name(ElementId element) {
  return std::string(kForm1Elements[element].name);
}

void SetStyle(const std::string& id, const char* property, const std::string& value) {
  celforo_dom_set_style(id.c_str(), property, value.c_str());
}

void SetAttribute(const std::string& id, const char* name, const std::string& value) {
  celforo_dom_set_attribute(id.c_str(), name, value.c_str());
}

void MakeElement(const ElementRecord& record) {
  const std::string id(record.name);
  const ElementLook look = LookOf(record.kind);
  celforo_dom_create(kFormId, look.tag, id.c_str());
  SetAttribute(id, "class", look.cssClass);
  SetStyle(id, "left", CssPixels(record.left));
  SetStyle(id, "top", CssPixels(record.top));
  SetStyle(id, "width", CssPixels(record.width));
  SetStyle(id, "height", CssPixels(record.height));
  if (record.fontSize > 0) SetStyle(id, "font-size", CssPoints(record.fontSize));
  if (!record.caption.empty())
    celforo_dom_set_text(id.c_str(), std::string(record.caption).c_str());

  switch (record.kind) {
    case ElementKind::TextBox:
      SetAttribute(id, "type", "text");
      // A keypad with a decimal key on phones and tablets.
      SetAttribute(id, "inputmode", "decimal");
      SetAttribute(id, "maxlength", std::to_string(kBoxCharacters));
      SetAttribute(id, "aria-label", std::string(record.meaning));
      for (const char* off : {"autocomplete", "autocorrect", "autocapitalize"})
        SetAttribute(id, off, "off");
      SetAttribute(id, "spellcheck", "false");
      celforo_dom_comma_typed_as_point(id.c_str());
      break;
    case ElementKind::PushButton: SetAttribute(id, "type", "button"); break;
    case ElementKind::CaptionLabel: break;
    case ElementKind::ResultLabel:
      SetAttribute(id, "aria-label", std::string(record.meaning));
      SetStyle(id, "background-color", CssColour(kResultBackground));
      break;
    case ElementKind::PictureBox: {
      std::string description(kCreditPicture.name);
      for (const std::string_view line : kCreditPicture.lines)
        description += ", " + std::string(line);
      SetAttribute(id, "role", "img");
      SetAttribute(id, "aria-label", description);
      celforo_dom_set_markup(id.c_str(), CreditPictureSvg().c_str());
      break;
    }
    case ElementKind::Rectangle:
      SetAttribute(id, "aria-hidden", "true");
      SetStyle(id, "border",
               CssPixels(kFrameWidth * kTwipsPerPixel) + " solid " + CssColour(kFrameColour));
      break;
  }
}

}  // namespace

void Form1Page::Start() {
  SetStyle(kFormId, "width", CssPixels(kForm1.clientWidth));
  SetStyle(kFormId, "height", CssPixels(kForm1.clientHeight));
  SetStyle(kFormId, "background-color", CssColour(kForm1.background));
  SetStyle(kFormId, "font-family", CssFontFamily());
  // In tab-index order, so the document's order is the Tab order.
  for (const ElementRecord& record : kForm1Elements) MakeElement(record);
  for (const Form1Handler& handler : kForm1Handlers) {
    const bool change = handler.event == Form1Event::Change;
    celforo_dom_listen(Name(handler.element).c_str(), change ? "input" : "click",
                       static_cast<int>(handler.element), static_cast<int>(handler.event));
  }
  form1_.onForm1Load();
  if (!ended_) celforo_dom_focus(Name(kText1).c_str());
}

void Form1Page::Deliver(ElementId element, Form1Event event) {
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
  Deliver(box, Form1Event::Change);
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
