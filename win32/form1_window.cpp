#include "win32/form1_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/credit_picture_content.h"
#include "win32/fonts.h"
#include "win32/night_message.h"
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

// The client area of the table's size at `dpi`.
SIZE ClientSize(UINT dpi) {
  return {TwipsAt(kForm1.clientWidth, dpi), TwipsAt(kForm1.clientHeight, dpi)};
}

// The window's outer rectangle around a client area of the table's size at
// `dpi`, with the caption, menu bar and borders the system draws at the
// window's own.
RECT FrameAround(UINT dpi, HWND window) {
  const SIZE client = ClientSize(dpi);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, kStyle, GetMenu(window) != nullptr, kExStyle,
                           GetDpiForWindow(window));
  return frame;
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : instance_(instance),
      background_(SolidBrush(Colour(kDayPalette, Role::WindowGround))),
      resultBackground_(SolidBrush(Colour(kDayPalette, Role::ResultGround))) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClass(instance, kClassName, &Form1Window::WindowProc);
  PictureView::Register(instance);
  hwnd_ = CreateWindowExW(kExStyle, kClassName, Widen(kForm1.title).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                          this);
  if (hwnd_ == nullptr) return;
  dpi_ = GetDpiForWindow(hwnd_);
  menuBar_.Attach(hwnd_);

  CreateElements();
  LayOutElements(dpi_);
  SetIcons(dpi_);
  DeliverEvents();
  NameElements();
  form1_.onForm1Load();
  menu_.onStart();
  PlaceCentred();
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
  if (hwnd_ != nullptr && menuBar_.accelerators() != nullptr &&
      TranslateAcceleratorW(hwnd_, menuBar_.accelerators(), &message))
    return;
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
    const ElementKind kind = kForm1Elements[id].kind;
    elements_[id] = MakeControl(kForm1Elements[id], hwnd_, kFirstControlId + static_cast<int>(id));
    if (kind == ElementKind::PictureBox) picture_ = static_cast<PictureView*>(elements_[id].get());
    if (kind == ElementKind::TextBox || kind == ElementKind::ResultLabel)
      FollowNightLook(element(id), &night_);
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
  FitClientArea(left, top);
}

void Form1Window::FitClientArea(int left, int top) {
  const RECT frame = FrameAround(dpi_, hwnd_);
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
  const Brush line = SolidBrush(Colour(palette(), Role::Frame));
  FillFrame(dc, Bounds(shape, dpi_), ScaleForDpi(kFrameWidth, dpi_), line.get());
}

ElementId Form1Window::IdOf(HWND control) const {
  ElementId id = 0;
  while (id < elements_.size() && element(id) != control) ++id;
  return id;
}

bool Form1Window::IsButton(HWND control) const {
  const ElementId id = IdOf(control);
  return id < kForm1Elements.size() && kForm1Elements[id].kind == ElementKind::PushButton;
}

HBRUSH Form1Window::ControlBrush(HDC dc, HWND control, bool isEdit) const {
  const bool night = theme_ == Theme::Night;
  // By day the text keeps the system's colour.
  if (night) SetTextColor(dc, ToColorRef(Colour(palette(), Role::Text)));
  const ElementId id = IdOf(control);
  const bool result =
      id < kForm1Elements.size() && kForm1Elements[id].kind == ElementKind::ResultLabel;
  if (isEdit || result) {
    if (isEdit && !night) return nullptr;  // the box as the system draws it
    SetBkColor(dc, ToColorRef(Colour(palette(), Role::ResultGround)));
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

void Form1Window::OnCommand(WPARAM wParam, LPARAM lParam) {
  const WORD id = LOWORD(wParam);
  if (lParam == 0) {
    // From the menu or its shortcut keys. Enter and Escape arrive as IDOK and
    // IDCANCEL, from no control: no command of the menu's, ignored.
    if (const std::optional<MenuCommand> command = menuBar_.CommandOf(id))
      menu_.onCommand(*command);
    return;
  }
  const auto element = static_cast<ElementId>(id - kFirstControlId);
  if (element < elements_.size() && this->element(element) == reinterpret_cast<HWND>(lParam))
    elements_[element]->OnCommand(HIWORD(wParam));
}

LRESULT Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      const HBRUSH brush = ControlBrush(reinterpret_cast<HDC>(wParam),
                                        reinterpret_cast<HWND>(lParam), message == WM_CTLCOLOREDIT);
      if (brush == nullptr) break;
      return reinterpret_cast<LRESULT>(brush);
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == NM_CUSTOMDRAW && theme_ == Theme::Night && IsButton(header->hwndFrom))
        return PaintNightButton(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam), palette());
      break;
    }
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      const LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
      menuBar_.PaintNightBar(hwnd_);
      return result;
    }
    case WM_ENTERMENULOOP: menuBar_.EnterMenuLoop(); break;
    case WM_EXITMENULOOP: menuBar_.ExitMenuLoop(); break;
    case WM_MEASUREITEM:
      if (menuBar_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), hwnd_)) return TRUE;
      break;
    case WM_DRAWITEM:
      if (menuBar_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
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
      if (night_.palette != nullptr) menuBar_.SetNight(night_.palette, dpi_);  // measured anew
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      FitClientArea(suggested->left, suggested->top);
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
  if (theme_ == Theme::Night) {
    ShowNightMessage(hwnd_, MessageKind::Error, title, text, palette());
    return;
  }
  MessageBoxW(hwnd_, Widen(text).c_str(), Widen(title).c_str(), MB_OK | MB_ICONERROR);
}

void Form1Window::ShowAbout(std::string_view title, std::string_view text) {
  if (theme_ == Theme::Night) {
    ShowNightMessage(hwnd_, MessageKind::Information, title, text, palette());
    return;
  }
  const std::wstring wideText = Widen(text);
  const std::wstring wideTitle = Widen(title);
  MSGBOXPARAMSW box{};
  box.cbSize = sizeof box;
  box.hwndOwner = hwnd_;
  box.hInstance = instance_;
  box.lpszText = wideText.c_str();
  box.lpszCaption = wideTitle.c_str();
  box.dwStyle = MB_OK | MB_USERICON;
  box.lpszIcon = MAKEINTRESOURCEW(1);  // the program's icon
  MessageBoxIndirectW(&box);
}

void Form1Window::ShowTheme(Theme theme) {
  if (theme == theme_) return;
  theme_ = theme;
  background_ = SolidBrush(Colour(palette(), Role::WindowGround));
  resultBackground_ = SolidBrush(Colour(palette(), Role::ResultGround));
  night_.palette = theme == Theme::Night ? &palette() : nullptr;
  if (picture_ != nullptr) picture_->SetTheme(theme);
  menuBar_.SetNight(night_.palette, dpi_);
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    const ElementKind kind = kForm1Elements[id].kind;
    if (kind == ElementKind::TextBox || kind == ElementKind::ResultLabel)
      RenewCaret(element(id), &night_);
  }
  DrawMenuBar(hwnd_);
  RedrawWindow(hwnd_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form1Window::SetChecked(MenuCommand command, bool checked) {
  menuBar_.SetChecked(command, checked);
}

void Form1Window::EndProgram() {
  DestroyWindow(hwnd_);
}

}  // namespace celforo::win32
