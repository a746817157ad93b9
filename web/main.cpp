// Starts CELFORO in a web page: builds Form1 in <main id="Form1"> and then
// answers the events the page delivers, for as long as the page is open.
#include <emscripten/emscripten.h>

#include "web/form1_page.h"

namespace {

celforo::web::Form1Page page;

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void celforo_deliver(int element, int event) {
  page.Deliver(static_cast<celforo::ElementId>(element), static_cast<celforo::Form1Event>(event));
}

int main() {
  page.Start();
  return 0;
}
