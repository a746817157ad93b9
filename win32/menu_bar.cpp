#include "win32/menu_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/text.h"

namespace celforo::win32 {
namespace {

// Clear of IDOK and IDCANCEL and of the elements' identifiers.
constexpr WORD kFirstCommandId = 200;

WORD VirtualKeyOf(ShortcutKey key) {
  switch (key) {
    case ShortcutKey::None: return 0;
    case ShortcutKey::F2: return VK_F2;
    case ShortcutKey::F3: return VK_F3;
  }
  return 0;
}

// The menu bar whose menu is open on this thread, for the hook below.
thread_local const MenuBar* openMenuBar = nullptr;
constexpr UINT_PTR kFrameSubclassId = 1;

// A menu window's frame: its non-client area in the night's ground, a line
// of the border's colour around it.
void PaintMenuFrame(HWND menuWindow, HDC dc, const Palette& palette) {
  const auto [window, client] = NonClientAreaOf(menuWindow);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  const Brush ground = SolidBrush(Colour(palette, Role::WindowGround));
  FillRect(dc, &window, ground.get());
  const Brush line = SolidBrush(Colour(palette, Role::ControlBorder));
  FillFrame(dc, window, 1, line.get());
  RestoreDC(dc, saved);
}

LRESULT CALLBACK MenuFrameProc(HWND menuWindow, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR, DWORD_PTR palette) {
  const auto* night = reinterpret_cast<const Palette*>(palette);
  switch (message) {
    case WM_NCPAINT: {
      const HDC dc = GetWindowDC(menuWindow);
      PaintMenuFrame(menuWindow, dc, *night);
      ReleaseDC(menuWindow, dc);
      return 0;
    }
    case WM_PRINT: {
      // Drawn into a bitmap, as when the system animates the menu's opening.
      const LRESULT result = DefSubclassProc(menuWindow, message, wParam, lParam);
      if (lParam & PRF_NONCLIENT) PaintMenuFrame(menuWindow, reinterpret_cast<HDC>(wParam), *night);
      return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(menuWindow, MenuFrameProc, kFrameSubclassId); break;
    default: break;
  }
  return DefSubclassProc(menuWindow, message, wParam, lParam);
}

// Each menu window made while a menu is open by night takes the night's frame.
LRESULT CALLBACK WatchMenuWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && openMenuBar != nullptr) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    const auto window = reinterpret_cast<HWND>(wParam);
    // The system's class of menu windows, #32768, named by its atom.
    if (create->lpcs->lpszClass == MAKEINTATOM(0x8000) ||
        (!IS_INTRESOURCE(create->lpcs->lpszClass) &&
         std::wstring_view(create->lpcs->lpszClass) == L"#32768"))
      SetWindowSubclass(window, MenuFrameProc, kFrameSubclassId,
                        reinterpret_cast<DWORD_PTR>(openMenuBar->night()));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MenuBar::MenuBar() : bar_(CreateMenu()) {
  std::vector<HMENU> menus;
  for (const std::string_view caption : kMenus) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu),
                Widen(caption).c_str());
    entries_.push_back({Widen(caption), L"", bar_, static_cast<UINT>(menus.size()), true});
    menus.push_back(menu);
  }
  std::vector<ACCEL> keys;
  std::vector<UINT> counts(menus.size(), 0);
  for (const MenuItemRecord& item : kMenuItems) {
    const std::wstring key = Widen(ShortcutKeyName(item.key));
    const std::wstring caption = Widen(item.caption);
    AppendMenuW(menus[item.menu], MF_STRING, IdOf(item.command),
                (key.empty() ? caption : caption + L"\t" + key).c_str());
    entries_.push_back({caption, key, menus[item.menu], counts[item.menu]++, false});
    if (item.key != ShortcutKey::None)
      keys.push_back({FVIRTKEY, VirtualKeyOf(item.key), IdOf(item.command)});
  }
  if (!keys.empty())
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

MenuBar::~MenuBar() {
  ExitMenuLoop();
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  if (!attached_) DestroyMenu(bar_);
}

void MenuBar::Attach(HWND window) {
  attached_ = SetMenu(window, bar_) != FALSE;
}

WORD MenuBar::IdOf(MenuCommand command) {
  return static_cast<WORD>(kFirstCommandId + static_cast<WORD>(command));
}

std::optional<MenuCommand> MenuBar::CommandOf(WORD id) const {
  for (const MenuItemRecord& item : kMenuItems)
    if (IdOf(item.command) == id) return item.command;
  return std::nullopt;
}

void MenuBar::SetChecked(MenuCommand command, bool checked) {
  CheckMenuItem(bar_, IdOf(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MenuBar::SetNight(const Palette* night, UINT dpi) {
  night_ = night;
  dpi_ = dpi;
  ground_ = night != nullptr ? SolidBrush(Colour(*night, Role::WindowGround)) : nullptr;
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
  info.hbrBack = ground_.get();
  SetMenuInfo(bar_, &info);
  Retype(night != nullptr);
}

void MenuBar::Retype(bool ownerDrawn) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    std::wstring text = entry.key.empty() ? entry.caption : entry.caption + L"\t" + entry.key;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
    info.fType = ownerDrawn ? MFT_OWNERDRAW : MFT_STRING;
    info.dwItemData = i;
    // An owner-drawn item keeps its text, for screen readers and for its
    // access key.
    info.dwTypeData = text.data();
    SetMenuItemInfoW(entry.menu, entry.position, TRUE, &info);
  }
}

Font MenuBar::MenuFont() const {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_);
  return Font(CreateFontIndirectW(&metrics.lfMenuFont));
}

void MenuBar::EnterMenuLoop() {
  if (night_ == nullptr || menuWindows_ != nullptr) return;
  openMenuBar = this;
  menuWindows_ = SetWindowsHookExW(WH_CBT, WatchMenuWindows, nullptr, GetCurrentThreadId());
}

void MenuBar::ExitMenuLoop() {
  if (menuWindows_ == nullptr) return;
  UnhookWindowsHookEx(menuWindows_);
  menuWindows_ = nullptr;
  openMenuBar = nullptr;
}

void MenuBar::PaintNightBar(HWND window) const {
  if (night_ == nullptr) return;
  MENUBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (!GetMenuBarInfo(window, OBJID_MENU, 0, &bar)) return;
  RECT frame;
  GetWindowRect(window, &frame);
  POINT clientTop{0, 0};
  ClientToScreen(window, &clientTop);
  const HDC dc = GetWindowDC(window);
  const auto local = [&](RECT onScreen) {
    OffsetRect(&onScreen, -frame.left, -frame.top);
    return onScreen;
  };
  for (int item = 1; item <= GetMenuItemCount(bar_); ++item) {
    MENUBARINFO one{};
    one.cbSize = sizeof one;
    if (!GetMenuBarInfo(window, OBJID_MENU, item, &one)) continue;
    const RECT drawn = local(one.rcBar);
    ExcludeClipRect(dc, drawn.left, drawn.top, drawn.right, drawn.bottom);
  }
  RECT around = bar.rcBar;
  around.bottom = std::max(around.bottom, clientTop.y);  // the line under it too
  const RECT area = local(around);
  FillRect(dc, &area, ground_.get());
  ReleaseDC(window, dc);
}

bool MenuBar::Measure(MEASUREITEMSTRUCT& item, HWND window) const {
  if (item.CtlType != ODT_MENU || item.itemData >= entries_.size()) return false;
  const Entry& entry = entries_[item.itemData];
  const Font font = MenuFont();
  const HDC dc = GetDC(window);
  SIZE caption{};
  SIZE key{};
  {
    const Selection selected(dc, font.get());
    RECT measured{};
    DrawTextW(dc, entry.caption.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    caption = {measured.right, measured.bottom};
    if (!entry.key.empty())
      GetTextExtentPoint32W(dc, entry.key.c_str(), static_cast<int>(entry.key.size()), &key);
  }
  ReleaseDC(window, dc);
  const int pad = ScaleForDpi(8, dpi_);
  if (entry.onBar) {
    item.itemWidth = static_cast<UINT>(caption.cx + pad);
    item.itemHeight = static_cast<UINT>(GetSystemMetricsForDpi(SM_CYMENU, dpi_));
  } else {
    // Room for a check mark on the left, the shortcut on the right.
    const int check = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_);
    item.itemWidth =
        static_cast<UINT>(check + 2 * pad + caption.cx + (key.cx ? 2 * pad + key.cx : 0));
    item.itemHeight = static_cast<UINT>(
        std::max<LONG>(caption.cy + pad / 2, GetSystemMetricsForDpi(SM_CYMENU, dpi_)));
  }
  return true;
}

bool MenuBar::Draw(const DRAWITEMSTRUCT& item) const {
  if (item.CtlType != ODT_MENU || item.itemData >= entries_.size() || night_ == nullptr)
    return false;
  const Entry& entry = entries_[item.itemData];
  const Palette& palette = *night_;
  const bool chosen = item.itemState & (ODS_SELECTED | ODS_HOTLIGHT);
  const Rgb text = Colour(palette, Role::Text);
  const Rgb ground = Colour(palette, Role::WindowGround);
  // A chosen item: the colours change places.
  const Brush back = SolidBrush(chosen ? text : ground);
  FillRect(item.hDC, &item.rcItem, back.get());
  const Font font = MenuFont();
  const Selection selected(item.hDC, font.get());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, ToColorRef(chosen ? ground : text));
  const UINT prefix = item.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0;
  RECT where = item.rcItem;
  const int pad = ScaleForDpi(8, dpi_);
  if (entry.onBar) {
    DrawTextW(item.hDC, entry.caption.c_str(), -1, &where,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
    return true;
  }
  const int check = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_);
  if (item.itemState & ODS_CHECKED) {
    // A filled square where the system draws its check mark.
    const int side = check / 2;
    const int left = where.left + pad / 2 + (check - side) / 2;
    const int top = (where.top + where.bottom - side) / 2;
    const RECT mark{left, top, left + side, top + side};
    const Brush ink = SolidBrush(chosen ? ground : text);
    FillRect(item.hDC, &mark, ink.get());
  }
  where.left += check + pad;
  where.right -= pad;
  DrawTextW(item.hDC, entry.caption.c_str(), -1, &where,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | prefix);
  if (!entry.key.empty())
    DrawTextW(item.hDC, entry.key.c_str(), -1, &where,
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return true;
}

}  // namespace celforo::win32
