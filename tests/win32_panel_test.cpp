// The planning panel in the Win32 window, run for real (under Wine on
// Linux): built only when first asked for, beside Form1, its elements where
// the table says at the DPI, Tab in reading order, its behaviour, what it
// keeps in the registry, its names for screen readers, its pixels by day and
// by night; and the program itself driven from this process by the
// accessible names of its controls, its results held to celforo-calc's.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "calc/sensors.h"
#include "tests/support/win32_accessible_driver.h"
#include "tests/support/win32_keys.h"
#include "tests/support/win32_program.h"
#include "tests/support/win32_screen.h"
#include "ui/form2.h"
#include "ui/svg_writer.h"
#include "win32/element_controls.h"
#include "win32/form1_window.h"
#include "win32/form2_window.h"
#include "win32/menu_bar.h"
#include "win32/registry_settings.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

using Driver = AccessibleDriver;

// The DPI the run was started at (Wine's LogPixels), told by the test's caller.
UINT RunDpi() {
  const char* dpi = std::getenv("CELFORO_TEST_DPI");
  return dpi != nullptr ? static_cast<UINT>(std::atoi(dpi)) : 96;
}

std::string Folder() {
  const char* folder = std::getenv("CELFORO_SCREENSHOT_DIR");
  return folder != nullptr ? folder : "";
}

// Nothing the panel or night mode kept from an earlier test.
void ForgetPanel() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kPanelSettingsKey);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Night");
}

void KeepPanelValue(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kPanelSettingsKey, name, type, data, bytes);
}

std::string KeptPanelText(const wchar_t* name) {
  wchar_t value[256] = {};
  DWORD bytes = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kPanelSettingsKey, name, RRF_RT_REG_SZ, nullptr, value,
                   &bytes) != ERROR_SUCCESS)
    return "(none)";
  return Narrow(value);
}

// A rectangle of a window's client area on the screen.
RECT OnScreen(HWND window, RECT rect) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// A child's rectangle in its parent's client area.
RECT InParent(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The items of a choice, as its caption lists them.
std::vector<std::string> Lines(std::string_view items) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(items)};
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The place of VISUALIZZA in the menu bar.
int VisualizzaMenu() {
  for (std::size_t menu = 0; menu < kMenus.size(); ++menu)
    if (kMenus[menu] == "&VISUALIZZA") return static_cast<int>(menu);
  return -1;
}

class Win32Panel : public ::testing::Test {
protected:
  static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }

  void SetUp() override {
    ForgetPanel();
    StartForm1();
  }
  void TearDown() override {
    form_.reset();
    Pump();
    ForgetPanel();
  }

  void StartForm1() {
    form_ = std::make_unique<Form1Window>(GetModuleHandleW(nullptr));
    ASSERT_NE(form_->hwnd(), nullptr);
    form_->Show();
    Pump();
  }

  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;
      if (form_) {
        form_->Handle(message);
      } else {
        DispatchMessageW(&message);
      }
    }
  }

  // A key pressed and released where the focus is, as the keyboard posts it.
  void PressKey(WORD key) {
    PostKey(GetFocus(), key);
    Pump();
  }
  void SetModifier(int key, bool down) { HoldModifier(key, down); }

  // The panel, opened with F2 from Form1.
  Form2Window& OpenPanel() {
    SetForegroundWindow(form_->hwnd());
    SetFocus(form_->element(kText1));
    PressKey(VK_F2);
    EXPECT_NE(form_->panel(), nullptr) << "F2 opened no panel";
    return *form_->panel();
  }
  Form2Window& panel() const { return *form_->panel(); }
  HWND Field(ElementId id) const { return panel().element(id); }
  std::string TextOf(ElementId id) const { return WindowText(Field(id)); }

  // What the user does: types a box's text, chooses an item, clicks.
  void Type(ElementId box, std::string_view text) {
    SetWindowTextW(Field(box), Widen(text).c_str());
    Pump();
  }
  void Choose(ElementId choice, std::string_view item) {
    SetFocus(Field(choice));
    const auto index = SendMessageW(Field(choice), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(Widen(item).c_str()));
    ASSERT_GE(index, 0) << item;
    PressKey(VK_HOME);
    for (LRESULT i = 0; i < index; ++i) PressKey(VK_DOWN);
  }
  void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
  }
  std::vector<std::string> Results() const {
    std::vector<std::string> texts;
    for (const ElementId result : kForm2Results) texts.push_back(TextOf(result));
    return texts;
  }

  void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
  }

  std::unique_ptr<Form1Window> form_;
};

// Nothing of the panel exists until it is asked for; F2 opens it beside
// Form1, its focus in its first field; F2 again, from either window, hides
// and shows it where it was; its close box hides it; the menu's item opens
// it too. Form1, centred, has no room on either side for the two columns on
// the screens the panel is made for (1280 x 800 at 96 DPI, 1920 x 1200 at
// 144): it moves left just enough for both, and is otherwise untouched.
TEST_F(Win32Panel, IsBuiltWhenFirstAskedForAndF2ShowsAndHidesIt) {
  EXPECT_EQ(form_->panel(), nullptr);
  EXPECT_EQ(FindWindowW(L"CelforoForm2", nullptr), nullptr);
  RECT form1Before;
  GetWindowRect(form_->hwnd(), &form1Before);

  Form2Window& shown = OpenPanel();
  const HWND window = shown.hwnd();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(WindowText(window), "PIANIFICAZIONE");
  EXPECT_EQ(GetWindow(window, GW_OWNER), form_->hwnd());
  EXPECT_EQ(GetFocus(), Field(kApertureBox));
  RECT form1, beside;
  GetWindowRect(form_->hwnd(), &form1);
  GetWindowRect(window, &beside);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(form1.top, form1Before.top);
  EXPECT_EQ(form1.right - form1.left, form1Before.right - form1Before.left);
  EXPECT_LT(form1.left, form1Before.left) << "neither side had room";
  EXPECT_GE(form1.left, work.left);
  EXPECT_EQ(beside.right, work.right) << "Form1 moved no more than it had to";
  EXPECT_GE(beside.left, form1.right) << "on Form1's right";
  EXPECT_LE(beside.left, form1.right + 2 * static_cast<LONG>(shown.dpi()) / 10);
  // Level with Form1, or as high as it must be for the screen to hold it.
  EXPECT_EQ(beside.top, std::min(form1.top, work.bottom - (beside.bottom - beside.top)));
  EXPECT_LE(beside.bottom, work.bottom);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE((style & WS_CAPTION) && (style & WS_SYSMENU));
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD));

  PressKey(VK_F2);  // from the panel
  EXPECT_FALSE(IsWindowVisible(window));
  SetForegroundWindow(form_->hwnd());
  SetFocus(form_->element(kText2));
  PressKey(VK_F2);  // from Form1
  EXPECT_TRUE(IsWindowVisible(window));
  SetWindowPos(window, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_TRUE(IsWindow(window)) << "closing hides it";
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(IsWindow(form_->hwnd()));
  SendMessageW(form_->hwnd(), WM_COMMAND, MenuBar::IdOf(MenuCommand::Panel), 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(form_->panel()->hwnd(), window) << "the same panel, not a new one";
  RECT again;
  GetWindowRect(window, &again);
  EXPECT_EQ(again.left, 10);
  EXPECT_EQ(again.top, 20);

  // The menu's item, first in VISUALIZZA.
  wchar_t caption[64] = {};
  GetMenuStringW(GetSubMenu(form_->menu(), VisualizzaMenu()), 0, caption, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(caption), L"&PIANIFICAZIONE\tF2");
}

// On the left of Form1 where its right has no room.
TEST_F(Win32Panel, OpensOnTheLeftWhereTheRightHasNoRoom) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT form1;
  GetWindowRect(form_->hwnd(), &form1);
  SetWindowPos(form_->hwnd(), nullptr, work.right - (form1.right - form1.left), form1.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(form_->hwnd(), &form1);
  const HWND window = OpenPanel().hwnd();
  RECT beside;
  GetWindowRect(window, &beside);
  EXPECT_LE(beside.right, form1.left);
  EXPECT_GE(beside.left, work.left);
}

// Every element where the table puts it in twips at the window's DPI, the
// client area the table's, each of its kind of control in its font, a
// choice's items its caption's lines, and Tab in reading order.
TEST_F(Win32Panel, ElementsLieWhereTheTableSaysAsTheirKindsOfControl) {
  Form2Window& shown = OpenPanel();
  const UINT dpi = shown.dpi();
  EXPECT_EQ(dpi, RunDpi());
  RECT client;
  GetClientRect(shown.hwnd(), &client);
  EXPECT_EQ(client.right, TwipsAt(kForm2.clientWidth, dpi));
  EXPECT_EQ(client.bottom, TwipsAt(kForm2.clientHeight, dpi));
  const std::wstring family = dpi <= 96 ? L"MS Sans Serif" : L"Microsoft Sans Serif";
  for (ElementId id = 0; id < kForm2Elements.size(); ++id) {
    const ElementRecord& record = kForm2Elements[id];
    SCOPED_TRACE(record.name);
    const HWND control = Field(id);
    if (record.kind == ElementKind::Rectangle) {
      EXPECT_EQ(control, nullptr);
      continue;
    }
    ASSERT_NE(control, nullptr);
    // What the page alone has is not shown here.
    if (record.platforms == Platforms::PageOnly) {
      EXPECT_FALSE(IsWindowVisible(control));
      continue;
    }
    EXPECT_TRUE(IsWindowVisible(control));
    const RECT expected = Bounds(record, dpi);
    const RECT at = InParent(control);
    EXPECT_EQ(at.left, expected.left);
    EXPECT_EQ(at.top, expected.top);
    EXPECT_EQ(at.bottom - at.top, expected.bottom - expected.top);
    // A caption is as wide as the table says, or as its text where wider.
    if (record.kind == ElementKind::CaptionLabel) {
      EXPECT_GE(at.right, expected.right);
    } else {
      EXPECT_EQ(at.right, expected.right);
    }
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool tabStop = style & WS_TABSTOP;
    switch (record.kind) {
      case ElementKind::TextBox:
        EXPECT_EQ(ClassName(control), L"Edit");
        EXPECT_TRUE(tabStop);
        EXPECT_FALSE(style & ES_READONLY);
        break;
      case ElementKind::ResultLabel:
        EXPECT_EQ(ClassName(control), L"Edit");
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_FALSE(tabStop);
        break;
      case ElementKind::PushButton:
        EXPECT_EQ(ClassName(control), L"Button");
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_TRUE(tabStop);
        EXPECT_EQ(WindowText(control), record.caption);
        break;
      case ElementKind::CaptionLabel:
      case ElementKind::ProblemLabel:
        EXPECT_EQ(ClassName(control), L"Static");
        EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT);
        EXPECT_FALSE(tabStop);
        if (record.kind == ElementKind::CaptionLabel) {
          EXPECT_EQ(WindowText(control), record.caption);
        }
        break;
      case ElementKind::Choice: {
        EXPECT_EQ(ClassName(control), L"ComboBox");
        EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
        EXPECT_TRUE(tabStop);
        std::vector<std::string> items;
        const auto count = SendMessageW(control, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
          wchar_t item[64] = {};
          SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(item));
          items.push_back(Narrow(item));
        }
        // STRUMENTI's lists hold "—" with nothing kept, the camera's then
        // the sensors known.
        std::vector<std::string> expectedItems = Lines(record.caption);
        if (id == kKitSections[2].choice)
          for (const Sensor& sensor : Sensors()) expectedItems.emplace_back(sensor.name);
        EXPECT_EQ(items, expectedItems);
        // Each item is whole in the box's own room for it, in its font.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(control, &info);
        const HDC dc = GetDC(control);
        const HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        for (const std::string& item : items) {
          const std::wstring text = Widen(item);
          SIZE extent{};
          GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
          EXPECT_LE(extent.cx, info.rcItem.right - info.rcItem.left) << item;
        }
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        // The dropped list shows every item, no scroll bar.
        RECT dropped;
        SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        const auto row = SendMessageW(control, CB_GETITEMHEIGHT, 0, 0);
        EXPECT_GE(dropped.bottom - dropped.top, row * count);
        break;
      }
      case ElementKind::DateTimeField:
        EXPECT_EQ(ClassName(control), L"SysDateTimePick32");
        EXPECT_TRUE(tabStop);
        break;
      case ElementKind::PictureBox:
        EXPECT_EQ(ClassName(control), L"CelforoPicture");
        EXPECT_FALSE(tabStop);
        break;
      case ElementKind::Rectangle: break;
    }
    if (record.fontSize <= 0) continue;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logical{};
    GetObjectW(font, sizeof logical, &logical);
    EXPECT_EQ(logical.lfHeight, -std::lround(record.fontSize * dpi / 72));
    EXPECT_EQ(logical.lfWeight, FW_BOLD);
    // A caption the bitmap font cannot hold takes its outline twin.
    const bool twin = record.kind == ElementKind::CaptionLabel &&
                      std::wstring(logical.lfFaceName) == L"Microsoft Sans Serif";
    if (!twin) {
      EXPECT_EQ(std::wstring(logical.lfFaceName), family);
    }
    if (record.kind == ElementKind::CaptionLabel) {
      // It is read whole, on its line.
      const HDC dc = GetDC(control);
      const HGDIOBJ previous = SelectObject(dc, font);
      const std::wstring text = Widen(record.caption);
      SIZE extent{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
      SelectObject(dc, previous);
      ReleaseDC(control, dc);
      EXPECT_LE(extent.cx, at.right - at.left);
    }
  }

  // Tab and Shift+Tab through the fields and buttons in reading order.
  const auto focusName = [&] {
    const ElementId id = [&] {
      for (ElementId i = 0; i < kForm2Elements.size(); ++i)
        if (Field(i) == GetFocus() && GetFocus() != nullptr) return i;
      return kForm2Elements.size();
    }();
    return id < kForm2Elements.size() ? std::string(kForm2Elements[id].name) : "?";
  };
  // From the first field of the set-up to the end of the first column, on
  // through STRUMENTI at its head (the second column has nothing to type).
  const std::vector<std::string> order{"Text4",    "Text5",     "Text6",     "Text7",    "Text10",
                                       "Combo1",   "DTPicker1", "Command3",  "Text11",   "Text12",
                                       "Text13",   "Combo2",    "Text8",     "Command4", "Text9",
                                       "Command5", "Command6",  "Combo3",    "Command7", "Command8",
                                       "Combo4",   "Command9",  "Command10", "Combo5",   "Text4"};
  std::vector<std::string> visited;
  for (std::size_t press = 0; press < order.size(); ++press) {
    visited.push_back(focusName());
    PressKey(VK_TAB);
  }
  EXPECT_EQ(visited, order);
  visited.clear();
  SetFocus(Field(kApertureBox));
  SetModifier(VK_SHIFT, true);
  for (std::size_t press = 0; press < order.size(); ++press) {
    visited.push_back(focusName());
    PressKey(VK_TAB);
  }
  SetModifier(VK_SHIFT, false);
  EXPECT_EQ(visited, std::vector<std::string>(order.rbegin(), order.rend()));
}

// Moved to a monitor of another DPI, the panel lays itself out again.
TEST_F(Win32Panel, DpiChangeLaysThePanelOutAgain) {
  Form2Window& shown = OpenPanel();
  const UINT other = shown.dpi() == 96 ? 144 : 96;
  RECT suggested;
  GetWindowRect(shown.hwnd(), &suggested);
  SendMessageW(shown.hwnd(), WM_DPICHANGED, MAKEWPARAM(other, other),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  EXPECT_EQ(shown.dpi(), other);
  for (const ElementId id :
       {kApertureBox, kTargetChoice, kDateField, kFitButton, kPlanPicture, kForm2Results[8]}) {
    SCOPED_TRACE(kForm2Elements[id].name);
    const RECT expected = Bounds(kForm2Elements[id], other);
    const RECT at = InParent(Field(id));
    EXPECT_EQ(at.left, expected.left);
    EXPECT_EQ(at.top, expected.top);
    EXPECT_EQ(at.bottom - at.top, expected.bottom - expected.top);
    EXPECT_EQ(at.right - at.left, expected.right - expected.left);
  }
  // As wide as the table; as high as the screen allows.
  RECT client;
  GetClientRect(shown.hwnd(), &client);
  EXPECT_EQ(client.right, TwipsAt(kForm2.clientWidth, other));
}

// The panel's results follow its inputs as they are typed and Form1's
// results whenever Form1 computes; while Form1's are empty, so are the
// panel's, and a line says why.
TEST_F(Win32Panel, ResultsFollowTheInputsAndForm1) {
  OpenPanel();
  const std::vector<std::string> first = Results();
  // Form1's equivalent focal length, 4166.666667, over the aperture, 250.
  EXPECT_EQ(first[0], "16.666667");
  Type(kPixelBox, "2.9");
  EXPECT_NE(Results()[1], first[1]);
  EXPECT_EQ(Results()[0], first[0]);
  SetWindowTextW(form_->element(kText3), L"4");  // Form1's results go
  Pump();
  EXPECT_EQ(Results(), std::vector<std::string>(kForm2Results.size(), ""));
  EXPECT_EQ(TextOf(kResultsProblem), "Premi CALCOLA per i risultati.");
  Click(form_->element(kCommand1));
  EXPECT_EQ(Results()[0], "12.5");  // 3125 over 250
  EXPECT_EQ(TextOf(kResultsProblem), "");

  // ORA: the date and time of now.
  Type(kDateField, "1969-07-20 20:17");
  Click(Field(kNowButton));
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(TextOf(kDateField).substr(0, 4), std::to_string(now.wYear));
  // Enter and Escape do nothing, in the panel as in the form.
  SetFocus(Field(kPixelBox));
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(IsWindowVisible(panel().hwnd()));
  EXPECT_EQ(TextOf(kPixelBox), "2.9");
  EXPECT_EQ(Results()[0], "12.5");
}

// ADATTA puts the extraction that reaches VALORE into Form1, which computes;
// what cannot be reached is said under VALORE, Form1 left as it was.
TEST_F(Win32Panel, AdattaPutsTheExtractionIntoForm1) {
  OpenPanel();
  Choose(kAimChoice, "RAPPORTO FOCALE");
  Type(kValueBox, "20");
  Click(Field(kFitButton));
  EXPECT_EQ(WindowText(form_->element(kText3)), " 2.5");
  EXPECT_EQ(WindowText(form_->element(kLabel1)), " 2");
  EXPECT_EQ(WindowText(form_->element(kLabel2)), " 5000");
  EXPECT_EQ(WindowText(form_->element(kLabel8)), " 15");
  EXPECT_EQ(Results()[0], "20");
  Choose(kAimChoice, "DIAMETRO (PIXEL)");
  Choose(kTargetChoice, "nessuno");
  Click(Field(kFitButton));
  EXPECT_EQ(WindowText(form_->element(kText3)), " 2.5");
  EXPECT_EQ(TextOf(kValueProblem), "Scegli prima un OGGETTO.");
  Type(kValueBox, "");
  EXPECT_EQ(TextOf(kValueProblem), "") << "a new value: the last solve's problem goes";
  Click(Field(kFitButton));
  EXPECT_EQ(TextOf(kValueProblem), "Manca il valore.");
  EXPECT_TRUE(panel().invalid(kValueBox));
}

// Input that cannot be used is named in the line under its field, which is
// marked and keeps what was typed; the results stay empty until it is
// mended; a screen reader reads the problem with the field.
TEST_F(Win32Panel, BadInputIsNamedBesideItsFieldAndKept) {
  struct Case {
    ElementId field;
    const char* text;
    ElementId problem;
    const char* said;
  };
  const Case cases[] = {
      {kPixelBox, "abc", Form2Index("Label14"),
       "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
      {kSensorBox, "1280", Form2Index("Label16"),
       "Larghezza x altezza in pixel, per esempio 1280x960."},
      {kApertureBox, "", Form2Index("Label11"), "Manca il valore."},
      {kWavelengthBox, "0", Form2Index("Label19"), "Deve essere maggiore di zero."},
      {kDateField, "1799-12-31 23:00", Form2Index("Label22"), "Solo dal 1800 al 2050."},
  };
  OpenPanel();
  const UINT dpi = panel().dpi();
  for (const Case& c : cases) {
    SCOPED_TRACE(kForm2Elements[c.field].meaning);
    const std::string before = TextOf(c.field);
    Type(c.field, c.text);
    EXPECT_EQ(TextOf(c.field), c.text) << "what was typed is kept";
    EXPECT_EQ(TextOf(c.problem), c.said);
    EXPECT_TRUE(panel().invalid(c.field));
    EXPECT_EQ(Results(), std::vector<std::string>(kForm2Results.size(), ""));
    EXPECT_EQ(TextOf(kResultsProblem), "Correggi prima i dati segnati.");
    EXPECT_EQ(Driver::Read(Field(c.field), Driver::Text::Description), c.said);
    // The mark around the field, in the problem's colour.
    Repaint(panel().hwnd());
    const Capture capture(panel().hwnd());
    const RECT bounds = Bounds(kForm2Elements[c.field], dpi);
    const int x = (bounds.left + bounds.right) / 2;
    EXPECT_EQ(capture.At(x, bounds.top - 1), 0xA00000u);
    EXPECT_EQ(capture.At(x, bounds.bottom), 0xA00000u);
    Type(c.field, before);
    EXPECT_FALSE(panel().invalid(c.field));
    EXPECT_EQ(TextOf(c.problem), "");
    EXPECT_NE(Results()[0], "");
    EXPECT_FALSE(Driver::Read(Field(c.field), Driver::Text::Description).has_value());
  }
}

// The date-time picker's own keys change the date as the user means it: up
// on its year past 2050 is named as out of range, down again mends it.
TEST_F(Win32Panel, TheDateChangesByItsOwnKeys) {
  OpenPanel();
  Type(kDateField, "2050-06-01 21:00");
  const auto press = [&](WORD key) {
    PostKey(Field(kDateField), key);
    Pump();
  };
  // A click on its first part, the year, chooses it.
  SendMessageW(Field(kDateField), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 8));
  SendMessageW(Field(kDateField), WM_LBUTTONUP, 0, MAKELPARAM(6, 8));
  Pump();
  press(VK_UP);
  EXPECT_EQ(TextOf(kDateField), "2051-06-01 21:00");
  EXPECT_EQ(TextOf(Form2Index("Label22")), "Solo dal 1800 al 2050.");
  EXPECT_TRUE(panel().invalid(kDateField));
  press(VK_DOWN);
  EXPECT_EQ(TextOf(kDateField), "2050-06-01 21:00");
  EXPECT_EQ(TextOf(Form2Index("Label22")), "");
  EXPECT_FALSE(panel().invalid(kDateField));
}

// What the panel keeps under HKCU\Software\CELFORO\Panel, a text value a
// field, is there at the next start; a value that is missing, of another
// kind or not one the field takes is passed over for the field's first
// text. The date is not kept: it starts at now.
TEST_F(Win32Panel, InputsAreRememberedAndAnythingElseIgnored) {
  OpenPanel();
  Type(kApertureBox, "203");
  Choose(kTargetChoice, "Giove");
  Choose(kAimChoice, "SCALA (ARCSEC/PIXEL)");
  EXPECT_EQ(KeptPanelText(L"Text4"), "203");
  EXPECT_EQ(KeptPanelText(L"Combo1"), "Giove");
  EXPECT_EQ(KeptPanelText(L"Combo2"), "SCALA (ARCSEC/PIXEL)");
  EXPECT_EQ(KeptPanelText(L"DTPicker1"), "(none)");
  form_.reset();
  Pump();
  StartForm1();
  OpenPanel();
  EXPECT_EQ(TextOf(kApertureBox), "203");
  EXPECT_EQ(TextOf(kTargetChoice), "Giove");
  EXPECT_EQ(TextOf(kAimChoice), "SCALA (ARCSEC/PIXEL)");

  struct Case {
    const char* what;
    const wchar_t* name;
    DWORD type;
    std::wstring data;
    ElementId field;
    const char* shown;
  };
  const DWORD number = 7;
  const Case cases[] = {
      {"not a number", L"Text5", REG_SZ, L"x9", kPixelBox, "3.75"},
      {"zero", L"Text7", REG_SZ, L"0", kWavelengthBox, "550"},
      {"a sensor", L"Text6", REG_SZ, L"640\u00D7480", kSensorBox, "640\u00D7480"},
      {"not a sensor", L"Text6", REG_SZ, L"640", kSensorBox, "1280x960"},
      {"no such target", L"Combo1", REG_SZ, L"Plutone", kTargetChoice, "nessuno"},
      {"a target", L"Combo1", REG_SZ, L"Saturno", kTargetChoice, "Saturno"},
      {"a number", L"Text4", REG_DWORD, L"", kApertureBox, "250"},
      {"expandable", L"Text4", REG_EXPAND_SZ, L"300", kApertureBox, "250"},
      {"too long", L"Text4", REG_SZ, std::wstring(2000, L'1'), kApertureBox, "250"},
      {"a value", L"Text8", REG_SZ, L"2.5", kValueBox, "2.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form_.reset();
    Pump();
    ForgetPanel();
    if (c.type == REG_DWORD) {
      KeepPanelValue(c.name, REG_DWORD, &number, sizeof number);
    } else {
      KeepPanelValue(c.name, c.type, c.data.c_str(),
                     static_cast<DWORD>((c.data.size() + 1) * sizeof(wchar_t)));
    }
    StartForm1();
    OpenPanel();
    EXPECT_EQ(TextOf(c.field), c.shown);
    EXPECT_FALSE(panel().invalid(c.field));
  }
}

// STRUMENTI, driven by the buttons' accessible names: a telescope, an
// eyepiece and a camera saved under NOME are in the registry at once, one
// value each, and listed again at the next start; choosing one fills the
// panel's fields and Form1's box and Form1 calculates; ELIMINA takes one from
// the list and the registry; a kept entry that cannot be read is passed over
// and named, the others listed.
TEST_F(Win32Panel, StrumentiKeepsTheKitInTheRegistry) {
  const HWND window = OpenPanel().hwnd();
  const auto items = [&](ElementId choice) {
    std::vector<std::string> shown;
    const auto count = SendMessageW(Field(choice), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t item[128] = {};
      SendMessageW(Field(choice), CB_GETLBTEXT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(item));
      shown.push_back(Narrow(item));
    }
    return shown;
  };
  const std::string none = "\xE2\x80\x94";
  const auto withSensors = [](std::vector<std::string> names) {
    for (const Sensor& sensor : Sensors()) names.emplace_back(sensor.name);
    return names;
  };
  SetWindowTextW(form_->element(kText1), L"2032");
  SetWindowTextW(form_->element(kText2), L"10");
  Pump();
  Type(kApertureBox, "203.2");
  Type(kFieldStopBox, "9.2");
  Type(kPixelBox, "2.9");
  Type(kSensorBox, "1936x1096");
  const struct {
    const char* name;
    const char* button;
    const wchar_t* key;
    const char* kept;
  } saved[] = {
      {"C8", "SALVA TELESCOPIO", L"kit/Telescope1",
       R"({"name":"C8","focal_length":2032,"aperture":203.2})"},
      {"Pl\xC3\xB6ssl 10", "SALVA OCULARE", L"kit/Eyepiece1",
       "{\"name\":\"Pl\xC3\xB6ssl 10\",\"focal_length\":10,\"field_stop\":9.2}"},
      {"ASI462", "SALVA CAMERA", L"kit/Camera1",
       R"({"name":"ASI462","pixel_size":2.9,"width":1936,"height":1096,"colour":true})"},
  };
  for (const auto& entry : saved) {
    SCOPED_TRACE(entry.name);
    Type(kNameBox, entry.name);
    ASSERT_TRUE(Driver::Press(window, entry.button));
    Pump();
    EXPECT_EQ(KeptPanelText(entry.key), entry.kept);
    EXPECT_EQ(TextOf(kNameProblem), "");
  }
  // A name refused is said under NOME, nothing kept.
  Type(kNameBox, " ");
  ASSERT_TRUE(Driver::Press(window, "SALVA OCULARE"));
  Pump();
  EXPECT_NE(TextOf(kNameProblem), "");
  EXPECT_TRUE(panel().invalid(kNameBox));
  EXPECT_EQ(KeptPanelText(L"kit/Eyepiece2"), "(none)");

  // The next start, with a value no entry reads back from beside them.
  form_.reset();
  Pump();
  const std::wstring broken = L"{\"name\":\"Ortho 6\",\"focal_length\":";
  KeepPanelValue(L"kit/Eyepiece2", REG_SZ, broken.c_str(),
                 static_cast<DWORD>((broken.size() + 1) * sizeof(wchar_t)));
  StartForm1();
  OpenPanel();
  EXPECT_EQ(items(kKitSections[0].choice), (std::vector<std::string>{none, "C8"}));
  EXPECT_EQ(items(kKitSections[1].choice), (std::vector<std::string>{none, "Pl\xC3\xB6ssl 10"}));
  EXPECT_EQ(items(kKitSections[2].choice), withSensors({none, "ASI462"}));
  EXPECT_EQ(TextOf(kSkippedLine), "Voci illeggibili saltate: kit/Eyepiece2.");

  // Chosen, each fills what it holds; the telescope and the eyepiece Form1's
  // box too, and Form1 calculates (2032 * 10 / 3 at 203.2 is f/33.33).
  SetWindowTextW(form_->element(kText1), L"2500");
  SetWindowTextW(form_->element(kText2), L"5");
  Type(kApertureBox, "250");
  Type(kFieldStopBox, "");
  Type(kPixelBox, "3.75");
  Type(kSensorBox, "1280x960");
  Choose(kKitSections[0].choice, "C8");
  EXPECT_EQ(WindowText(form_->element(kText1)), " 2032");
  EXPECT_EQ(TextOf(kApertureBox), "203.2");
  Choose(kKitSections[1].choice, "Pl\xC3\xB6ssl 10");
  EXPECT_EQ(WindowText(form_->element(kText2)), " 10");
  EXPECT_EQ(TextOf(kFieldStopBox), "9.2");
  EXPECT_NE(WindowText(form_->element(kLabel2)), "") << "Form1 calculated";
  EXPECT_EQ(Driver::ValueOf(panel().hwnd(), "RAPPORTO FOCALE"), "33.333333");
  Choose(kKitSections[2].choice, "ASI462");
  EXPECT_EQ(TextOf(kPixelBox), "2.9");
  EXPECT_EQ(TextOf(kSensorBox), "1936x1096");

  // ELIMINA OCULARE: the list and the registry without it.
  Choose(kKitSections[1].choice, "Pl\xC3\xB6ssl 10");
  ASSERT_TRUE(Driver::Press(panel().hwnd(), "ELIMINA OCULARE"));
  Pump();
  EXPECT_EQ(items(kKitSections[1].choice), std::vector<std::string>{none});
  EXPECT_EQ(KeptPanelText(L"kit/Eyepiece1"), "(none)");
  EXPECT_EQ(KeptPanelText(L"kit/Telescope1"), saved[0].kept);
  // The lists hold their items whole, as tall as they need.
  for (const KitSection& section : kKitSections) {
    RECT dropped;
    SendMessageW(Field(section.choice), CB_GETDROPPEDCONTROLRECT, 0,
                 reinterpret_cast<LPARAM>(&dropped));
    const auto row = SendMessageW(Field(section.choice), CB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(dropped.bottom - dropped.top,
              row * SendMessageW(Field(section.choice), CB_GETCOUNT, 0, 0));
  }
}

// Every field and result carries its caption as its accessible name, read
// through the controls' accessible objects; a result's value is what it
// shows; the picture is named and described by its display list.
TEST_F(Win32Panel, FieldsAndResultsAreNamedByTheirCaptions) {
  OpenPanel();
  Choose(kTargetChoice, "Giove");
  for (ElementId id = 0; id < kForm2Elements.size(); ++id) {
    const ElementRecord& record = kForm2Elements[id];
    const bool named =
        record.kind == ElementKind::TextBox || record.kind == ElementKind::ResultLabel ||
        record.kind == ElementKind::Choice || record.kind == ElementKind::DateTimeField;
    if (!named) continue;
    SCOPED_TRACE(record.name);
    EXPECT_EQ(Driver::Read(Field(id), Driver::Text::Name), record.meaning);
    EXPECT_EQ(Driver::Read(Field(id), Driver::Text::Value).value_or(""), TextOf(id));
  }
  const std::optional<std::string> name = Driver::Read(Field(kPlanPicture), Driver::Text::Name);
  const std::optional<std::string> description =
      Driver::Read(Field(kPlanPicture), Driver::Text::Description);
  ASSERT_TRUE(name && description);
  EXPECT_FALSE(name->empty());
  EXPECT_NE(description->find("Giove"), std::string::npos) << *description;
  // A value set through the accessible object is taken as typed or chosen.
  EXPECT_TRUE(Driver::SetValue(panel().hwnd(), "OGGETTO", "Saturno"));
  EXPECT_TRUE(Driver::SetValue(panel().hwnd(), "PIXEL", "2.9"));
  EXPECT_TRUE(Driver::SetValue(panel().hwnd(), "DATA E ORA", "2030-06-01 03:30"));
  EXPECT_FALSE(Driver::SetValue(panel().hwnd(), "RAPPORTO FOCALE", "1"));
  Pump();
  EXPECT_EQ(TextOf(kTargetChoice), "Saturno");
  EXPECT_EQ(TextOf(kPixelBox), "2.9");
  EXPECT_EQ(TextOf(kDateField), "2030-06-01 03:30");
  EXPECT_NE(Results()[6], "") << "Saturn's rings";
  EXPECT_EQ(KeptPanelText(L"Combo1"), "Saturno");
  // An item chosen by the list's own message, as a tool may choose it.
  SendMessageW(Field(kTargetChoice), CB_SETCURSEL, 2, 0);
  Pump();
  EXPECT_EQ(TextOf(kTargetChoice), "Luna");
  EXPECT_EQ(Results()[6], "") << "no rings on the Moon";
  EXPECT_EQ(KeptPanelText(L"Combo1"), "Luna");
}

// By day: the window's pale cyan, the results' frame in silver, a problem
// in dark red. By night every pixel the panel draws is red on black, green
// and blue 0, the lists, the date, a marked field, a selection and the
// picture included; opened at night it starts so; and the day comes back
// as it was.
TEST_F(Win32Panel, AtNightEveryPixelIsRedOnBlack) {
  Form2Window& shown = OpenPanel();
  const HWND window = shown.hwnd();
  const UINT dpi = shown.dpi();
  Choose(kTargetChoice, "Saturno");
  Type(kDateField, "2026-12-07 22:00");
  SetFocus(Field(kFitButton));
  Repaint(window);
  const Capture day(window);
  const auto at = [&](const Capture& capture, int twipsX, int twipsY) {
    return capture.At(TwipsAt(twipsX, dpi), TwipsAt(twipsY, dpi));
  };
  EXPECT_EQ(at(day, 60, 60), 0xC0FFFFu);  // the ground
  // The results' frame, Shape2, in the second column.
  const ElementRecord& frame = kForm2Elements[Form2Index("Shape2")];
  EXPECT_EQ(at(day, frame.left, frame.top + frame.height / 2), 0xC0C0C0u);  // its left side
  EXPECT_EQ(at(day, frame.left + frame.width - 60, frame.top), 0xC0C0C0u);  // its top, at the right
  EXPECT_GT(day.NotNight(), 10000);
  if (!Folder().empty())
    day.Save(Folder() + "/win32-panel-client-dpi" + std::to_string(dpi) + ".bmp");

  PressKey(VK_F3);
  ASSERT_EQ(shown.theme(), Theme::Night);
  Type(kPixelBox, "abc");  // a field marked, its problem said
  SetFocus(Field(kSensorBox));
  SendMessageW(Field(kSensorBox), EM_SETSEL, 0, -1);
  Repaint(window);
  const Capture night(window);
  EXPECT_EQ(night.NotNight(), 0);
  EXPECT_GT(night.Red(), 3000);
  if (!Folder().empty())
    night.Save(Folder() + "/win32-panel-night-client-dpi" + std::to_string(dpi) + ".bmp");
  Type(kPixelBox, "3.75");

  // Each kind of field with the focus, a result selected, the picture.
  for (const ElementId id : {kTargetChoice, kDateField, kAimChoice, kForm2Results[0]}) {
    SCOPED_TRACE(kForm2Elements[id].name);
    SetFocus(Field(id));
    if (id == kForm2Results[0]) SendMessageW(Field(id), EM_SETSEL, 0, -1);
    Repaint(window);
    EXPECT_EQ(Capture(window).NotNight(), 0);
  }
  // The list dropped down, on the screen.
  SetFocus(Field(kTargetChoice));
  SendMessageW(Field(kTargetChoice), CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  ASSERT_TRUE(GetComboBoxInfo(Field(kTargetChoice), &combo));
  ASSERT_TRUE(IsWindowVisible(combo.hwndList));
  RedrawWindow(combo.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump();
  RECT list;
  GetWindowRect(combo.hwndList, &list);
  const Capture dropped(list);
  EXPECT_EQ(dropped.NotNight(), 0);
  EXPECT_GT(dropped.Red(), 100);
  SendMessageW(Field(kTargetChoice), CB_SHOWDROPDOWN, FALSE, 0);
  Pump();
  // The date's calendar dropped down, on the screen.
  RECT date;
  GetClientRect(Field(kDateField), &date);
  SendMessageW(Field(kDateField), WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(date.right - 4, date.bottom / 2));
  SendMessageW(Field(kDateField), WM_LBUTTONUP, 0, MAKELPARAM(date.right - 4, date.bottom / 2));
  Pump();
  const auto calendar =
      reinterpret_cast<HWND>(SendMessageW(Field(kDateField), DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr) << "no calendar dropped";
  RedrawWindow(calendar, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump();
  RECT month;
  GetWindowRect(calendar, &month);
  const Capture days(month);
  EXPECT_EQ(days.NotNight(), 0);
  EXPECT_GT(days.Red(), 100);
  if (!Folder().empty())
    days.Save(Folder() + "/win32-panel-night-calendar-dpi" + std::to_string(dpi) + ".bmp");
  SendMessageW(Field(kDateField), WM_KEYDOWN, VK_ESCAPE, 0);
  SendMessageW(calendar, WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();

  // A panel opened at night starts so.
  PressKey(VK_F2);
  form_.reset();
  Pump();
  StartForm1();
  ASSERT_EQ(form_->theme(), Theme::Night);
  const HWND opened = OpenPanel().hwnd();
  Repaint(opened);
  EXPECT_EQ(Capture(opened).NotNight(), 0);
  // And by day again it is as it was.
  PressKey(VK_F3);
  Choose(kTargetChoice, "Saturno");
  Type(kDateField, "2026-12-07 22:00");
  SetFocus(Field(kFitButton));
  Repaint(opened);
  const Capture after(opened);
  int differing = 0;
  for (int y = 0; y < day.height(); ++y)
    for (int x = 0; x < day.width(); ++x) differing += day.At(x, y) != after.At(x, y);
  EXPECT_EQ(differing, 0) << "the day after the night is not the day before";
}

// While Form1's message is shown the panel takes no input, as Form1.
TEST_F(Win32Panel, TakesNoInputWhileForm1sMessageIsShown) {
  const HWND window = OpenPanel().hwnd();
  static HWND seenPanel = nullptr;
  static bool enabledDuring = true;
  static bool shown = false;
  seenPanel = window;
  shown = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    const HWND box = FindWindowW(L"#32770", nullptr);
    if (box == nullptr || !IsWindowVisible(box)) return;
    KillTimer(nullptr, id);
    shown = true;
    enabledDuring = IsWindowEnabled(seenPanel);
    SendMessageW(box, WM_COMMAND, IDOK, 0);
  });
  SetWindowTextW(form_->element(kText3), L"0");
  Click(form_->element(kCommand1));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(enabledDuring);
  EXPECT_TRUE(IsWindowEnabled(window)) << "and again after";
}

// The program itself, in a process of its own, driven from this one by the
// accessible names of its controls.
class Win32PanelProgram : public ::testing::Test {
protected:
  static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void SetUp() override { ForgetPanel(); }
  void TearDown() override {
    if (started_.process.hProcess != nullptr) {
      PostMessageW(started_.window, WM_SYSCOMMAND, SC_CLOSE, 0);
      EXPECT_EQ(EndedWith(started_), 0u);
    }
    ForgetPanel();
  }

  // Starts the program and opens its panel: by F2 pressed in it, or by the
  // menu's item, reached by its access keys.
  HWND StartWithPanel(bool byMenu = false) {
    started_ = StartProgram();
    if (started_.window == nullptr) return nullptr;
    if (byMenu) {
      // Alt+V opens VISUALIZZA, P chooses PIANIFICAZIONE, as a user's keys.
      PostMessageW(started_.window, WM_SYSCOMMAND, SC_KEYMENU, 'v');
      Sleep(300);
      Driver::PressKey(started_.window, 'P');
    } else {
      Driver::PressKey(started_.window, VK_F2);
    }
    return Driver::WaitForWindow(started_.process.dwProcessId, L"PIANIFICAZIONE");
  }

  Started started_;
};

struct CalcRun {
  DWORD status = 0;
  std::string output;  // standard output and error together
};

// The Windows celforo-calc run with the arguments.
CalcRun RunCelforoCalc(const std::vector<std::string>& arguments) {
  std::string path = CELFORO_CALC_EXE;
  if (!path.empty() && path.front() == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  std::wstring command = L"\"" + Widen(path) + L"\"";
  for (const std::string& argument : arguments) command += L" \"" + Widen(argument) + L"\"";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  CreatePipe(&read, &write, &inherit, 0);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  PROCESS_INFORMATION process{};
  CalcRun run;
  std::string& output = run.output;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &process)) {
    CloseHandle(write);
    write = nullptr;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0)
      output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (write != nullptr) CloseHandle(write);
  CloseHandle(read);
  return run;
}

// What the Windows celforo-calc prints for the arguments, by caption.
std::map<std::string, std::string> CelforoCalc(const std::vector<std::string>& arguments) {
  std::vector<std::string> all{"--tsv", "--header"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::istringstream lines(RunCelforoCalc(all).output);
  std::string header, values;
  std::getline(lines, header);
  std::getline(lines, values);
  const auto split = [](const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
      if (!field.empty() && field.back() == '\r') field.pop_back();
      fields.push_back(field);
    }
    return fields;
  };
  const std::vector<std::string> captions = split(header), texts = split(values);
  std::map<std::string, std::string> columns;
  for (std::size_t i = 0; i < captions.size() && i < texts.size(); ++i)
    columns[captions[i]] = texts[i];
  return columns;
}

// A number the panel refuses is one celforo-calc refuses, and the panel says
// why in the strict reader's words.
TEST_F(Win32Panel, NumbersAreReadAsCelforoCalcReadsThem) {
  OpenPanel();
  for (const char* typed :
       {" 3.75 ", "2.5e0", "3,75", "25x0", "2o", "abc", "inf", "nan", "1e999", "", "0", "-1"}) {
    SCOPED_TRACE(typed);
    Type(kPixelBox, typed);
    const std::string problem = TextOf(kForm2Relations.problem[kPixelBox].value());
    EXPECT_EQ(problem, NumberProblemText(ReadStrictNumber(typed, kPositiveNumber).fault));
    const CalcRun run = RunCelforoCalc({"--pixel-size", typed, "2500", "5", "3"});
    EXPECT_EQ(run.status == 2, !problem.empty()) << run.output;
  }
}

// A path of this machine as Windows names it: "/work/x" is "Z:\work\x".
std::string WindowsPath(std::string path) {
  if (!path.empty() && path.front() == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string FileBytes(const std::string& path) {
  const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(none)";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// The dialogs of this thread answered as the user would: a file dialog
// given `path` and OK, a message read and closed.
struct DialogsAnswered {
  std::wstring path;
  int fileDialogs = 0;
  std::vector<std::string> messages;
  HWND last = nullptr;  // answered, maybe not yet closed
};
DialogsAnswered* answering = nullptr;

BOOL CALLBACK AnswerDialog(HWND window, LPARAM) {
  if (!IsWindowVisible(window) || ClassName(window) != L"#32770") return TRUE;
  if (window == answering->last) return FALSE;
  answering->last = window;
  const HWND name = [&] {
    const HWND combo = GetDlgItem(window, cmb13);
    if (combo != nullptr && IsWindowVisible(combo)) return combo;
    return GetDlgItem(window, edt1);
  }();
  if (name != nullptr) {
    ++answering->fileDialogs;
    SetWindowTextW(name, answering->path.c_str());
  } else {
    const HWND text =
        GetDlgItem(window, 0xFFFF) != nullptr ? GetDlgItem(window, 0xFFFF) : GetDlgItem(window, 21);
    answering->messages.push_back(text != nullptr ? WindowText(text) : "?");
  }
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK AnswerDialogs(HWND, UINT, UINT_PTR, DWORD) {
  if (answering != nullptr) EnumThreadWindows(GetCurrentThreadId(), AnswerDialog, 0);
}

// What `action` shows, answered.
DialogsAnswered Answering(const std::string& path, const std::function<void()>& action) {
  DialogsAnswered answers;
  answers.path = Widen(path);
  answering = &answers;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerDialogs);
  action();
  KillTimer(nullptr, timer);
  answering = nullptr;
  return answers;
}

// The set-up as a file through the system's dialogs, from the menu: the
// committed trip opens with the results celforo-calc --setup gives for it,
// and saved again is the same bytes; a malformed file is refused with its
// reason and changes nothing; the picture exported as SVG is ui's document
// of it, as PNG an image of its size.
TEST_F(Win32Panel, TheSetUpFileOpensAndSavesAsCelforoCalcReadsIt) {
  OpenPanel();
  const auto command = [&](MenuCommand which) {
    return [this, which] {
      SendMessageW(form_->hwnd(), WM_COMMAND, MenuBar::IdOf(which), 0);
      Pump();
    };
  };
  const std::string trip = WindowsPath(CELFORO_SOURCE_DIR "/tests/data/setup-trip.json");
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::string saved = Narrow(folder) + "celforo-trip-saved.json";
  const std::string broken = Narrow(folder) + "celforo-trip-broken.json";
  const std::string svg = Narrow(folder) + "celforo-picture.svg";
  const std::string png = Narrow(folder) + "celforo-picture.png";
  for (const std::string& path : {saved, broken, svg, png}) DeleteFileW(Widen(path).c_str());

  DialogsAnswered opened = Answering(trip, command(MenuCommand::OpenSetup));
  EXPECT_EQ(opened.fileDialogs, 1);
  EXPECT_EQ(opened.messages, std::vector<std::string>{});
  EXPECT_EQ(WindowText(form_->element(kText3)), " 2.5");
  EXPECT_EQ(TextOf(kTargetChoice), "Giove");
  EXPECT_EQ(TextOf(kFieldStopBox), "5.5");
  Type(kDateField, "2026-12-07 22:00");
  const std::map<std::string, std::string> expected =
      CelforoCalc({"--setup", trip, "--date", "2026-12-07T22:00"});
  ASSERT_FALSE(expected.empty()) << "celforo-calc printed nothing";
  for (const ElementId result : kForm2Results) {
    const std::string caption(kForm2Elements[result].meaning);
    const auto column = expected.find(caption);
    std::string text = column != expected.end() ? column->second : "";
    // A time, "2026-12-07T21:22Z", is shown by its hour and minute.
    if (text.size() >= 16 && text[10] == 'T') text = text.substr(11, 5);
    EXPECT_EQ(Driver::ValueOf(panel().hwnd(), caption), text) << caption;
  }

  DialogsAnswered written = Answering(saved, command(MenuCommand::SaveSetup));
  EXPECT_EQ(written.fileDialogs, 1);
  EXPECT_EQ(written.messages, std::vector<std::string>{});
  EXPECT_EQ(FileBytes(saved), FileBytes(trip)) << "the same bytes";

  // A file cut short: refused with why, nothing changed.
  const std::string whole = FileBytes(trip);
  WriteBytes(broken, whole.substr(0, whole.size() / 2));
  Type(kApertureBox, "203");
  const std::vector<std::string> before = Results();
  DialogsAnswered refused = Answering(broken, command(MenuCommand::OpenSetup));
  ASSERT_EQ(refused.messages.size(), 1u) << "no refusal shown";
  EXPECT_NE(refused.messages[0].find("Impossibile aprire"), std::string::npos)
      << refused.messages[0];
  EXPECT_EQ(TextOf(kApertureBox), "203");
  EXPECT_EQ(Results(), before);

  // The picture, by the extension chosen.
  const DisplayList& picture = panel().Shown(kPlanPicture);
  Answering(svg, command(MenuCommand::ExportPicture));
  EXPECT_EQ(FileBytes(svg), SvgDocument(picture));
  Answering(png, command(MenuCommand::ExportPicture));
  const std::string image = FileBytes(png);
  ASSERT_GE(image.size(), 24u);
  EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
  const auto bigEndian = [&](std::size_t at) {
    return (static_cast<unsigned char>(image[at]) << 24) |
           (static_cast<unsigned char>(image[at + 1]) << 16) |
           (static_cast<unsigned char>(image[at + 2]) << 8) |
           static_cast<unsigned char>(image[at + 3]);
  };
  EXPECT_EQ(bigEndian(16), std::lround(picture.width));
  EXPECT_EQ(bigEndian(20), std::lround(picture.height));
  for (const std::string& path : {saved, broken, svg, png}) DeleteFileW(Widen(path).c_str());
}

// Every result of the panel is the text celforo-calc prints for the same
// set-up and inputs, the date in local time as the panel holds it.
TEST_F(Win32PanelProgram, ResultsAreCelforoCalcs) {
  struct Case {
    std::array<const char*, 3> setUp;  // Form1's boxes
    const char *aperture, *pixel, *sensor, *wavelength, *target, *english, *when;
  };
  const Case cases[] = {
      {{"2500", "5", "3"},
       "250",
       "3.75",
       "1280x960",
       "550",
       "Giove",
       "jupiter",
       "2026-12-07 22:00"},
      {{"2000", "10", "4"},
       "200",
       "2.9",
       "1936x1096",
       "656",
       "Saturno",
       "saturn",
       "2030-06-01 03:30"},
      {{"1000", "25", "5"}, "100", "5.86", "1920x1200", "550", "Luna", "moon", "1969-07-20 20:17"},
      {{"800", "20", "10"}, "80", "4.8", "4144x2822", "540", "Sole", "sun", "1800-01-02 00:00"},
      {{"2350", "6", "2"}, "235", "2.4", "3840x2160", "450", "Marte", "mars", "2050-12-31 23:59"},
      {{"2500", "5", "3"}, "250", "3.75", "640\u00D7480", "550", "nessuno", "", "2026-12-07 22:00"},
  };
  const HWND panel = StartWithPanel();
  ASSERT_NE(panel, nullptr) << "no panel";
  const HWND form1 = started_.window;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    const char* boxes[] = {"FOC. OBBIETTIVO", "FOC. OCULARE", "EXTR. OCULARE"};
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Driver::SetText(form1, boxes[i], c.setUp[i]));
    ASSERT_TRUE(Driver::Press(form1, "CALCOLA"));
    const std::pair<const char*, const char*> fields[] = {
        {"DIAMETRO OBIETTIVO", c.aperture}, {"PIXEL", c.pixel},    {"SENSORE", c.sensor},
        {"LUNGHEZZA D'ONDA", c.wavelength}, {"OGGETTO", c.target}, {"DATA E ORA", c.when}};
    for (const auto& [name, value] : fields)
      ASSERT_TRUE(Driver::SetValue(panel, name, value)) << name;
    std::vector<std::string> arguments{"--aperture",   c.aperture,
                                       "--pixel-size", c.pixel,
                                       "--pixels",     c.sensor,
                                       "--wavelength", c.wavelength,
                                       "--date",       std::string(c.when).replace(10, 1, "T")};
    if (*c.english != '\0') arguments.insert(arguments.end(), {"--target", c.english});
    arguments.insert(arguments.end(), c.setUp.begin(), c.setUp.end());
    const std::map<std::string, std::string> expected = CelforoCalc(arguments);
    ASSERT_FALSE(expected.empty()) << "celforo-calc printed nothing";
    for (const ElementId result : kForm2Results) {
      const std::string caption(kForm2Elements[result].meaning);
      const auto column = expected.find(caption);
      EXPECT_EQ(Driver::ValueOf(panel, caption), column != expected.end() ? column->second : "")
          << caption;
    }
  }
}

// ADATTA, bad input named with its field, and night mode read from the
// screen, all from the other process; what was typed is there at the next
// start.
TEST_F(Win32PanelProgram, AdattaBadInputNightAndTheNextStart) {
  HWND panel = StartWithPanel(true);
  ASSERT_NE(panel, nullptr) << "no panel from the menu";
  const HWND form1 = started_.window;
  ASSERT_TRUE(Driver::SetValue(panel, "RAGGIUNGI", "RAPPORTO FOCALE"));
  ASSERT_TRUE(Driver::SetText(panel, "VALORE", "20"));
  ASSERT_TRUE(Driver::Press(panel, "ADATTA"));
  EXPECT_EQ(Driver::ValueOf(form1, "EXTR. OCULARE"), " 2.5");
  EXPECT_EQ(Driver::ValueOf(panel, "RAPPORTO FOCALE"), "20");

  ASSERT_TRUE(Driver::SetText(panel, "PIXEL", "abc"));
  EXPECT_EQ(Driver::ValueOf(panel, "PIXEL"), "abc");
  EXPECT_EQ(Driver::Read(Driver::Named(panel, "PIXEL"), Driver::Text::Description),
            "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto).");
  EXPECT_EQ(Driver::ValueOf(panel, "SCALA (ARCSEC/PIXEL)"), "");
  ASSERT_TRUE(Driver::SetText(panel, "PIXEL", "3.75"));
  EXPECT_NE(Driver::ValueOf(panel, "SCALA (ARCSEC/PIXEL)"), "");
  ASSERT_TRUE(Driver::SetValue(panel, "DIAMETRO OBIETTIVO", "203"));
  ASSERT_TRUE(Driver::SetValue(panel, "OGGETTO", "Saturno"));

  // Night, from the screen.
  Driver::PressKey(form1, VK_F3);
  RECT client;
  GetClientRect(panel, &client);
  const RECT area = OnScreen(panel, client);
  std::unique_ptr<Capture> screen;
  for (int tries = 0; tries < 100; ++tries) {
    screen = std::make_unique<Capture>(area);
    if (screen->NotNight() == 0 && screen->Red() > 3000) break;
    Sleep(50);
  }
  EXPECT_EQ(screen->NotNight(), 0);
  EXPECT_GT(screen->Red(), 3000);
  Driver::PressKey(form1, VK_F3);

  PostMessageW(form1, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(EndedWith(started_), 0u);
  started_ = {};
  panel = StartWithPanel();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(Driver::ValueOf(panel, "DIAMETRO OBIETTIVO"), "203");
  EXPECT_EQ(Driver::ValueOf(panel, "OGGETTO"), "Saturno");
  EXPECT_EQ(Driver::ValueOf(panel, "RAGGIUNGI"), "RAPPORTO FOCALE");
  EXPECT_EQ(Driver::ValueOf(panel, "VALORE"), "20");
}

// The date-time picker's own messages from another process: a date put in
// the program's memory first (as a tool does) is taken as the user's, a
// pointer into the sender's memory is refused, never read.
TEST_F(Win32PanelProgram, TheDateFromAnotherProcessIsTakenOrRefused) {
  const HWND panel = StartWithPanel();
  ASSERT_NE(panel, nullptr);
  const HWND date = Driver::Named(panel, "DATA E ORA");
  ASSERT_NE(date, nullptr);
  const std::string before = Driver::ValueOf(panel, "DATA E ORA");
  SYSTEMTIME time{};
  time.wYear = 2060;
  time.wMonth = 1;
  time.wDay = 2;
  time.wHour = 3;
  time.wMinute = 4;
  DWORD_PTR answer = 1;
  for (const LPARAM elsewhere : {static_cast<LPARAM>(0x10), reinterpret_cast<LPARAM>(&time)}) {
    SendMessageTimeoutW(date, DTM_SETSYSTEMTIME, GDT_VALID, elsewhere, SMTO_ABORTIFHUNG, 10000,
                        &answer);
    EXPECT_EQ(answer, 0u);
    EXPECT_EQ(WaitForSingleObject(started_.process.hProcess, 0), WAIT_TIMEOUT) << "it ended";
  }
  SendMessageTimeoutW(date, DTM_GETSYSTEMTIME, 0, 0x10, SMTO_ABORTIFHUNG, 10000, &answer);
  EXPECT_EQ(WaitForSingleObject(started_.process.hProcess, 0), WAIT_TIMEOUT) << "it ended";
  EXPECT_EQ(Driver::ValueOf(panel, "DATA E ORA"), before);

  void* there = VirtualAllocEx(started_.process.hProcess, nullptr, sizeof time,
                               MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  ASSERT_NE(there, nullptr);
  ASSERT_TRUE(WriteProcessMemory(started_.process.hProcess, there, &time, sizeof time, nullptr));
  SendMessageTimeoutW(date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(there),
                      SMTO_ABORTIFHUNG, 10000, &answer);
  EXPECT_NE(answer, 0u);
  VirtualFreeEx(started_.process.hProcess, there, 0, MEM_RELEASE);
  EXPECT_EQ(Driver::ValueOf(panel, "DATA E ORA"), "2060-01-02 03:04");
  EXPECT_EQ(Driver::Read(date, Driver::Text::Description), "Solo dal 1800 al 2050.");
}

}  // namespace
}  // namespace celforo::win32
