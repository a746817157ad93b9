// Starts CELFORO in a web page: builds Form1 in <main id="Form1">, and the
// planning panel in <div id="Form2"> when it is first shown, then answers the
// events the page delivers, for as long as the page is open.
#include <emscripten/emscripten.h>

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

int main() {
  form1Page.Start();
  // The panel waits until it is first shown, unless it was left open.
  if (!celforo_dom_hidden("plan")) celforo_panel_shown();
  return 0;
}
