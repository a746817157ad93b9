// Starts CELFORO in a web page: builds Form1 in <main id="Form1">, and the
// planning panel in <div id="Form2"> when it is first shown, then answers the
// events the page delivers, for as long as the page is open.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "web/dom.h"
#include "web/form1_page.h"
#include "web/form2_page.h"

namespace {

celforo::web::Form1Page form1Page;
celforo::web::Form2Page form2Page(form1Page);

}  // namespace

// An event of an element of form 1 (Form1) or 2 (the planning panel).
extern "C" EMSCRIPTEN_KEEPALIVE void celforo_deliver(int form, int element, int event) {
  const auto id = static_cast<celforo::ElementId>(element);
  const auto kind = static_cast<celforo::FormEvent>(event);
  if (form == 1) form1Page.Deliver(id, kind);
  if (form == 2) form2Page.Deliver(id, kind);
}

// The planning panel is shown: it is built the first time.
extern "C" EMSCRIPTEN_KEEPALIVE void celforo_panel_shown() {
  if (!form1Page.ended()) form2Page.Start();
}

// Night mode was turned on or off: the pictures take its colours.
extern "C" EMSCRIPTEN_KEEPALIVE void celforo_theme_changed(int night) {
  const celforo::Theme theme = night ? celforo::Theme::Night : celforo::Theme::Day;
  form1Page.ShowTheme(theme);
  form2Page.ShowTheme(theme);
}

// One of the page's buttons for the set-up (web/form2_page.h's SetupCommand).
extern "C" EMSCRIPTEN_KEEPALIVE void celforo_setup_command(int command) {
  if (command >= 0 && command <= 3)
    form2Page.Command(static_cast<celforo::web::SetupCommand>(command));
}

// A file asked for through the browser's picker, read; or why not.
extern "C" EMSCRIPTEN_KEEPALIVE void celforo_file_read(int kind, const char* bytes, int length) {
  form2Page.FileRead(static_cast<celforo::FileKind>(kind),
                     std::string_view(bytes, static_cast<std::size_t>(length)));
}

extern "C" EMSCRIPTEN_KEEPALIVE void celforo_file_not_read(int kind, const char* why) {
  form2Page.FileNotRead(static_cast<celforo::FileKind>(kind), why);
}

// The device's position, in degrees and metres (`hasHeight` 0: none given).
extern "C" EMSCRIPTEN_KEEPALIVE void celforo_position_found(double latitude, double longitude,
                                                            int hasHeight, double height) {
  form2Page.PositionFound(latitude, longitude,
                          hasHeight ? std::optional<double>(height) : std::nullopt);
}

extern "C" EMSCRIPTEN_KEEPALIVE void celforo_position_not_found(const char* why) {
  form2Page.PositionNotFound(why);
}

// The clipboard refused the link: told as any refusal.
extern "C" EMSCRIPTEN_KEEPALIVE void celforo_link_not_copied(const char* why) {
  form2Page.LinkNotCopied(why);
}

int main() {
  form1Page.Start();
  // An address carrying a set-up opens the panel with it; else the panel
  // waits until it is first shown, unless it was left open.
  char* const fragment = celforo_dom_fragment();
  const std::string link = fragment != nullptr ? fragment : "";
  std::free(fragment);
  if (link.starts_with("#setup=")) celforo_dom_show_plan();
  if (!celforo_dom_hidden("plan")) celforo_panel_shown();
  form2Page.OpenFragment(link);
  return 0;
}
