#include "win32/form1_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/credit_picture_content.h"
#include "win32/form2_window.h"
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

}  // namespace

Form1Window::Form1Window(HINSTANCE instance) : FormWindow(instance, kForm1, kForm1Elements) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!Create(kClassName, kStyle, kExStyle, nullptr, {CW_USEDEFAULT, CW_USEDEFAULT})) return;
  menuBar_.Attach(hwnd());

  CreateElements(kFirstControlId);
  static_cast<PictureView*>(control(ElementIndex("Picture1")))->SetList(CreditPictureDisplayList());
  LayOutElements(dpi());
  SetIcons();
  DeliverEvents();
  NameElements();
  form1_.onForm1Load();
  menu_.onStart();
  PlaceCentred();
}

// The panel goes first: it plans with this window's form.
Form1Window::~Form1Window() {
  panel_.reset();
}

void Form1Window::Show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  KeepFocus(element(kText1));
  SetFocus(element(kText1));
}

void Form1Window::Handle(MSG& message) {
  if (hwnd() != nullptr && menuBar_.accelerators() != nullptr &&
      TranslateAcceleratorW(hwnd(), menuBar_.accelerators(), &message))
    return;
  if (hwnd() != nullptr && IsDialogMessageW(hwnd(), &message)) return;
  if (panel_ && panel_->hwnd() != nullptr && IsDialogMessageW(panel_->hwnd(), &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Form1Window::Run() {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) Handle(message);
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void Form1Window::DeliverEvents() {
  for (const Form1Handler& handler : kForm1Handlers) {
    auto handle = [this, handle = handler.handle] { (form1_.*handle)(); };
    Control* element = control(handler.element);
    switch (handler.event) {
      case FormEvent::Change: static_cast<Edit*>(element)->onTextChanged = handle; break;
      case FormEvent::Click: static_cast<Button*>(element)->onClick = handle; break;
    }
  }
}

void Form1Window::NameElements() {
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    const ElementRecord& record = kForm1Elements[id];
    if (record.kind == ElementKind::TextBox) accessibleTexts().SetName(element(id), record.meaning);
    if (record.kind == ElementKind::ResultLabel)
      accessibleTexts().SetDescription(element(id), record.meaning);
  }
  const auto* picture = static_cast<const PictureView*>(control(ElementIndex("Picture1")));
  accessibleTexts().SetName(picture->hwnd(), picture->list().name);
  accessibleTexts().SetDescription(picture->hwnd(), picture->list().description);
}

void Form1Window::PlaceCentred() {
  const RECT frame = FrameAround(dpi());
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

void Form1Window::OnMenuCommand(WORD id) {
  // From the menu or its shortcut keys. Enter and Escape arrive as IDOK and
  // IDCANCEL, from no control: no command of the menu's, ignored.
  if (const std::optional<MenuCommand> command = menuBar_.CommandOf(id)) menu_.onCommand(*command);
}

void Form1Window::OnDpiChanged() {
  if (theme() == Theme::Night) menuBar_.SetNight(&palette(), dpi());  // measured anew
}

void Form1Window::OnDestroy() {
  PostQuitMessage(0);
}

LRESULT Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      const LRESULT result = DefWindowProcW(hwnd(), message, wParam, lParam);
      menuBar_.PaintNightBar(hwnd());
      return result;
    }
    case WM_ENTERMENULOOP: menuBar_.EnterMenuLoop(); break;
    case WM_EXITMENULOOP: menuBar_.ExitMenuLoop(); break;
    case WM_MEASUREITEM:
      if (menuBar_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), hwnd())) return TRUE;
      break;
    case WM_DRAWITEM:
      if (menuBar_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    default: break;
  }
  return FormWindow::OnMessage(message, wParam, lParam);
}

std::string Form1Window::Text(ElementId box) const {
  return control(box)->Text();
}

void Form1Window::SetText(ElementId box, std::string_view text) {
  control(box)->SetText(text);
}

void Form1Window::SetCaption(ElementId label, std::string_view caption) {
  control(label)->SetText(caption);
}

void Form1Window::Modally(const std::function<void()>& show) {
  const HWND panel = panel_ ? panel_->hwnd() : nullptr;
  const bool wasDisabled = panel != nullptr && EnableWindow(panel, FALSE);
  show();
  if (panel != nullptr && IsWindow(panel) && !wasDisabled) EnableWindow(panel, TRUE);
}

void Form1Window::ShowErrorMessage(std::string_view title, std::string_view text) {
  Modally([&] {
    if (theme() == Theme::Night) {
      ShowNightMessage(hwnd(), MessageKind::Error, title, text, palette());
      return;
    }
    MessageBoxW(hwnd(), Widen(text).c_str(), Widen(title).c_str(), MB_OK | MB_ICONERROR);
  });
}

void Form1Window::ShowAbout(std::string_view title, std::string_view text) {
  Modally([&] {
    if (theme() == Theme::Night) {
      ShowNightMessage(hwnd(), MessageKind::Information, title, text, palette());
      return;
    }
    const std::wstring wideText = Widen(text);
    const std::wstring wideTitle = Widen(title);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof box;
    box.hwndOwner = hwnd();
    box.hInstance = instance();
    box.lpszText = wideText.c_str();
    box.lpszCaption = wideTitle.c_str();
    box.dwStyle = MB_OK | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEW(1);  // the program's icon
    MessageBoxIndirectW(&box);
  });
}

void Form1Window::ShowTheme(Theme theme) {
  if (theme == this->theme()) return;
  SetColours(theme);
  menuBar_.SetNight(theme == Theme::Night ? &palette() : nullptr, dpi());
  DrawMenuBar(hwnd());
  Redraw();
  if (panel_) panel_->ShowTheme(theme);
}

void Form1Window::SetChecked(MenuCommand command, bool checked) {
  menuBar_.SetChecked(command, checked);
}

bool Form1Window::MakePanel() {
  if (panel_) return true;
  panel_ = std::make_unique<Form2Window>(instance(), hwnd(), form1_, theme());
  if (panel_->hwnd() != nullptr) return true;
  panel_.reset();
  return false;
}

Form2* Form1Window::Panel() {
  return MakePanel() ? &panel_->form2() : nullptr;
}

bool Form1Window::TogglePanel() {
  if (!MakePanel()) return false;
  if (!panelPlaced_) {
    panelPlaced_ = true;
    panel_->ShowBeside(hwnd());
    return true;
  }
  if (IsWindowVisible(panel_->hwnd())) {
    panel_->Hide();
  } else {
    panel_->Show();
  }
  return true;
}

void Form1Window::EndProgram() {
  DestroyWindow(hwnd());
}

}  // namespace celforo::win32
