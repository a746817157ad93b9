#include "win32/form_window.h"

#include <utility>

#include "win32/element_controls.h"
#include "win32/fonts.h"
#include "win32/picture_view.h"
#include "win32/text.h"

namespace celforo::win32 {

FormWindow::FormWindow(HINSTANCE instance, const FormRecord& form,
                       std::span<const ElementRecord> elements)
    : instance_(instance),
      form_(form),
      records_(elements),
      background_(SolidBrush(Colour(kDayPalette, Role::WindowGround))),
      resultBackground_(SolidBrush(Colour(kDayPalette, Role::ResultGround))) {}

FormWindow::~FormWindow() {
  if (hwnd_ == nullptr) return;
  // The object goes, not the program: no more messages reach it.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  accessibleTexts_.ClearAll();
  DestroyWindow(hwnd_);
}

HWND FormWindow::element(ElementId id) const {
  return id < elements_.size() && elements_[id] ? elements_[id]->hwnd() : nullptr;
}

bool FormWindow::Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND owner,
                        POINT where) {
  style_ = style;
  exStyle_ = exStyle;
  RegisterWindowClass(instance_, className, &FormWindow::WindowProc);
  PictureView::Register(instance_);
  CreateWindowExW(exStyle, className, Widen(form_.title).c_str(), style, where.x, where.y,
                  CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance_, this);
  if (hwnd_ == nullptr) return false;
  dpi_ = GetDpiForWindow(hwnd_);
  return true;
}

void FormWindow::CreateElements(int firstId) {
  firstId_ = firstId;
  elements_.clear();
  for (ElementId id = 0; id < records_.size(); ++id) {
    elements_.push_back(MakeControl(records_[id], hwnd_, firstId + static_cast<int>(id)));
    switch (records_[id].kind) {
      case ElementKind::TextBox:
      case ElementKind::ResultLabel: FollowNightLook(element(id), &night_); break;
      case ElementKind::Choice: FollowNightNegative(element(id), &night_); break;
      case ElementKind::DateTimeField: {
        FollowNightNegative(element(id), &night_);
        // Its calendar is made anew each time it drops down.
        static_cast<DateTimeField*>(control(id))->onDropDown = [this](HWND calendar) {
          if (calendar != nullptr) FollowNightNegative(calendar, &night_);
        };
        break;
      }
      default: break;
    }
  }
}

namespace {

// How wide a caption's text is in a font.
LONG WidthOf(std::string_view caption, HFONT font) {
  const std::wstring text = Widen(caption);
  const HDC dc = GetDC(nullptr);
  SIZE extent{};
  {
    const Selection selected(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  ReleaseDC(nullptr, dc);
  return extent.cx;
}

// A caption's bounds widened to hold its text on one line, `width` wide,
// where the text is the wider: to the right of a caption read from the left,
// both ways of a centred one.
RECT Widened(const ElementRecord& record, RECT bounds, LONG width) {
  const LONG lacking = width - (bounds.right - bounds.left);
  if (lacking <= 0) return bounds;
  if (record.align == TextAlign::Left) {
    bounds.right += lacking;
  } else {
    bounds.left -= lacking / 2;
    bounds.right += lacking - lacking / 2;
  }
  return bounds;
}

}  // namespace

void FormWindow::LayOutElements(UINT dpi) {
  dpi_ = dpi;
  // One font a size (and family); the old ones go once no control uses them.
  struct Made {
    double points;
    bool outline;
    Font font;
  };
  std::vector<Made> fonts;
  const auto fontOf = [&](double points, bool outline) {
    for (const Made& made : fonts)
      if (made.points == points && made.outline == outline) return made.font.get();
    fonts.push_back({points, outline, ElementFont(points, dpi, outline)});
    return fonts.back().font.get();
  };
  for (ElementId id = 0; id < records_.size(); ++id) {
    const ElementRecord& record = records_[id];
    if (!elements_[id]) continue;
    RECT bounds = Bounds(record, dpi);
    elements_[id]->SetBounds(bounds);
    if (record.fontSize <= 0) continue;
    HFONT font = fontOf(record.fontSize, false);
    if (record.kind == ElementKind::CaptionLabel) {
      // A caption the font cannot hold on its line takes the outline twin
      // where that one can, else is as wide as its text: it is read whole.
      LONG width = WidthOf(record.caption, font);
      if (width > bounds.right - bounds.left) {
        HFONT outline = fontOf(record.fontSize, true);
        const LONG outlineWidth = WidthOf(record.caption, outline);
        if (outlineWidth < width) {
          font = outline;
          width = outlineWidth;
        }
        elements_[id]->SetBounds(Widened(record, bounds, width));
      }
    }
    elements_[id]->SetFont(font);
  }
  fonts_.clear();
  for (Made& made : fonts) fonts_.push_back(std::move(made.font));
  for (ElementId id = 0; id < records_.size(); ++id)
    if (records_[id].kind == ElementKind::PictureBox)
      static_cast<PictureView*>(control(id))->SetDpi(dpi);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

SIZE FormWindow::ClientSize(UINT dpi) const {
  return {TwipsAt(form_.clientWidth, dpi), TwipsAt(form_.clientHeight, dpi)};
}

RECT FormWindow::FrameAround(UINT dpi) const {
  const SIZE client = ClientSize(dpi);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, style_, GetMenu(hwnd_) != nullptr, exStyle_,
                           GetDpiForWindow(hwnd_));
  return frame;
}

void FormWindow::FitClientArea(int left, int top) {
  const RECT frame = FrameAround(dpi_);
  SetWindowPos(hwnd_, nullptr, left, top, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar wrapped onto a second line takes more than the system
  // reckoned: the frame grows by what the client area lacks.
  RECT client;
  GetClientRect(hwnd_, &client);
  const SIZE wanted = ClientSize(dpi_);
  if (client.right == wanted.cx && client.bottom == wanted.cy) return;
  SetWindowPos(hwnd_, nullptr, left, top, frame.right - frame.left + wanted.cx - client.right,
               frame.bottom - frame.top + wanted.cy - client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::SetIcons() {
  // The program's icon is the first resource of its executable.
  const auto load = [&](int width, int height) {
    return Icon(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                              GetSystemMetricsForDpi(width, dpi_),
                                              GetSystemMetricsForDpi(height, dpi_), 0)));
  };
  Icon big = load(SM_CXICON, SM_CYICON);
  Icon small = load(SM_CXSMICON, SM_CYSMICON);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(small);
}

ElementId FormWindow::IdOf(HWND control) const {
  ElementId id = 0;
  while (id < elements_.size() && (control == nullptr || element(id) != control)) ++id;
  return id;
}

RECT FormWindow::BoundsOf(ElementId id) const {
  return Bounds(records_[id], dpi_);
}

void FormWindow::SetColours(Theme theme) {
  theme_ = theme;
  background_ = SolidBrush(Colour(palette(), Role::WindowGround));
  resultBackground_ = SolidBrush(Colour(palette(), Role::ResultGround));
  night_.palette = theme == Theme::Night ? &palette() : nullptr;
  for (ElementId id = 0; id < records_.size(); ++id) {
    switch (records_[id].kind) {
      case ElementKind::PictureBox: static_cast<PictureView*>(control(id))->SetTheme(theme); break;
      case ElementKind::TextBox:
      case ElementKind::ResultLabel: RenewCaret(element(id), &night_); break;
      default: break;
    }
  }
}

void FormWindow::Redraw() {
  RedrawWindow(hwnd_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void FormWindow::PaintFrames(HDC dc) const {
  const Brush line = SolidBrush(Colour(palette(), Role::Frame));
  for (ElementId id = 0; id < records_.size(); ++id)
    if (records_[id].kind == ElementKind::Rectangle)
      FillFrame(dc, BoundsOf(id), ScaleForDpi(kFrameWidth, dpi_), line.get());
}

HBRUSH FormWindow::ControlBrush(HDC dc, HWND control) const {
  const ElementId id = IdOf(control);
  if (id >= records_.size()) return nullptr;  // a part of a control: the system's colours
  const bool night = theme_ == Theme::Night;
  switch (records_[id].kind) {
    case ElementKind::TextBox:
      // By day the box as the system draws it.
      if (!night) return nullptr;
      SetTextColor(dc, ToColorRef(Colour(palette(), Role::Text)));
      SetBkColor(dc, ToColorRef(Colour(palette(), Role::ResultGround)));
      return resultBackground_.get();
    case ElementKind::ResultLabel:
      // By day the text keeps the system's colour.
      if (night) SetTextColor(dc, ToColorRef(Colour(palette(), Role::Text)));
      SetBkColor(dc, ToColorRef(Colour(palette(), Role::ResultGround)));
      return resultBackground_.get();
    case ElementKind::CaptionLabel:
      // Text straight on the window, which shows through, so a label reaching
      // a frame does not cut it.
      if (night) SetTextColor(dc, ToColorRef(Colour(palette(), Role::Text)));
      SetBkMode(dc, TRANSPARENT);
      return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case ElementKind::ProblemLabel:
      // Straight on the window too, which its window paints again under it
      // whenever it says something else (see Form2Window::SetCaption).
      SetTextColor(dc, ToColorRef(Colour(palette(), Role::ProblemText)));
      SetBkMode(dc, TRANSPARENT);
      return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    default: return nullptr;  // the control's own colours, by night its negative
  }
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      if (lParam == 0) {
        OnMenuCommand(LOWORD(wParam));
        return 0;
      }
      const ElementId id = IdOf(reinterpret_cast<HWND>(lParam));
      if (id < elements_.size()) elements_[id]->OnCommand(HIWORD(wParam));
      return 0;
    }
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      const ElementId id = IdOf(header.hwndFrom);
      if (id >= elements_.size()) break;
      if (header.code == NM_CUSTOMDRAW && theme_ == Theme::Night &&
          records_[id].kind == ElementKind::PushButton)
        return PaintNightButton(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam), palette());
      elements_[id]->OnNotify(header);
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      const HBRUSH brush =
          ControlBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      if (brush == nullptr) break;
      return reinterpret_cast<LRESULT>(brush);
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd_, &paint);
      PaintFrames(dc);
      PaintOver(dc);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_ACTIVATE:
      // The focus goes back where it was when the window is active again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) focus_ = focus;
      } else if (focus_ != nullptr) {
        SetFocus(focus_);
      }
      return 0;
    case WM_SETFOCUS:
      if (focus_ != nullptr) SetFocus(focus_);
      return 0;
    case WM_DPICHANGED: {
      // Where the system suggests, at the size the client area needs.
      LayOutElements(HIWORD(wParam));
      SetIcons();
      OnDpiChanged();
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      FitClientArea(suggested->left, suggested->top);
      return 0;
    }
    case WM_DESTROY:
      accessibleTexts_.ClearAll();
      OnDestroy();
      return 0;
    case WM_NCDESTROY: {
      const HWND hwnd = hwnd_;
      hwnd_ = nullptr;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace celforo::win32
