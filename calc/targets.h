// The bodies a set-up can be planned for: the Sun, the Moon and the planets,
// with the figures their apparent size and rotation are computed from.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace celforo {

enum class Target { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune };

struct TargetRecord {
  Target target;
  std::string_view englishName;  // lower case, as typed: "jupiter"
  std::string_view italianName;  // lower case, as typed: "giove"
  std::string_view shownName;    // as the window shows it: "Giove"
  double radius;                 // IAU equatorial radius, km
  double ringsRadius;            // outer edge of the A ring, km; 0 without rings
  double rotationHours;          // sidereal rotation period, h; 0 where no capture time is given
};

// IAU equatorial radii; rotation periods of Mars, of Jupiter and Saturn in
// System III. In the order of enum Target, so kTargets[int(t)] is t's record.
inline constexpr std::array<TargetRecord, 9> kTargets{{
    {Target::Sun, "sun", "sole", "Sole", 695700.0, 0, 0},
    {Target::Moon, "moon", "luna", "Luna", 1737.4, 0, 0},
    {Target::Mercury, "mercury", "mercurio", "Mercurio", 2440.53, 0, 0},
    {Target::Venus, "venus", "venere", "Venere", 6051.8, 0, 0},
    {Target::Mars, "mars", "marte", "Marte", 3396.19, 0, 24.6229},
    {Target::Jupiter, "jupiter", "giove", "Giove", 71492.0, 0, 9.9250},
    {Target::Saturn, "saturn", "saturno", "Saturno", 60268.0, 136775.0, 10.6562},
    {Target::Uranus, "uranus", "urano", "Urano", 25559.0, 0, 0},
    {Target::Neptune, "neptune", "nettuno", "Nettuno", 24764.0, 0, 0},
}};

constexpr const TargetRecord& RecordOf(Target target) {
  return kTargets[static_cast<std::size_t>(target)];
}

// The body an English or Italian name names, in any case of ASCII letters:
// "Jupiter", "GIOVE" and "giove" all give Target::Jupiter; nothing for any
// other text.
std::optional<Target> TargetByName(std::string_view name);

}  // namespace celforo
