#include "web/element_builder.h"

#include "ui/svg_writer.h"
#include "web/dom.h"
#include "web/element_markup.h"

namespace celforo::web {
namespace {

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
    case ElementKind::Choice: return {"select", "choice"};
    case ElementKind::DateTimeField: return {"input", "datetime"};
    case ElementKind::ProblemLabel: return {"div", "problem"};
  }
  return {"div", ""};
}

void MakeOptions(const std::string& id, std::string_view items) {
  int index = 0;
  while (true) {
    const std::size_t end = items.find('\n');
    const std::string option = id + "-" + std::to_string(index++);
    celforo_dom_create(id.c_str(), "option", option.c_str());
    celforo_dom_set_text(option.c_str(), std::string(items.substr(0, end)).c_str());
    if (end == std::string_view::npos) return;
    items.remove_prefix(end + 1);
  }
}

}  // namespace

std::string IdOf(const ElementRecord& record) {
  return std::string(record.name);
}

void SetStyle(const std::string& id, const char* property, const std::string& value) {
  celforo_dom_set_style(id.c_str(), property, value.c_str());
}

void SetAttribute(const std::string& id, const char* name, const std::string& value) {
  celforo_dom_set_attribute(id.c_str(), name, value.c_str());
}

void ShowPicture(const std::string& id, const DisplayList& list, const Palette& palette) {
  SetAttribute(id, "aria-label", list.description);
  celforo_dom_set_markup(id.c_str(), SvgMarkup(list, palette).c_str());
}

namespace {

bool HasColumns(const FormRecord& form) {
  return form.clientWidth > kColumnWidth;
}

std::string ColumnId(const FormRecord& form, int column) {
  return std::string(form.name) + "-column" + std::to_string(column + 1);
}

}  // namespace

void StyleForm(const FormRecord& form) {
  const std::string id(form.name);
  SetStyle(id, "font-family", CssFontFamily());
  if (!HasColumns(form)) {
    SetStyle(id, "width", CssPixels(form.clientWidth));
    SetStyle(id, "height", CssPixels(form.clientHeight));
    SetStyle(id, "background-color", CssColour(form.background));
    return;
  }
  for (const int column : {0, 1}) {
    const std::string columnId = ColumnId(form, column);
    celforo_dom_create(id.c_str(), "div", columnId.c_str());
    SetAttribute(columnId, "class", "column");
    SetStyle(columnId, "width", CssPixels(kColumnWidth));
    SetStyle(columnId, "height", CssPixels(form.clientHeight));
    SetStyle(columnId, "background-color", CssColour(form.background));
  }
}

void MakeElement(const FormRecord& form, const ElementRecord& record) {
  const std::string id = IdOf(record);
  const ElementLook look = LookOf(record.kind);
  const int column = HasColumns(form) ? ColumnOf(record) : 0;
  const std::string parent = HasColumns(form) ? ColumnId(form, column) : std::string(form.name);
  celforo_dom_create(parent.c_str(), look.tag, id.c_str());
  SetAttribute(id, "class", look.cssClass);
  SetStyle(id, "left", CssPixels(record.left - column * kColumnWidth));
  SetStyle(id, "top", CssPixels(record.top));
  SetStyle(id, "width", CssPixels(record.width));
  SetStyle(id, "height", CssPixels(record.height));
  if (record.fontSize > 0) SetStyle(id, "font-size", CssPoints(record.fontSize));
  if (record.align == TextAlign::Left) SetStyle(id, "text-align", "left");
  const bool hasText = record.kind != ElementKind::Choice;
  if (hasText && !record.caption.empty())
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
    case ElementKind::PushButton:
      SetAttribute(id, "type", "button");
      if (!record.meaning.empty()) SetAttribute(id, "aria-label", std::string(ButtonName(record)));
      break;
    case ElementKind::CaptionLabel:
    case ElementKind::ProblemLabel: break;
    case ElementKind::ResultLabel:
      SetAttribute(id, "aria-label", std::string(record.meaning));
      SetStyle(id, "background-color", CssColour(kResultBackground));
      break;
    case ElementKind::PictureBox: SetAttribute(id, "role", "img"); break;
    case ElementKind::Rectangle:
      SetAttribute(id, "aria-hidden", "true");
      SetStyle(id, "border",
               CssPixels(kFrameWidth * kTwipsPerPixel) + " solid " + CssColour(kFrameColour));
      break;
    case ElementKind::Choice:
      SetAttribute(id, "aria-label", std::string(record.meaning));
      MakeOptions(id, record.caption);
      break;
    case ElementKind::DateTimeField:
      SetAttribute(id, "type", "datetime-local");
      SetAttribute(id, "aria-label", std::string(record.meaning));
      SetAttribute(id, "min", "1800-01-01T00:00");
      SetAttribute(id, "max", "2050-12-31T23:59");
      break;
  }
}

}  // namespace celforo::web
