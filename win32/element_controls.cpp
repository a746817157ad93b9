#include "win32/element_controls.h"

#include "win32/picture_view.h"

namespace celforo::win32 {

int TwipsAt(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), 1440);
}

RECT Bounds(const ElementRecord& record, UINT dpi) {
  const int left = TwipsAt(record.left, dpi);
  const int top = TwipsAt(record.top, dpi);
  return {left, top, left + TwipsAt(record.width, dpi), top + TwipsAt(record.height, dpi)};
}

std::unique_ptr<Control> MakeControl(const ElementRecord& record, HWND parent, int id) {
  ControlArgs args{parent, id, record.caption};
  const bool left = record.align == TextAlign::Left;
  switch (record.kind) {
    case ElementKind::TextBox: {
      args.style = WS_TABSTOP | (left ? ES_LEFT : ES_CENTER) | ES_AUTOHSCROLL;
      args.exStyle = WS_EX_CLIENTEDGE;
      auto box = std::make_unique<Edit>(args);
      box->LimitText(kBoxCharacters);
      return box;
    }
    case ElementKind::PushButton:
      args.style = WS_TABSTOP | BS_PUSHBUTTON;
      return std::make_unique<Button>(args);
    case ElementKind::CaptionLabel:
      args.style = (left ? SS_LEFT : SS_CENTER) | SS_NOPREFIX;
      return std::make_unique<Label>(args);
    case ElementKind::ProblemLabel:
      // One line; what does not fit ends in "...", the whole of it being the
      // field's accessible description.
      args.style = SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS;
      return std::make_unique<Label>(args);
    case ElementKind::ResultLabel:
      // A read-only edit, so that a result can be selected and copied.
      args.style = ES_READONLY | (left ? ES_LEFT : ES_CENTER) | ES_AUTOHSCROLL | WS_BORDER;
      return std::make_unique<Edit>(args);
    case ElementKind::PictureBox: args.text = {}; return std::make_unique<PictureView>(args);
    case ElementKind::Choice:
      args.style = WS_TABSTOP | CBS_DROPDOWNLIST;
      return std::make_unique<Choice>(args);
    case ElementKind::DateTimeField:
      args.style = WS_TABSTOP;
      return std::make_unique<DateTimeField>(args);
    case ElementKind::Rectangle: return nullptr;  // painted by the window
  }
  return nullptr;
}

}  // namespace celforo::win32
