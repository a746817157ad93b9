// Writes the sample of every shape for the browser suite, as one JSON object
// on standard output: the page's markup by day and by night, the standalone
// document, and the probes the painters are held to with their colours.
#include <cstdio>
#include <string>
#include <string_view>

#include "tests/support/shape_sample.h"
#include "ui/svg_writer.h"

namespace {

using namespace celforo;

std::string Json(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + '"';
}

std::string Json(Rgb colour) {
  return "[" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
         std::to_string(colour.blue) + "]";
}

std::string Json(double value) {
  char number[32];
  std::snprintf(number, sizeof number, "%.17g", value);
  return number;
}

}  // namespace

int main() {
  const DisplayList sample = testing::ShapeSample();
  std::string json = "{\"width\":" + Json(sample.width) + ",\"height\":" + Json(sample.height);
  json += ",\"day\":" + Json(SvgMarkup(sample, kDayPalette));
  json += ",\"night\":" + Json(SvgMarkup(sample, kNightPalette));
  json += ",\"document\":" + Json(SvgDocument(sample));
  json += ",\"name\":" + Json(sample.name);
  json += ",\"sky\":{\"day\":" + Json(Colour(kDayPalette, Role::SkyGround)) +
          ",\"night\":" + Json(Colour(kNightPalette, Role::SkyGround)) + "}";
  json += ",\"probes\":[";
  for (const testing::ShapeProbe& probe : testing::kShapeProbes) {
    if (json.back() == '}') json += ',';
    json += "{\"x\":" + Json(probe.x) + ",\"y\":" + Json(probe.y) +
            ",\"day\":" + Json(Colour(kDayPalette, probe.role)) +
            ",\"night\":" + Json(Colour(kNightPalette, probe.role)) +
            ",\"what\":" + Json(probe.what) + "}";
  }
  json += "],\"regions\":[";
  for (const testing::InkRegion& region : testing::kInkRegions) {
    if (json.back() == '}') json += ',';
    const PictureBox& box = region.box;
    json += "{\"box\":[" + Json(box.left) + "," + Json(box.top) + "," + Json(box.width) + "," +
            Json(box.height) + "],\"inked\":" + (region.inked ? "true" : "false") +
            ",\"what\":" + Json(region.what) + "}";
  }
  json += "]}\n";
  std::fputs(json.c_str(), stdout);
  return std::ferror(stdout) ? 1 : 0;
}
