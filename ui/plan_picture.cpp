#include "ui/plan_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "calc/numeric_text.h"
#include "calc/planning.h"

namespace celforo {
namespace {

constexpr double kSkyHeight = kPlanPictureHeight - kPlanPictureTextHeight;
constexpr double kMargin = 12;  // around the frame, at the least
constexpr double kPen = 1.5;
constexpr double kTextPixels = 11;
constexpr std::string_view kPictureName = "CAMPO DEL SENSORE";
constexpr std::string_view kArcseconds = "\xE2\x80\xB3";  // U+2033 DOUBLE PRIME
constexpr std::string_view kArcminutes = "\xE2\x80\xB2";  // U+2032 PRIME
constexpr std::string_view kDot = " \xC2\xB7 ";           // U+00B7 MIDDLE DOT
constexpr std::string_view kTimes = " \xC3\x97 ";         // U+00D7 MULTIPLICATION SIGN

void AddGroundAndLine(DisplayList& list, std::string line) {
  list.shapes.insert(
      list.shapes.begin(),
      {RectShape{{0, 0, kPlanPictureWidth, kSkyHeight}, Role::SkyGround, std::nullopt, 0}, {}});
  list.shapes.push_back({RectShape{{0, kSkyHeight, kPlanPictureWidth, kPlanPictureTextHeight},
                                   Role::WindowGround,
                                   std::nullopt,
                                   0},
                         {}});
  list.shapes.push_back({TextShape{{4, kSkyHeight, kPlanPictureWidth - 8, kPlanPictureTextHeight},
                                   std::move(line),
                                   Role::PictureText,
                                   kTextPixels,
                                   false,
                                   TextAlign::Centre},
                         {}});
}

std::string FieldText(const SensorView& view) {
  return FixedText(view.fieldWidth, 1) + std::string(kArcminutes) + std::string(kTimes) +
         FixedText(view.fieldHeight, 1) + std::string(kArcminutes);
}

// "Giove 47.3″ · 306 px · 32% del lato corto", with the rings for Saturn.
std::string TargetLine(const SensorView& view) {
  const TargetRecord& record = RecordOf(view.target->target);
  const TargetSize& size = view.target->size;
  std::string line =
      std::string(record.shownName) + ' ' + FixedText(size.diameter, 1) + std::string(kArcseconds);
  if (record.ringsRadius > 0) {
    line +=
        std::string(kDot) + "anelli " + FixedText(size.ringsDiameter, 1) + std::string(kArcseconds);
  }
  const double shortSide = std::min(view.sensor.width, view.sensor.height);
  line += std::string(kDot) + FixedText(view.discPixels, 0) + " px" + std::string(kDot) +
          FixedText(100 * view.discPixels / shortSide, 0) + "% del lato corto";
  return line;
}

}  // namespace

SensorView ViewOf(const CameraAndTarget& inputs, double equivalentFocalLength) {
  SensorView view;
  view.sensor = *inputs.sensor;
  const double pixelSize = *inputs.pixelSize;
  view.fieldWidth = FieldOfView(equivalentFocalLength, pixelSize, view.sensor.width);
  view.fieldHeight = FieldOfView(equivalentFocalLength, pixelSize, view.sensor.height);
  view.target = inputs.target;
  if (view.target) {
    const TargetSize& size = view.target->size;
    view.discPixels = DiscPixels(equivalentFocalLength, pixelSize, size.diameter);
    if (size.ringsDiameter > 0)
      view.ringsPixels = DiscPixels(equivalentFocalLength, pixelSize, size.ringsDiameter);
  }
  return view;
}

DisplayList PlanPicture(const SensorView& view) {
  DisplayList list;
  list.width = kPlanPictureWidth;
  list.height = kPlanPictureHeight;
  list.name = kPictureName;

  // Picture units per sensor pixel: the frame as large as the margins allow.
  const double width = view.sensor.width, height = view.sensor.height;
  const double scale =
      std::min((kPlanPictureWidth - 2 * kMargin) / width, (kSkyHeight - 2 * kMargin) / height);
  const double cx = kPlanPictureWidth / 2, cy = kSkyHeight / 2;
  const PictureBox frame{cx - width * scale / 2, cy - height * scale / 2, width * scale,
                         height * scale};

  std::string line = "Campo " + FieldText(view);
  list.description = "Il campo del sensore, " + FieldText(view);
  if (view.target) {
    const Target target = view.target->target;
    const double radius = view.discPixels * scale / 2;
    // The Sun and the Moon beyond the frame: their limb across its centre.
    const bool limb = (target == Target::Sun || target == Target::Moon) &&
                      view.discPixels > std::min(width, height);
    const double discY = limb ? cy + radius : cy;
    const EllipseShape disc{
        cx, discY, radius, radius, Role::TargetDisc, std::nullopt, 0, EllipsePart::Whole};
    if (view.ringsPixels > 0) {
      // The rings' far half lies behind the disc, their near half before it:
      // with the Earth north of the ring plane (B > 0) the near half is the
      // lower one.
      const double tilt = view.target->size.ringTilt * std::numbers::pi / 180;
      const double rx = view.ringsPixels * scale / 2;
      const double ry = rx * std::fabs(std::sin(tilt));
      EllipseShape rings{cx, cy, rx, ry, std::nullopt, Role::TargetRings, kPen, EllipsePart::Whole};
      list.shapes.push_back({rings, "rings"});
      list.shapes.push_back({disc, "target"});
      rings.part = tilt >= 0 ? EllipsePart::LowerHalf : EllipsePart::UpperHalf;
      list.shapes.push_back({rings, "rings-near"});
    } else {
      list.shapes.push_back({disc, "target"});
    }
    line = TargetLine(view);
    list.description += "; " + line;
  }
  list.shapes.push_back({RectShape{frame, std::nullopt, Role::SensorFrame, kPen}, "sensor"});
  AddGroundAndLine(list, std::move(line));
  return list;
}

DisplayList EmptyPlanPicture(std::string_view why) {
  DisplayList list;
  list.width = kPlanPictureWidth;
  list.height = kPlanPictureHeight;
  list.name = kPictureName;
  list.description = why;
  AddGroundAndLine(list, std::string(why));
  return list;
}

}  // namespace celforo
