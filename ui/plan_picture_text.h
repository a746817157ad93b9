// The planning picture's words: its line of text and its description, from
// the view and from where the picture put what it drew.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/galilean_moons.h"
#include "ui/plan_picture.h"

namespace celforo {

// Where a Jupiter's moon is in the picture.
enum class MoonPlace {
  InField,     // its centre on the sensor
  InPicture,   // in the picture, off the sensor
  BeyondEdge,  // beyond the picture's edge, marked there
  Behind,      // behind the disc
  Eclipsed     // in Jupiter's shadow
};

struct MoonFact {
  MoonPlace place = MoonPlace::InField;
  bool east = false;       // to the left of Jupiter's centre
  bool inTransit = false;  // in front of the disc
  bool shadowOnDisc = false;
};

// What the picture shows beyond the view's numbers.
struct PictureFacts {
  std::optional<std::array<MoonFact, 4>> moons;  // Jupiter's, in GalileanMoon's order
  bool redSpotSeen = false;                      // on the hemisphere the Earth sees
  bool vignetting = false;                       // the field stop leaves the sensor's corners out
};

// The line under the picture: name, diameter, rings, phase, pixels, the
// share of the sensor's short side, then "vignettatura", the Red Spot's
// transit and the moons in the field, shortened to fit (58 characters) by
// leaving out in turn the share, the Red Spot's long name ("GRS"), a phase
// over 95%, the moons' names (counted instead), the rings, the moons and the
// Red Spot: "Venere 35.2″ · fase 33% · 230 px · 24% del lato corto"; "Giove
// 40.0″ · 259 px · GRS 23:41 · nel campo: Io, Europa". Without a target,
// "Campo 3.3′ × 2.5′", with " · vignettatura" where the stop cuts corners.
std::string PlanLine(const SensorView& view, const PictureFacts& facts);

// The picture's description: the field and the orientation, the line
// whole, then in sentences the phase and bright limb, the rings' tilt, the
// Red Spot, each moon's place, its shadow, the field stop: "Il campo del
// sensore, 3.3′ × 2.5′, nord in alto, est a sinistra; Giove 40.0″ · ...".
std::string PlanDescription(const SensorView& view, const PictureFacts& facts);

}  // namespace celforo
