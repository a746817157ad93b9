// A whole set-up, as a file or a link carries it between the windows, the
// page and celforo-calc: Form1's three lengths, the planning panel's inputs
// but the date, the site, the eyepiece's field stop and celforo-calc's
// further values. Whatever is not given is nothing.
#pragma once

#include <optional>

#include "calc/plan_columns.h"
#include "calc/targets.h"

namespace celforo {

// What a solve aims at and the value it aims for: a sampling of 2.
struct SetupSolve {
  PlanAim aim = PlanAim::FocalRatio;
  double value = 0;
  bool operator==(const SetupSolve&) const = default;
};

// Where the telescope stands: degrees north and east, metres above the sea.
struct SetupSite {
  double latitude = 0;
  double longitude = 0;
  double height = 0;
  bool operator==(const SetupSite&) const = default;
};

// The band of wavelengths the air's dispersion is reckoned across, in
// nanometres, the shorter first: 400 to 700.
struct SetupBand {
  double from = 0;
  double to = 0;
  bool operator==(const SetupBand&) const = default;
};

struct Setup {
  // Form1's lengths, in one unit of the user's choice (millimetres when a
  // pixel size is given).
  std::optional<double> objective;   // FOC. OBBIETTIVO: 2500
  std::optional<double> eyepiece;    // FOC. OCULARE: 5
  std::optional<double> extraction;  // EXTR. OCULARE: 3
  // The planning panel's inputs.
  std::optional<double> aperture;      // DIAMETRO OBIETTIVO, the lengths' unit: 250
  std::optional<double> pixelSize;     // PIXEL, micrometres: 3.75
  std::optional<SensorPixels> sensor;  // SENSORE: 1280 x 960
  std::optional<double> wavelength;    // LUNGHEZZA D'ONDA, nanometres: 550
  std::optional<Target> target;        // OGGETTO; nothing for "nessuno"
  std::optional<SetupSolve> solve;     // RAGGIUNGI and VALORE
  std::optional<SetupSite> site;
  std::optional<double> fieldStop;  // the eyepiece's field stop, millimetres: 4.5
  // celforo-calc's --band, --min-altitude (degrees) and --grs (degrees of
  // System II longitude).
  std::optional<SetupBand> band;
  std::optional<double> minAltitude;
  std::optional<double> grsLongitude;

  bool operator==(const Setup&) const = default;
};

}  // namespace celforo
