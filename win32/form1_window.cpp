#include "win32/form1_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/credit_picture_content.h"
#include "win32/fonts.h"
#include "win32/picture_view.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CelforoForm1";
// Control identifiers start clear of IDOK and IDCANCEL, which the dialog
// manager sends for Enter and Escape.
constexpr int kFirstControlId = 100;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;

COLORREF ToColorRef(Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

// 1440 twips to the inch: 480 twips is 32 pixels at 96 DPI, 48 at 144.
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
  switch (record.kind) {
    case ElementKind::TextBox: {
      args.style = WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
      args.exStyle = WS_EX_CLIENTEDGE;
      auto box = std::make_unique<Edit>(args);
      box->LimitText(kBoxCharacters);
      return box;
    }
    case ElementKind::PushButton:
      args.style = WS_TABSTOP | BS_PUSHBUTTON;
      return std::make_unique<Button>(args);
    case ElementKind::CaptionLabel:
      args.style = SS_CENTER | SS_NOPREFIX;
      return std::make_unique<Label>(args);
    case ElementKind::ResultLabel:
      // A read-only edit, so that a result can be selected and copied.
      args.style = ES_READONLY | ES_CENTER | ES_AUTOHSCROLL | WS_BORDER;
      return std::make_unique<Edit>(args);
    case ElementKind::PictureBox: {
      auto picture = std::make_unique<PictureView>(args);
      picture->SetList(CreditPictureDisplayList());
      return picture;
    }
    case ElementKind::Rectangle: return nullptr;  // painted by the window
    case ElementKind::Choice:
    case ElementKind::DateTimeField:
    case ElementKind::ProblemLabel: break;  // only in the planning panel
  }
  return nullptr;
}

// The window's outer rectangle around a client area of the table's size at
// `dpi`, with the caption and borders the system draws at the window's own.
RECT FrameAround(UINT dpi, HWND window) {
  RECT frame{0, 0, TwipsAt(kForm1.clientWidth, dpi), TwipsAt(kForm1.clientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, GetDpiForWindow(window));
  return frame;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, kClassName, &windowClass)) return;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : instance_(instance),
      background_(CreateSolidBrush(ToColorRef(kForm1.background))),
      resultBackground_(CreateSolidBrush(ToColorRef(kResultBackground))) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClass(instance, &Form1Window::WindowProc);
  PictureView::Register(instance);
  hwnd_ = CreateWindowExW(kExStyle, kClassName, Widen(kForm1.title).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                          this);
  if (hwnd_ == nullptr) return;
  dpi_ = GetDpiForWindow(hwnd_);

  CreateElements();
  LayOutElements(dpi_);
  PlaceCentred();
  SetIcons(dpi_);
  DeliverEvents();
  NameElements();
  form1_.onForm1Load();
}

Form1Window::~Form1Window() {
  if (hwnd_ == nullptr) return;
  // The object goes, not the program: no WM_QUIT for this destruction.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  accessibleTexts_.ClearAll();
  DestroyWindow(hwnd_);
}

HWND Form1Window::element(ElementId id) const {
  return elements_[id] ? elements_[id]->hwnd() : nullptr;
}

void Form1Window::Show(int showCommand) {
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  focus_ = element(kText1);
  SetFocus(focus_);
}

void Form1Window::Handle(MSG& message) {
  if (hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Form1Window::Run() {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) Handle(message);
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void Form1Window::CreateElements() {
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    elements_[id] = MakeControl(kForm1Elements[id], hwnd_, kFirstControlId + static_cast<int>(id));
    if (kForm1Elements[id].kind == ElementKind::PictureBox)
      picture_ = static_cast<PictureView*>(elements_[id].get());
  }
}

void Form1Window::DeliverEvents() {
  for (const Form1Handler& handler : kForm1Handlers) {
    auto handle = [this, handle = handler.handle] { (form1_.*handle)(); };
    Control* control = elements_[handler.element].get();
    switch (handler.event) {
      case Form1Event::Change: static_cast<Edit*>(control)->onTextChanged = handle; break;
      case Form1Event::Click: static_cast<Button*>(control)->onClick = handle; break;
    }
  }
}

void Form1Window::NameElements() {
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    const ElementRecord& record = kForm1Elements[id];
    if (record.kind == ElementKind::TextBox) accessibleTexts_.SetName(element(id), record.meaning);
    if (record.kind == ElementKind::ResultLabel)
      accessibleTexts_.SetDescription(element(id), record.meaning);
  }
  if (picture_ == nullptr) return;
  accessibleTexts_.SetName(picture_->hwnd(), picture_->list().name);
  accessibleTexts_.SetDescription(picture_->hwnd(), picture_->list().description);
}

void Form1Window::LayOutElements(UINT dpi) {
  dpi_ = dpi;
  // One font a size; the old ones go once no control uses them.
  std::vector<std::pair<double, Font>> fonts;
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    const ElementRecord& record = kForm1Elements[id];
    if (!elements_[id]) continue;
    elements_[id]->SetBounds(Bounds(record, dpi));
    if (record.fontSize <= 0) continue;
    auto font = fonts.begin();
    while (font != fonts.end() && font->first != record.fontSize) ++font;
    if (font == fonts.end())
      font = fonts.insert(font, {record.fontSize, ElementFont(record.fontSize, dpi)});
    elements_[id]->SetFont(font->second.get());
  }
  fonts_.clear();
  for (auto& [size, font] : fonts) fonts_.push_back(std::move(font));
  if (picture_ != nullptr) picture_->SetDpi(dpi);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form1Window::PlaceCentred() {
  const RECT frame = FrameAround(dpi_, hwnd_);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // A window taller or wider than the work area keeps its caption on it, so
  // that it can still be moved.
  const int left = std::max(work.left, work.left + (work.right - work.left - width) / 2);
  const int top = std::max(work.top, work.top + (work.bottom - work.top - height) / 2);
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::SetIcons(UINT dpi) {
  // The program's icon is the first resource of its executable.
  const auto load = [&](int width, int height) {
    return Icon(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                              GetSystemMetricsForDpi(width, dpi),
                                              GetSystemMetricsForDpi(height, dpi), 0)));
  };
  Icon big = load(SM_CXICON, SM_CYICON);
  Icon small = load(SM_CXSMICON, SM_CYSMICON);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(small);
}

void Form1Window::PaintFrame(HDC dc) const {
  const ElementRecord& shape = kForm1Elements[ElementIndex("Shape1")];
  const RECT box = Bounds(shape, dpi_);
  const int line = ScaleForDpi(kFrameWidth, dpi_);
  const Brush silver(CreateSolidBrush(ToColorRef(kFrameColour)));
  // The whole width of the line lies inside the rectangle.
  const RECT sides[] = {{box.left, box.top, box.right, box.top + line},
                        {box.left, box.bottom - line, box.right, box.bottom},
                        {box.left, box.top, box.left + line, box.bottom},
                        {box.right - line, box.top, box.right, box.bottom}};
  for (const RECT& side : sides) FillRect(dc, &side, silver.get());
}

ElementId Form1Window::IdOf(HWND control) const {
  ElementId id = 0;
  while (id < elements_.size() && element(id) != control) ++id;
  return id;
}

HBRUSH Form1Window::StaticBrush(HDC dc, HWND control) const {
  const ElementId id = IdOf(control);
  if (id < kForm1Elements.size() && kForm1Elements[id].kind == ElementKind::ResultLabel) {
    SetBkColor(dc, ToColorRef(kResultBackground));
    return resultBackground_.get();
  }
  // Caption labels: text straight on the window, which shows through, so a
  // label reaching the frame does not cut it.
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LRESULT CALLBACK Form1Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      // Enter and Escape arrive as IDOK and IDCANCEL, from no control: ignored.
      const auto id = static_cast<ElementId>(LOWORD(wParam) - kFirstControlId);
      if (lParam != 0 && id < elements_.size() && element(id) == reinterpret_cast<HWND>(lParam))
        elements_[id]->OnCommand(HIWORD(wParam));
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(
          StaticBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd_, &paint);
      PaintFrame(dc);
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
      SetIcons(dpi_);
      const RECT frame = FrameAround(dpi_, hwnd_);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, frame.right - frame.left,
                   frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      accessibleTexts_.ClearAll();
      PostQuitMessage(0);
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

std::string Form1Window::Text(ElementId box) const {
  return elements_[box]->Text();
}

void Form1Window::SetText(ElementId box, std::string_view text) {
  elements_[box]->SetText(text);
}

void Form1Window::SetCaption(ElementId label, std::string_view caption) {
  elements_[label]->SetText(caption);
}

void Form1Window::ShowErrorMessage(std::string_view title, std::string_view text) {
  MessageBoxW(hwnd_, Widen(text).c_str(), Widen(title).c_str(), MB_OK | MB_ICONERROR);
}

void Form1Window::EndProgram() {
  DestroyWindow(hwnd_);
}

}  // namespace celforo::win32
