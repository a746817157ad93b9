#include "win32/form2_window.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/panel_placement.h"
#include "win32/files.h"
#include "win32/night_message.h"
#include "win32/picture_png.h"
#include "win32/picture_view.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CelforoForm2";
// Clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and
// Escape.
constexpr int kFirstControlId = 100;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = 0;
// The width of the mark around a field that cannot be used, at 96 DPI.
constexpr int kMarkWidth = 2;
// The title of the panel's refusals, as of Form1's run-time errors.
constexpr std::string_view kRefusalTitle = "CELFORO";

POINT CornerOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return {frame.left, frame.top};
}

// Sets `flag` for the life of the object.
class Raised {
public:
  explicit Raised(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~Raised() { flag_ = before_; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

private:
  bool& flag_;
  bool before_;
};

}  // namespace

Form2Window::Form2Window(HINSTANCE instance, HWND owner, Form1& form1, Theme theme)
    : FormWindow(instance, kForm2, kForm2Elements), form2_(*this, form1, settings_) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  // Made where Form1 is, so that it starts at the DPI of Form1's monitor.
  if (!Create(kClassName, kStyle, kExStyle, owner, CornerOf(owner))) return;
  CreateElements(kFirstControlId);
  // What the page alone builds is not shown.
  for (ElementId id = 0; id < kForm2Elements.size(); ++id)
    if (kForm2Elements[id].platforms == Platforms::PageOnly) ShowWindow(element(id), SW_HIDE);
  SetColours(theme);
  LayOutElements(dpi());
  SetIcons();
  DeliverEvents();
  NameElements();
  {
    const Raised quiet(quiet_);
    form2_.onForm2Load();
  }
  KeepFocus(element(kApertureBox));
}

void Form2Window::ShowBeside(HWND form1) {
  RECT owner{};
  GetWindowRect(form1, &owner);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(form1, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const RECT frame = FrameAround(dpi());
  const ScreenRect screen{work.left, work.top, work.right - work.left, work.bottom - work.top};
  ScreenRect main{owner.left, owner.top, owner.right - owner.left, owner.bottom - owner.top};
  const int width = frame.right - frame.left;
  const int gap = ScaleForDpi(kPanelGap, dpi());
  // Form1 makes room where neither of its sides has it.
  if (const int left = MainLeftBesidePanel(screen, main, width, gap); left != main.left) {
    SetWindowPos(form1, nullptr, left, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    main.left = left;
  }
  const ScreenPoint place = PanelPlace(screen, main, width, frame.bottom - frame.top, gap);
  FitClientArea(place.x, place.y);
  Show();
}

void Form2Window::Show() {
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
}

void Form2Window::Hide() {
  ShowWindow(hwnd(), SW_HIDE);
}

void Form2Window::ShowTheme(Theme theme) {
  if (theme == this->theme()) return;
  SetColours(theme);
  Redraw();
}

void Form2Window::DeliverEvents() {
  for (const Form2Handler& handler : kForm2Handlers) {
    auto deliver = [this, element = handler.element, handle = handler.handle] {
      if (!quiet_) (form2_.*handle)(element);
    };
    Control* element = control(handler.element);
    switch (kind(handler.element)) {
      case ElementKind::TextBox: static_cast<Edit*>(element)->onTextChanged = deliver; break;
      case ElementKind::PushButton: static_cast<Button*>(element)->onClick = deliver; break;
      case ElementKind::Choice: static_cast<class Choice*>(element)->onChanged = deliver; break;
      case ElementKind::DateTimeField:
        static_cast<DateTimeField*>(element)->onChanged = deliver;
        break;
      default: break;
    }
  }
}

void Form2Window::NameElements() {
  // Every field and result by the caption naming its value; that caption is
  // then read with it, not a second time on its own.
  for (ElementId id = 0; id < kForm2Elements.size(); ++id) {
    const ElementRecord& record = kForm2Elements[id];
    if (HoldsValue(record.kind)) accessibleTexts().SetName(element(id), record.meaning);
    // A button by what it does where its caption alone is not enough:
    // "SALVA TELESCOPIO".
    if (record.kind == ElementKind::PushButton && ButtonName(record) != record.caption)
      accessibleTexts().SetName(element(id), ButtonName(record));
    if (kForm2Relations.namesValue[id]) accessibleTexts().SetName(element(id), "");
  }
}

RECT Form2Window::MarkAround(ElementId field) const {
  RECT mark = BoundsOf(field);
  const int width = ScaleForDpi(kMarkWidth, dpi());
  InflateRect(&mark, width, width);
  return mark;
}

void Form2Window::PaintOver(HDC dc) const {
  const Brush ink = SolidBrush(Colour(palette(), Role::ProblemText));
  for (ElementId id = 0; id < kForm2Elements.size(); ++id)
    if (invalid_[id]) FillFrame(dc, MarkAround(id), ScaleForDpi(kMarkWidth, dpi()), ink.get());
}

LRESULT Form2Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Closing the panel hides it; Form1 brings it back.
  if (message == WM_CLOSE) {
    Hide();
    return 0;
  }
  return FormWindow::OnMessage(message, wParam, lParam);
}

std::string Form2Window::Text(ElementId field) const {
  return control(field)->Text();
}

void Form2Window::SetText(ElementId field, std::string_view text) {
  const Raised quiet(quiet_);
  control(field)->SetText(text);
}

int Form2Window::Choice(ElementId choice) const {
  return static_cast<const class Choice*>(control(choice))->Chosen();
}

void Form2Window::SetChoice(ElementId choice, int item) {
  const Raised quiet(quiet_);
  static_cast<class Choice*>(control(choice))->Choose(item);
}

void Form2Window::SetCaption(ElementId label, std::string_view caption) {
  if (control(label)->Text() == caption) return;
  control(label)->SetText(caption);
  // A problem line shows the window through: the window under it is painted
  // anew, then the line, so that nothing of what it said before is left.
  if (kind(label) == ElementKind::ProblemLabel) {
    const RECT area = BoundsOf(label);
    RedrawWindow(hwnd(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

void Form2Window::SetInvalid(ElementId field, bool invalid) {
  const std::optional<ElementId> problem = kForm2Relations.problem[field];
  // A screen reader reads why with the field.
  accessibleTexts().SetDescription(element(field),
                                   invalid && problem ? control(*problem)->Text() : "");
  if (invalid_[field] == invalid) return;
  invalid_[field] = invalid;
  const RECT mark = MarkAround(field);
  InvalidateRect(hwnd(), &mark, TRUE);
}

void Form2Window::SetPicture(ElementId picture, const DisplayList& list) {
  auto* view = static_cast<PictureView*>(control(picture));
  view->SetList(list);
  accessibleTexts().SetName(view->hwnd(), list.name);
  accessibleTexts().SetDescription(view->hwnd(), list.description);
}

const DisplayList& Form2Window::Shown(ElementId picture) const {
  return static_cast<const PictureView*>(control(picture))->list();
}

std::optional<std::string> Form2Window::Remembered(std::string_view key) const {
  return settings_.Read(key);
}

void Form2Window::Remember(std::string_view key, std::string_view value) {
  settings_.Write(key, value);
}

void Form2Window::SetItems(ElementId choice, std::span<const std::string> items) {
  const Raised quiet(quiet_);
  static_cast<class Choice*>(control(choice))->SetItems(items);
}

std::optional<ChosenFile> Form2Window::AskFileToWrite(std::string_view name,
                                                      std::span<const FileKind> kinds) {
  return win32::AskFileToWrite(hwnd(), name, kinds);
}

std::optional<std::string> Form2Window::WriteFile(const ChosenFile& file, std::string_view bytes) {
  return WriteWholeFile(file.name, bytes);
}

void Form2Window::AskFileToRead(FileKind kind, std::size_t mostBytes) {
  const std::optional<std::wstring> path = win32::AskFileToRead(hwnd(), kind);
  if (!path) return;
  const FileRead read = ReadFileStart(*path, mostBytes);
  if (read.problem) return form2_.onFileNotRead(kind, *read.problem);
  form2_.onFileRead(kind, read.bytes);
}

std::optional<std::string> Form2Window::PngImage(const DisplayList& list) {
  return PngOfPicture(list);
}

void Form2Window::ShowRefusal(std::string_view text) {
  // Form1 waits too while it is shown, as the panel waits for Form1's.
  const HWND form1 = GetWindow(hwnd(), GW_OWNER);
  const bool wasDisabled = form1 != nullptr && EnableWindow(form1, FALSE);
  if (theme() == Theme::Night) {
    ShowNightMessage(hwnd(), MessageKind::Error, kRefusalTitle, text, palette());
  } else {
    MessageBoxW(hwnd(), Widen(text).c_str(), Widen(kRefusalTitle).c_str(), MB_OK | MB_ICONERROR);
  }
  if (form1 != nullptr && IsWindow(form1) && !wasDisabled) EnableWindow(form1, TRUE);
}

void Form2Window::CopyLink(std::string_view) {}

void Form2Window::AskPosition() {}

}  // namespace celforo::win32
