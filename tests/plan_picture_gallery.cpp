// Writes the planning picture as SVG files, by day and by night, for the
// cases worth looking at: Venus as a crescent, Jupiter with its moons and a
// shadow, Saturn, the field stop, the Moon beyond the frame. Usage:
//   plan_picture_gallery FOLDER
// A tool for the eyes, not a test: turn the files into PNG with
// rsvg-convert or a browser.
#include <fstream>
#include <iostream>
#include <string>

#include "calc/date_time.h"
#include "calc/jupiter_sight.h"
#include "calc/projection.h"
#include "ui/palette.h"
#include "ui/plan_picture.h"
#include "ui/svg_writer.h"

namespace {

using namespace celforo;

// A 250 mm f/10 with a 5 mm eyepiece drawn out 2.5 mm (2x, 5000 mm) and a
// camera of 1280 x 960 pixels of 3.75 um, as in the README.
CameraAndTarget Camera(Target target, UniversalTime instant, std::optional<double> fieldStop) {
  CameraAndTarget camera;
  camera.aperture = 250;
  camera.pixelSize = 3.75;
  camera.sensor = SensorPixels{1280, 960};
  camera.fieldStop = fieldStop;
  camera.target = TargetOnDateAt(target, instant, camera.observing);
  return camera;
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out) std::cerr << "cannot write " << path << '\n';
}

void Picture(const std::string& folder, const std::string& name, const CameraAndTarget& camera,
             double focalLength = 5000, double magnification = 2) {
  const DisplayList list = PlanPicture(*ViewOf(camera, focalLength, magnification));
  Write(folder + "/" + name + "-day.svg", SvgDocument(list));
  Write(folder + "/" + name + "-night.svg",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + SvgMarkup(list, kNightPalette) + "\n");
  std::cout << name << ": " << list.description << "\n\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: plan_picture_gallery FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  const UniversalTime evening = UtcInstant({2026, 12, 7, 20, 30, 0});
  Picture(folder, "venus", Camera(Target::Venus, UtcInstant({2026, 12, 8, 5, 0, 0}), {}));
  Picture(folder, "jupiter", Camera(Target::Jupiter, evening, {}));
  // The middle of the first shadow transit from that evening on.
  for (const MoonPhenomenon& start : GalileanPhenomena(evening, Days(3))) {
    if (start.kind != MoonEventKind::ShadowStart) continue;
    const UniversalTime middle = start.when + Days(1.0 / 24);
    Picture(folder, "jupiter-shadow", Camera(Target::Jupiter, middle, {}));
    break;
  }
  // The window's first set-up, 2500, 5 and 3 (1.67x, 4166.7 mm).
  Picture(folder, "jupiter-form", Camera(Target::Jupiter, UtcInstant({2026, 12, 7, 21, 0, 0}), {}),
          2500 / 0.6, 1 / 0.6);
  Picture(folder, "jupiter-wide", Camera(Target::Jupiter, evening, 2.8), 2500, 1);
  Picture(folder, "saturn", Camera(Target::Saturn, evening, 2.8), 5000, 2);
  Picture(folder, "mars", Camera(Target::Mars, evening, {}));
  Picture(folder, "moon", Camera(Target::Moon, UtcInstant({2026, 12, 12, 17, 0, 0}), {}), 2500, 1);
  Picture(folder, "field-only", [] {
    CameraAndTarget camera = Camera(Target::Sun, UtcInstant({2026, 12, 7, 12, 0, 0}), 2.8);
    camera.target.reset();
    return camera;
  }());
  return 0;
}
