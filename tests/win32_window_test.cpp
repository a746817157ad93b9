// The Win32 window, run for real (under Wine on Linux): its geometry and
// fonts at the DPI it was started at, its colours read back from a capture,
// the Tab order driven by real key messages, Enter and Escape, the wiring of
// its events, the message box, and the program ending with status 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/form1_failures.h"
#include "tests/support/win32_keys.h"
#include "tests/support/win32_program.h"
#include "tests/support/win32_screen.h"
#include "ui/form1.h"
#include "win32/form1_window.h"
#include "win32/menu_bar.h"
#include "win32/message_icon.h"
#include "win32/registry_settings.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

// Every element at 96 DPI, in pixels: the twips of the table divided by 15.
struct Placed {
  const char* name;
  RECT pixels;  // left, top, right, bottom
};
constexpr Placed kAt96[] = {
    {"Text1", {32, 32, 145, 57}},      {"Text2", {192, 32, 305, 57}},
    {"Text3", {112, 80, 225, 105}},    {"Command1", {24, 272, 145, 305}},
    {"Label3", {24, 16, 153, 33}},     {"Label4", {192, 16, 305, 33}},
    {"Label5", {104, 64, 233, 81}},    {"Label6", {24, 128, 161, 145}},
    {"Label7", {168, 128, 321, 145}},  {"Label1", {24, 152, 161, 177}},
    {"Label2", {176, 152, 313, 177}},  {"Picture1", {152, 256, 330, 373}},
    {"Label8", {96, 208, 233, 233}},   {"Label9", {24, 184, 313, 209}},
    {"Command2", {48, 320, 121, 353}},
};

const std::array<ElementId, 3> kBoxes{kText1, kText2, kText3};
const std::array<ElementId, 3> kResults{kLabel1, kLabel2, kLabel8};
const std::array<std::string, 3> kDefaultResults{" 1.666667", " 4166.666667", " 13.333333"};
const std::array<std::string, 3> kNoResults{"", "", ""};

// The DPI the run was started at (Wine's LogPixels), told by the test's caller.
UINT AskedDpi() {
  const char* dpi = std::getenv("CELFORO_TEST_DPI");
  return dpi != nullptr ? static_cast<UINT>(std::atoi(dpi)) : 96;
}

double Scaled(LONG pixelsAt96, UINT dpi) {
  return pixelsAt96 * static_cast<double>(dpi) / 96.0;
}

ElementId IdNamed(std::string_view name) {
  for (ElementId id = 0; id < kForm1Elements.size(); ++id)
    if (kForm1Elements[id].name == name) return id;
  return kForm1Elements.size();
}

// What a message box said, read from the real box before it was dismissed.
struct MessageSeen {
  bool shown = false;
  HWND owner = nullptr;
  std::string title;
  std::string text;
  std::vector<std::string> buttons;
  bool icon = false;
  // The icon as shown: a visible icon control holding an icon, where it lies
  // in the box's client area, and the box's client area itself.
  bool iconShown = false;
  RECT iconArea{};
  std::shared_ptr<Capture> picture;
};

MessageSeen* watched = nullptr;
std::string watchedCapture;

BOOL CALLBACK FindMessageBox(HWND hwnd, LPARAM found) {
  if (ClassName(hwnd) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

BOOL CALLBACK ReadMessageBoxPart(HWND part, LPARAM) {
  const std::wstring kind = ClassName(part);
  if (kind == L"Button") watched->buttons.push_back(WindowText(part));
  if (kind == L"Static" && (GetWindowLongW(part, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    watched->icon = true;
    watched->iconShown = IsWindowVisible(part) && SendMessageW(part, STM_GETICON, 0, 0) != 0;
    GetWindowRect(part, &watched->iconArea);
    MapWindowPoints(nullptr, GetParent(part), reinterpret_cast<POINT*>(&watched->iconArea), 2);
  } else if (kind == L"Static" && WindowText(part).size() > watched->text.size())
    watched->text = WindowText(part);
  return TRUE;
}

// Called by the box's own modal loop: reads the box, then presses OK.
void CALLBACK DismissMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
  if (box == nullptr) return;
  KillTimer(nullptr, timer);
  watched->shown = true;
  watched->owner = GetWindow(box, GW_OWNER);
  watched->title = WindowText(box);
  EnumChildWindows(box, ReadMessageBoxPart, 0);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  watched->picture = std::make_shared<Capture>(box);
  if (!watchedCapture.empty()) watched->picture->Save(watchedCapture);
  SendMessageW(box, WM_COMMAND, IDOK, 0);
}

// Runs `action` and reads and dismisses the message box it opens.
MessageSeen DismissMessageOf(const std::function<void()>& action, std::string capture = {}) {
  MessageSeen seen;
  watched = &seen;
  watchedCapture = std::move(capture);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, DismissMessageBox);
  action();
  KillTimer(nullptr, timer);
  watched = nullptr;
  return seen;
}

// The night mode the program remembers, in its registry key: a text value,
// or another kind, or none.
void ForgetNightMode() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Night");
}
void StoreNightValue(DWORD type, const void* data, DWORD bytes) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Night", type, data, bytes);
}
void StoreNightText(const std::wstring& text) {
  StoreNightValue(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}
std::wstring StoredNightText() {
  wchar_t value[64] = {};
  DWORD bytes = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Night", RRF_RT_REG_SZ, nullptr, value,
                   &bytes) != ERROR_SUCCESS)
    return L"(none)";
  return value;
}

class Win32Window : public ::testing::Test {
protected:
  void SetUp() override {
    ForgetNightMode();  // each test starts by day
    form_ = std::make_unique<Form1Window>(GetModuleHandleW(nullptr));
    ASSERT_NE(form_->hwnd(), nullptr) << "the window could not be created";
    form_->Show();
    Pump();
  }
  void TearDown() override {
    form_.reset();
    Pump();
    ForgetNightMode();
  }

  // Handles every waiting message as the program's loop does; notes WM_QUIT.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quitStatus_ = static_cast<int>(message.wParam);
        continue;
      }
      if (form_) {
        form_->Handle(message);
      } else {
        DispatchMessageW(&message);
      }
    }
  }

  HWND Element(ElementId id) const { return form_->element(id); }
  std::string TextOf(ElementId id) const { return WindowText(Element(id)); }
  std::array<std::string, 3> Texts(const std::array<ElementId, 3>& ids) const {
    return {TextOf(ids[0]), TextOf(ids[1]), TextOf(ids[2])};
  }
  std::string FocusName() const {
    const HWND focus = GetFocus();
    for (ElementId id = 0; id < kForm1Elements.size(); ++id)
      if (Element(id) == focus && focus != nullptr) return std::string(kForm1Elements[id].name);
    return "?";
  }

  // A key pressed and released, as the keyboard posts it to the control with
  // the focus; the loop turns it into its character.
  void PressKey(WORD key) {
    PostKey(GetFocus(), key);
    Pump();
  }
  // Holds a modifier key (VK_SHIFT, VK_CONTROL) down or lets it go.
  void SetModifier(int key, bool down) { HoldModifier(key, down); }
  void Click(ElementId button) {
    SendMessageW(Element(button), BM_CLICK, 0, 0);
    Pump();
  }

  // Positions and sizes of every element and of the client area at `dpi`.
  void ExpectLaidOutAt(UINT dpi) {
    for (const Placed& placed : kAt96) {
      SCOPED_TRACE(placed.name);
      RECT rect;
      GetWindowRect(Element(IdNamed(placed.name)), &rect);
      MapWindowPoints(HWND_DESKTOP, form_->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
      EXPECT_NEAR(rect.left, Scaled(placed.pixels.left, dpi), 1.0);
      EXPECT_NEAR(rect.top, Scaled(placed.pixels.top, dpi), 1.0);
      EXPECT_NEAR(rect.right - rect.left, Scaled(placed.pixels.right - placed.pixels.left, dpi),
                  1.0);
      EXPECT_NEAR(rect.bottom - rect.top, Scaled(placed.pixels.bottom - placed.pixels.top, dpi),
                  1.0);
    }
    RECT client;
    GetClientRect(form_->hwnd(), &client);
    EXPECT_NEAR(client.right, 5055.0 * dpi / 1440, 1.0);
    EXPECT_NEAR(client.bottom, 5625.0 * dpi / 1440, 1.0);
  }

  // Every element's font: bold, the table's size at `dpi`, and the family
  // the DPI asks for, which the system really has.
  void ExpectFontsAt(UINT dpi) {
    const std::wstring family = dpi <= 96 ? L"MS Sans Serif" : L"Microsoft Sans Serif";
    for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
      const ElementRecord& record = kForm1Elements[id];
      if (record.fontSize <= 0) continue;
      SCOPED_TRACE(record.name);
      const auto font = reinterpret_cast<HFONT>(SendMessageW(Element(id), WM_GETFONT, 0, 0));
      ASSERT_NE(font, nullptr);
      LOGFONTW logical{};
      GetObjectW(font, sizeof logical, &logical);
      EXPECT_EQ(logical.lfHeight, -std::lround(record.fontSize * dpi / 72));
      EXPECT_EQ(logical.lfWeight, FW_BOLD);
      EXPECT_FALSE(logical.lfItalic || logical.lfUnderline || logical.lfStrikeOut);
      EXPECT_EQ(std::wstring(logical.lfFaceName), family);
      const HDC dc = GetDC(Element(id));
      const HGDIOBJ previous = SelectObject(dc, font);
      wchar_t face[LF_FACESIZE] = {};
      GetTextFaceW(dc, LF_FACESIZE, face);
      SelectObject(dc, previous);
      ReleaseDC(Element(id), dc);
      if (dpi <= 96) {
        EXPECT_EQ(std::wstring(face), family) << "the font was replaced";
      }
    }
  }

  std::unique_ptr<Form1Window> form_;
  int quitStatus_ = -1;
};

TEST_F(Win32Window, RunsAtTheAskedDpi) {
  EXPECT_EQ(form_->dpi(), AskedDpi());
  EXPECT_EQ(GetDpiForWindow(form_->hwnd()), AskedDpi());
}

TEST_F(Win32Window, StartsWithTheDefaultsCalculatedAndTheFocusInText1) {
  EXPECT_EQ(WindowText(form_->hwnd()), "             CELFORO");
  EXPECT_EQ(Texts(kBoxes), (std::array<std::string, 3>{" 2500", " 5", " 3"}));
  EXPECT_EQ(Texts(kResults), kDefaultResults);
  EXPECT_EQ(FocusName(), "Text1");
  EXPECT_TRUE(IsWindowVisible(form_->hwnd()));
}

TEST_F(Win32Window, FrameHasTheIconNoMaximiseAndIsCentredOnTheWorkArea) {
  const LONG style = GetWindowLongW(form_->hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_NE(SendMessageW(form_->hwnd(), WM_GETICON, ICON_BIG, 0), 0) << "no icon";
  EXPECT_NE(SendMessageW(form_->hwnd(), WM_GETICON, ICON_SMALL, 0), 0) << "no small icon";
  RECT window, work;
  GetWindowRect(form_->hwnd(), &window);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((window.left + window.right) / 2.0, (work.left + work.right) / 2.0, 1.0);
  EXPECT_NEAR((window.top + window.bottom) / 2.0, (work.top + work.bottom) / 2.0, 1.0);
}

TEST_F(Win32Window, ElementsLieWhereTheTableSaysInTheirFonts) {
  ExpectLaidOutAt(form_->dpi());
  ExpectFontsAt(form_->dpi());
}

TEST_F(Win32Window, ElementsAreTheRightKindsOfControl) {
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    const ElementRecord& record = kForm1Elements[id];
    SCOPED_TRACE(record.name);
    const HWND control = Element(id);
    if (record.kind == ElementKind::Rectangle) {
      EXPECT_EQ(control, nullptr);
      continue;
    }
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    switch (record.kind) {
      case ElementKind::TextBox:
        EXPECT_EQ(ClassName(control), L"Edit");
        EXPECT_TRUE((style & ES_CENTER) && (style & ES_AUTOHSCROLL) && (style & WS_TABSTOP));
        EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 65535);
        break;
      case ElementKind::ResultLabel:  // its border is checked in the colours
        EXPECT_EQ(ClassName(control), L"Edit");
        EXPECT_TRUE((style & ES_READONLY) && (style & ES_CENTER));
        EXPECT_FALSE(style & WS_TABSTOP);
        break;
      case ElementKind::PushButton:
        EXPECT_EQ(ClassName(control), L"Button");
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);  // never the default button
        EXPECT_TRUE(style & WS_TABSTOP);
        EXPECT_EQ(WindowText(control), record.caption);
        break;
      case ElementKind::CaptionLabel:
        EXPECT_EQ(ClassName(control), L"Static");
        EXPECT_EQ(style & SS_TYPEMASK, SS_CENTER);
        EXPECT_EQ(WindowText(control), record.caption);
        break;
      case ElementKind::PictureBox: EXPECT_FALSE(style & WS_TABSTOP); break;
      case ElementKind::Rectangle: break;
      case ElementKind::Choice:
      case ElementKind::DateTimeField:
      case ElementKind::ProblemLabel: ADD_FAILURE() << "not an element of Form1"; break;
    }
  }
}

// The window laid out again when it moves to a monitor of another DPI.
TEST_F(Win32Window, DpiChangeLaysTheWindowOutAgain) {
  const UINT other = form_->dpi() == 96 ? 144 : 96;
  RECT suggested;
  GetWindowRect(form_->hwnd(), &suggested);
  suggested.right =
      suggested.left + MulDiv(suggested.right - suggested.left, static_cast<int>(other),
                              static_cast<int>(form_->dpi()));
  suggested.bottom =
      suggested.top + MulDiv(suggested.bottom - suggested.top, static_cast<int>(other),
                             static_cast<int>(form_->dpi()));
  SendMessageW(form_->hwnd(), WM_DPICHANGED, MAKEWPARAM(other, other),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  EXPECT_EQ(form_->dpi(), other);
  ExpectLaidOutAt(other);
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    if (kForm1Elements[id].fontSize <= 0) continue;
    LOGFONTW logical{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Element(id), WM_GETFONT, 0, 0)), sizeof logical,
               &logical);
    EXPECT_EQ(logical.lfHeight, -std::lround(kForm1Elements[id].fontSize * other / 72));
  }
}

// Pixels of the client area: the ground, the frame, the picture, a result.
TEST_F(Win32Window, PaintsTheRightColours) {
  RedrawWindow(form_->hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const Capture capture(form_->hwnd());
  const UINT dpi = form_->dpi();
  const auto at = [&](int x, int y) {
    return capture.At(static_cast<int>(Scaled(x, dpi) + dpi / 192.0),
                      static_cast<int>(Scaled(y, dpi) + dpi / 192.0));
  };
  EXPECT_EQ(at(4, 4), 0xC0FFFFu);      // the window's pale cyan
  EXPECT_EQ(at(17, 180), 0xC0C0C0u);   // the frame's left side
  EXPECT_EQ(at(319, 137), 0xC0C0C0u);  // its right side, beside Label7
  EXPECT_EQ(at(153, 257), 0xBBFFFFu);  // the picture's ground
  EXPECT_EQ(at(26, 154), 0xFFFFFFu);   // inside Label1's border
  // Label1's border, drawn by the edit control in the system's colour.
  EXPECT_NE(at(24, 160), 0xFFFFFFu);
  EXPECT_NE(at(24, 160), 0xC0FFFFu);
  // Some of the picture's lines are drawn in its grey.
  int grey = 0;
  for (int y = 296; y < 310; ++y)
    for (int x = 160; x < 320; ++x) grey += at(x, y) == 0x808080u;
  EXPECT_GT(grey, 10);
  const std::string folder =
      std::getenv("CELFORO_SCREENSHOT_DIR") ? std::getenv("CELFORO_SCREENSHOT_DIR") : "";
  if (!folder.empty()) {
    capture.Save(folder + "/win32-client-dpi" + std::to_string(dpi) + ".bmp");
    // The frame as a user sees it: the window active, its caption drawn so.
    SetForegroundWindow(form_->hwnd());
    RedrawWindow(form_->hwnd(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    Capture(form_->hwnd(), true).Save(folder + "/win32-dpi" + std::to_string(dpi) + ".bmp");
  }
}

TEST_F(Win32Window, TabAndShiftTabFollowTheTable) {
  std::vector<std::string> visited;
  for (int press = 0; press < 6; ++press) {
    visited.push_back(FocusName());
    PressKey(VK_TAB);
  }
  EXPECT_EQ(visited,
            (std::vector<std::string>{"Text1", "Text2", "Text3", "Command1", "Command2", "Text1"}));
  visited.clear();
  SetModifier(VK_SHIFT, true);
  for (int press = 0; press < 6; ++press) {
    visited.push_back(FocusName());
    PressKey(VK_TAB);
  }
  SetModifier(VK_SHIFT, false);
  EXPECT_EQ(visited,
            (std::vector<std::string>{"Text2", "Text1", "Command2", "Command1", "Text3", "Text2"}));
}

TEST_F(Win32Window, TypingClearsEnterAndEscapeDoNothingCalcolaRefills) {
  for (const ElementId box : kBoxes) {
    SCOPED_TRACE(kForm1Elements[box].name);
    SetFocus(Element(box));
    SendMessageW(Element(box), EM_SETSEL, 1000, 1000);
    const std::string before = TextOf(box);
    PressKey('7');
    EXPECT_EQ(TextOf(box), before + "7");
    EXPECT_EQ(Texts(kResults), kNoResults);
    PressKey(VK_BACK);
    EXPECT_EQ(TextOf(box), before);
    EXPECT_EQ(Texts(kResults), kNoResults);
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Texts(kResults), kNoResults);
    EXPECT_TRUE(IsWindow(form_->hwnd()));
    EXPECT_EQ(quitStatus_, -1);
    Click(kCommand1);
    EXPECT_EQ(Texts(kResults), kDefaultResults);
  }
}

// A result is selected with the mouse and copied with Ctrl+C, though Tab
// never stops on it.
TEST_F(Win32Window, ResultsCanBeSelectedAndCopied) {
  for (std::size_t i = 0; i < kResults.size(); ++i) {
    SCOPED_TRACE(kForm1Elements[kResults[i]].name);
    const HWND result = Element(kResults[i]);
    RECT client;
    GetClientRect(result, &client);
    SendMessageW(result, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, client.bottom / 2));
    SendMessageW(result, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right - 1, client.bottom / 2));
    SendMessageW(result, WM_LBUTTONUP, 0, MAKELPARAM(client.right - 1, client.bottom / 2));
    Pump();
    EXPECT_EQ(GetFocus(), result);
    DWORD start = 0, end = 0;
    SendMessageW(result, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, kDefaultResults[i].size());
    SetModifier(VK_CONTROL, true);
    PressKey('C');
    SetModifier(VK_CONTROL, false);
    std::string copied;
    if (OpenClipboard(form_->hwnd())) {
      if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        copied = Narrow(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
      }
      CloseClipboard();
    }
    EXPECT_EQ(copied, kDefaultResults[i]);
    EXPECT_EQ(TextOf(kResults[i]), kDefaultResults[i]);  // read-only
  }
}

// A longer paste is cut at 65,535 characters, and the window goes on.
TEST_F(Win32Window, BoxesHoldAtMost65535Characters) {
  std::wstring paste(70000, L'\x263C');  // ☼
  paste.replace(0, 4, L"2500");
  SetFocus(Element(kText1));
  SendMessageW(Element(kText1), EM_SETSEL, 0, -1);
  SendMessageW(Element(kText1), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(paste.c_str()));
  EXPECT_EQ(GetWindowTextLengthW(Element(kText1)), 65535);
  EXPECT_EQ(Texts(kResults), kNoResults);
  Click(kCommand1);
  EXPECT_EQ(Texts(kResults), kDefaultResults);
}

TEST_F(Win32Window, FailuresAreToldInTheRealMessageBoxAndTheWindowGoesOn) {
  const char* folder = std::getenv("CELFORO_SCREENSHOT_DIR");
  for (const testing::Form1Failure& c : testing::kForm1Failures) {
    SCOPED_TRACE(c.what);
    for (std::size_t i = 0; i < 3; ++i)
      SetWindowTextW(Element(kBoxes[i]), Widen(c.boxes[i]).c_str());
    const std::string capture =
        folder != nullptr && c.message == testing::kDivisionByZero
            ? std::string(folder) + "/win32-message-dpi" + std::to_string(form_->dpi()) + ".bmp"
            : std::string();
    const MessageSeen seen = DismissMessageOf([&] { Click(kCommand1); }, capture);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.owner, form_->hwnd());
    EXPECT_EQ(seen.title, "CELFORO");
    EXPECT_EQ(seen.text, c.message);
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(seen.icon);
    EXPECT_TRUE(IsWindow(form_->hwnd()));
    EXPECT_EQ(quitStatus_, -1);
    EXPECT_EQ(Texts(kBoxes), c.boxes);
    EXPECT_EQ(Texts(kResults), c.results);
  }
}

// The menu bar lies outside the client area, which stays the table's: its
// menus, NOTTE checkable on F3, and the about box with its icon.
TEST_F(Win32Window, MenuBarCarriesTheCommandsOutsideTheClientArea) {
  const HWND window = form_->hwnd();
  const HMENU bar = GetMenu(window);
  ASSERT_NE(bar, nullptr);
  const auto caption = [](HMENU menu, UINT item, UINT by) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, item, text, 64, by);
    return std::wstring(text);
  };
  // FILE, VISUALIZZA and ?, each with its items in order, a shortcut key
  // shown after a tab.
  const std::vector<std::wstring> menus{L"&FILE", L"&VISUALIZZA", L"&?"};
  const std::vector<std::vector<std::wstring>> items{
      {L"&SALVA IMPOSTAZIONE\u2026", L"&APRI IMPOSTAZIONE\u2026", L"&ESPORTA IMMAGINE\u2026"},
      {L"&PIANIFICAZIONE\tF2", L"&NOTTE\tF3"},
      {L"&INFORMAZIONI SU CELFORO"}};
  ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(menus.size()));
  ASSERT_EQ(kMenus.size(), menus.size()) << "the menus the window system is given";
  for (std::size_t m = 0; m < menus.size(); ++m) {
    EXPECT_EQ(caption(bar, static_cast<UINT>(m), MF_BYPOSITION), menus[m]);
    const HMENU menu = GetSubMenu(bar, static_cast<int>(m));
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(items[m].size())) << m;
    for (std::size_t i = 0; i < items[m].size(); ++i)
      EXPECT_EQ(caption(menu, static_cast<UINT>(i), MF_BYPOSITION), items[m][i]);
  }
  // Each item carries its command.
  for (const MenuItemRecord& item : kMenuItems) {
    const std::wstring shown = caption(bar, MenuBar::IdOf(item.command), MF_BYCOMMAND);
    EXPECT_EQ(shown.substr(0, shown.find(L'\t')), Widen(item.caption));
  }
  const WORD notte = MenuBar::IdOf(MenuCommand::NightMode);
  EXPECT_EQ(GetMenuState(bar, notte, MF_BYCOMMAND) & MF_CHECKED, 0u);
  MENUBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMenuBarInfo(window, OBJID_MENU, 0, &info));
  POINT corner{0, 0};
  ClientToScreen(window, &corner);
  EXPECT_LT(info.rcBar.top, corner.y);
  ExpectLaidOutAt(form_->dpi());

  const MessageSeen about = DismissMessageOf([&] {
    SendMessageW(window, WM_COMMAND, MenuBar::IdOf(MenuCommand::About), 0);
    Pump();
  });
  ASSERT_TRUE(about.shown);
  EXPECT_EQ(about.owner, window);
  EXPECT_EQ(about.title, "INFORMAZIONI SU CELFORO");
  for (const char* part : {"CELFORO 1.00", "MIT", "The CELFORO developers"})
    EXPECT_NE(about.text.find(part), std::string::npos) << part;
  EXPECT_EQ(about.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(about.iconShown);
}

// By day a failure is told in the system's box, with the system's error
// icon shown in it (a red disc).
TEST_F(Win32Window, ByDayTheMessageShowsTheSystemsErrorIcon) {
  SetWindowTextW(Element(kText3), L"0");
  const MessageSeen seen = DismissMessageOf([&] { Click(kCommand1); });
  ASSERT_TRUE(seen.shown);
  EXPECT_TRUE(seen.iconShown) << "no icon in the box";
  const RECT& icon = seen.iconArea;
  EXPECT_GT(seen.picture->Red(icon), (icon.right - icon.left) * (icon.bottom - icon.top) / 5)
      << "the icon shown is not the error icon";
}

// F3 turns everything the window draws red on black, green and blue 0: the
// form with the focus and a selection in a box, and the menu bar. The choice
// is in the registry at once; F3 again brings the day back as it was.
TEST_F(Win32Window, F3TurnsTheWindowRedOnBlackAndBack) {
  const HWND window = form_->hwnd();
  const auto redraw = [&] {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
  };
  SetFocus(Element(kCommand1));  // no caret: pictures compare
  redraw();
  const Capture day(window);
  ASSERT_GT(day.NotNight(), 1000);

  SetFocus(Element(kText1));
  PressKey(VK_F3);
  EXPECT_EQ(form_->theme(), Theme::Night);
  EXPECT_EQ(StoredNightText(), L"1");
  const WORD notte = MenuBar::IdOf(MenuCommand::NightMode);
  EXPECT_TRUE(GetMenuState(GetMenu(window), notte, MF_BYCOMMAND) & MF_CHECKED);
  PressKey(VK_TAB);  // into Text2, its text all selected
  EXPECT_EQ(FocusName(), "Text2");
  redraw();
  const Capture night(window);
  EXPECT_EQ(night.NotNight(), 0);
  EXPECT_GT(night.Red(), 1500);
  // A result with the focus and its text selected, as a click and a drag leave it.
  SetFocus(Element(kLabel2));
  SendMessageW(Element(kLabel2), EM_SETSEL, 0, -1);
  redraw();
  EXPECT_EQ(Capture(window).NotNight(), 0) << "a result selected";
  SetFocus(Element(kText2));
  SendMessageW(Element(kText2), EM_SETSEL, 0, -1);
  redraw();
  MENUBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMenuBarInfo(window, OBJID_MENU, 0, &info));
  // The frame is the system's to repaint, in its own time: up to some seconds
  // on a loaded machine.
  std::unique_ptr<Capture> bar;
  for (int tries = 0; tries < 250; ++tries) {
    DrawMenuBar(window);
    Pump();
    bar = std::make_unique<Capture>(info.rcBar);
    if (bar->Red() > 10) break;
    Sleep(20);
  }
  EXPECT_EQ(bar->NotNight(), 0) << "the menu bar";
  EXPECT_GT(bar->Red(), 10) << "the menu bar's captions";
  const char* folder = std::getenv("CELFORO_SCREENSHOT_DIR");
  if (folder != nullptr) {
    const std::string dpi = std::to_string(form_->dpi());
    night.Save(std::string(folder) + "/win32-night-client-dpi" + dpi + ".bmp");
    SetForegroundWindow(window);
    redraw();
    Capture(window, true).Save(std::string(folder) + "/win32-night-dpi" + dpi + ".bmp");
  }

  PressKey(VK_F3);
  EXPECT_EQ(form_->theme(), Theme::Day);
  EXPECT_EQ(StoredNightText(), L"0");
  SetFocus(Element(kCommand1));
  SendMessageW(Element(kText2), EM_SETSEL, 0, 0);
  redraw();
  const Capture after(window);
  EXPECT_EQ(after.NotNight(), day.NotNight());
  EXPECT_EQ(after.Red(), day.Red());
  int differing = 0;
  for (int y = 0; y < day.height(); ++y)
    for (int x = 0; x < day.width(); ++x) differing += day.At(x, y) != after.At(x, y);
  EXPECT_EQ(differing, 0) << "the day after the night is not the day before";
}

// The menu opened by the keyboard, read from the screen by a timer that
// runs inside the menu's own loop, and closed.
struct OpenMenuSeen {
  bool shown = false;
  std::shared_ptr<Capture> picture;  // the menu window, frame and all
};
OpenMenuSeen* openMenuSeen = nullptr;

BOOL CALLBACK FindMenuWindow(HWND hwnd, LPARAM found) {
  if (ClassName(hwnd) != L"#32768" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&menu));
  if (menu == nullptr) return;
  KillTimer(nullptr, timer);
  RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  RECT area;
  GetWindowRect(menu, &area);
  openMenuSeen->shown = true;
  openMenuSeen->picture = std::make_shared<Capture>(area);
  EndMenu();
}

// At night the open menu is red on black. Its frame is the program's on
// Windows; Wine draws it along with the items, in the system's grey, where
// no program reaches: it is left out here.
TEST_F(Win32Window, AtNightTheOpenMenuIsRedOnBlack) {
  PressKey(VK_F3);
  ASSERT_EQ(form_->theme(), Theme::Night);
  OpenMenuSeen seen;
  openMenuSeen = &seen;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadOpenMenu);
  SetForegroundWindow(form_->hwnd());
  SendMessageW(form_->hwnd(), WM_SYSCOMMAND, SC_KEYMENU, 'v');  // Alt+V: VISUALIZZA
  Pump();
  KillTimer(nullptr, timer);
  openMenuSeen = nullptr;
  ASSERT_TRUE(seen.shown) << "the menu did not open";
  const RECT inside{1, 1, seen.picture->width() - 1, seen.picture->height() - 1};
  EXPECT_EQ(seen.picture->NotNight(inside), 0);
  EXPECT_GT(seen.picture->Red(), 50);
  const char* folder = std::getenv("CELFORO_SCREENSHOT_DIR");
  if (folder != nullptr)
    seen.picture->Save(std::string(folder) + "/win32-night-menu-dpi" +
                       std::to_string(form_->dpi()) + ".bmp");
}

// At night the message is the program's own box, red on black with its red
// error icon, read and closed as the system's is; the about box too.
TEST_F(Win32Window, AtNightTheMessageIsTheProgramsOwnRedOnBlack) {
  PressKey(VK_F3);
  ASSERT_EQ(form_->theme(), Theme::Night);
  const char* folder = std::getenv("CELFORO_SCREENSHOT_DIR");
  for (const testing::Form1Failure& c : testing::kForm1Failures) {
    SCOPED_TRACE(c.what);
    for (std::size_t i = 0; i < 3; ++i)
      SetWindowTextW(Element(kBoxes[i]), Widen(c.boxes[i]).c_str());
    const std::string capture = folder != nullptr && c.message == testing::kDivisionByZero
                                    ? std::string(folder) + "/win32-night-message-dpi" +
                                          std::to_string(form_->dpi()) + ".bmp"
                                    : std::string();
    const MessageSeen seen = DismissMessageOf([&] { Click(kCommand1); }, capture);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.owner, form_->hwnd());
    EXPECT_EQ(seen.title, "CELFORO");
    EXPECT_EQ(seen.text, c.message);
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(seen.iconShown);
    EXPECT_EQ(seen.picture->NotNight(), 0);
    const RECT& icon = seen.iconArea;
    EXPECT_GT(seen.picture->Red(icon), (icon.right - icon.left) * (icon.bottom - icon.top) / 3)
        << "no red icon";
    EXPECT_TRUE(IsWindow(form_->hwnd()));
    EXPECT_EQ(Texts(kBoxes), c.boxes);
    EXPECT_EQ(Texts(kResults), c.results);
  }
  const MessageSeen about = DismissMessageOf([&] {
    SendMessageW(form_->hwnd(), WM_COMMAND, MenuBar::IdOf(MenuCommand::About), 0);
    Pump();
  });
  ASSERT_TRUE(about.shown);
  EXPECT_EQ(about.title, "INFORMAZIONI SU CELFORO");
  EXPECT_EQ(about.picture->NotNight(), 0);
  EXPECT_GT(about.picture->Red(about.iconArea), 100);
}

// The night icon itself: a red disc with the mark cut out in black, smooth
// at its edge, transparent around it, green and blue 0 throughout.
TEST(Win32MessageIcon, IsRedOnBlackAndSmooth) {
  for (const MessageKind kind : {MessageKind::Error, MessageKind::Information}) {
    for (const int size : {32, 48}) {
      SCOPED_TRACE(size);
      const std::vector<std::uint32_t> pixels = MessageIconPixels(kind, kNightPalette, size);
      ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
      const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; };
      int partial = 0;
      for (const std::uint32_t pixel : pixels) {
        EXPECT_EQ(pixel & 0xFFFF, 0u);
        EXPECT_LE((pixel >> 16) & 0xFF, pixel >> 24);  // premultiplied
        const std::uint32_t alpha = pixel >> 24;
        partial += alpha > 0 && alpha < 255;
      }
      EXPECT_GT(partial, size);                         // the edge is smoothed
      EXPECT_EQ(at(0, 0), 0u);                          // outside the disc
      EXPECT_EQ(at(size / 2, size / 10), 0xFFFF0000u);  // the disc, above the mark
      // The cross's crossing, or the i's stem, cut out in black.
      const int markY = kind == MessageKind::Error ? size / 2 : size * 6 / 10;
      EXPECT_EQ(at(size / 2, markY) & 0x00FFFFFF, 0u);
    }
  }
  EXPECT_NE(MakeMessageIcon(MessageKind::Error, kNightPalette, 32), nullptr);
}

// The choice is kept as a text value under HKCU\Software\CELFORO; a value
// that is missing, of another kind or not one the program writes starts the
// window by day and is replaced by the next choice.
TEST(Win32NightMode, RememberedInTheRegistryAndAnyOtherValueIgnored) {
  struct Case {
    const char* what;
    DWORD type;  // REG_NONE: no value at all
    std::wstring data;
    DWORD bytes;  // 0: the text with its end
    Theme theme;
  };
  const DWORD one = 1;
  const Case cases[] = {
      {"none", REG_NONE, L"", 0, Theme::Day},
      {"night", REG_SZ, L"1", 0, Theme::Night},
      {"day", REG_SZ, L"0", 0, Theme::Day},
      {"a word", REG_SZ, L"yes", 0, Theme::Day},
      {"unended", REG_SZ, L"1", 2, Theme::Night},
      {"a nul inside", REG_SZ, std::wstring(L"1\0x", 3), 8, Theme::Day},
      {"long", REG_SZ, std::wstring(5000, L'1'), 0, Theme::Day},
      {"expandable", REG_EXPAND_SZ, L"1", 0, Theme::Day},
      {"several", REG_MULTI_SZ, std::wstring(L"1\0", 2), 6, Theme::Day},
      {"a number", REG_DWORD, L"", 0, Theme::Day},
      {"bytes", REG_BINARY, L"1", 2, Theme::Day},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ForgetNightMode();
    if (c.type == REG_DWORD) {
      StoreNightValue(REG_DWORD, &one, sizeof one);
    } else if (c.type != REG_NONE) {
      const DWORD bytes =
          c.bytes != 0 ? c.bytes : static_cast<DWORD>((c.data.size() + 1) * sizeof(wchar_t));
      StoreNightValue(c.type, c.data.c_str(), bytes);
    }
    const Theme other = c.theme == Theme::Night ? Theme::Day : Theme::Night;
    {
      Form1Window form(GetModuleHandleW(nullptr));
      ASSERT_NE(form.hwnd(), nullptr);
      EXPECT_EQ(form.theme(), c.theme);
      SendMessageW(form.hwnd(), WM_COMMAND, MenuBar::IdOf(MenuCommand::NightMode), 0);
      EXPECT_EQ(form.theme(), other);
      EXPECT_EQ(StoredNightText(), other == Theme::Night ? L"1" : L"0");
    }
    Form1Window next(GetModuleHandleW(nullptr));
    EXPECT_EQ(next.theme(), other);
  }
  ForgetNightMode();
}

TEST_F(Win32Window, EsciAndTheCloseBoxEndTheProgramWithStatus0) {
  SetWindowTextW(Element(kText3), L"9");  // even with the results empty
  Click(kCommand2);
  EXPECT_FALSE(IsWindow(Element(kCommand2)));
  EXPECT_EQ(quitStatus_, 0);

  form_ = std::make_unique<Form1Window>(GetModuleHandleW(nullptr));
  form_->Show();
  quitStatus_ = -1;
  SendMessageW(form_->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_EQ(form_->hwnd(), nullptr);
  EXPECT_EQ(quitStatus_, 0);
}

// The program itself, started as a user starts it: it shows its window with
// the focus in Text1, and ESCI or the close box end it with status 0.
TEST(Win32Program, ShowsItsWindowAndEndsWithStatus0ByEsciOrTheCloseBox) {
  for (const bool byEsci : {true, false}) {
    SCOPED_TRACE(byEsci ? "ESCI" : "close box");
    const Started started = StartProgram();
    ASSERT_NE(started.window, nullptr)
        << "no window from " << Narrow(ProgramPath()) << " (process not made: error "
        << started.createError << ")";
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(started.process.dwThreadId, &thread);
    // Another process's text is asked for: GetWindowText would not send WM_GETTEXT.
    wchar_t focused[32] = {};
    SendMessageW(thread.hwndFocus, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(focused));
    EXPECT_EQ(std::wstring(focused), L" 2500");
    if (byEsci) {
      PostMessageW(FindWindowExW(started.window, nullptr, L"Button", L"ESCI"), BM_CLICK, 0, 0);
    } else {
      PostMessageW(started.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    EXPECT_EQ(EndedWith(started), 0u);
  }
}

// The program itself, started with night mode remembered: its window on the
// screen is red on black from the start, and F3 sent to it from outside
// turns it to day and is remembered.
TEST(Win32Program, StartsAtNightWhenRememberedAndF3SwitchesIt) {
  StoreNightText(L"1");
  const Started started = StartProgram();
  ASSERT_NE(started.window, nullptr) << "process not made: error " << started.createError;
  RECT client;
  GetClientRect(started.window, &client);
  MapWindowPoints(started.window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  // The screen, once the window has painted.
  std::unique_ptr<Capture> screen;
  for (int tries = 0; tries < 100; ++tries) {
    screen = std::make_unique<Capture>(client);
    if (screen->Red() > 1500) break;
    Sleep(50);
  }
  EXPECT_EQ(screen->NotNight(), 0);
  EXPECT_GT(screen->Red(), 1500);

  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(started.process.dwThreadId, &thread);
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(VK_F3, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(thread.hwndFocus, WM_KEYDOWN, VK_F3, scan | 1);
  PostMessageW(thread.hwndFocus, WM_KEYUP, VK_F3, scan | static_cast<LPARAM>(0xC0000001));
  for (int tries = 0; tries < 100 && StoredNightText() != L"0"; ++tries) Sleep(50);
  EXPECT_EQ(StoredNightText(), L"0");
  for (int tries = 0; tries < 100; ++tries) {
    screen = std::make_unique<Capture>(client);
    if (screen->NotNight() > 1000) break;
    Sleep(50);
  }
  EXPECT_GT(screen->NotNight(), 1000) << "still at night";
  PostMessageW(started.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(EndedWith(started), 0u);
  ForgetNightMode();
}

}  // namespace
}  // namespace celforo::win32
