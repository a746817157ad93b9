// Rectangular coordinates and the rotations between reference frames.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace celforo {

struct Vector3 {
  double x = 0, y = 0, z = 0;
};

constexpr Vector3 operator+(const Vector3& a, const Vector3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vector3 operator-(const Vector3& a, const Vector3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vector3 operator*(double k, const Vector3& v) {
  return {k * v.x, k * v.y, k * v.z};
}
constexpr double Dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double Length(const Vector3& v) {
  return std::sqrt(Dot(v, v));
}

// The direction of `v` as spherical angles in radians: the longitude (or
// right ascension) in -pi..pi from the x axis towards y, the latitude (or
// declination) from the xy plane: (0, 1, 1) is (pi / 2, pi / 4).
struct Spherical {
  double longitude = 0, latitude = 0;
};

inline Spherical SphericalOf(const Vector3& v) {
  return {std::atan2(v.y, v.x), std::atan2(v.z, std::hypot(v.x, v.y))};
}

// The unit vector `distance` long in the direction of longitude and latitude
// in radians: (0, 0) is (distance, 0, 0).
inline Vector3 FromSpherical(double longitude, double latitude, double distance = 1.0) {
  const double cosLatitude = std::cos(latitude);
  return {distance * cosLatitude * std::cos(longitude),
          distance * cosLatitude * std::sin(longitude), distance * std::sin(latitude)};
}

// A rotation of coordinates as a 3x3 matrix, rows first: applied to a vector
// it gives the same vector's coordinates in the rotated frame.
struct Rotation {
  std::array<std::array<double, 3>, 3> m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
};

inline Vector3 operator*(const Rotation& r, const Vector3& v) {
  const auto& m = r.m;
  return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
          m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
          m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

// First `b`, then `a`.
inline Rotation operator*(const Rotation& a, const Rotation& b) {
  Rotation product;
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j) {
      double sum = 0;
      for (std::size_t k = 0; k < 3; ++k) sum += a.m[i][k] * b.m[k][j];
      product.m[i][j] = sum;
    }
  }
  return product;
}

// The inverse of a rotation, its transpose.
inline Rotation Transposed(const Rotation& r) {
  Rotation t;
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t j = 0; j < 3; ++j) t.m[i][j] = r.m[j][i];
  }
  return t;
}

// The frame turned by `angle` radians about its x, y or z axis, counter-
// clockwise seen from the axis's tip: RotationAboutZ(pi / 2) takes (1, 0, 0)
// to (0, -1, 0).
inline Rotation RotationAboutX(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {{{{1, 0, 0}, {0, c, s}, {0, -s, c}}}};
}
inline Rotation RotationAboutY(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {{{{c, 0, -s}, {0, 1, 0}, {s, 0, c}}}};
}
inline Rotation RotationAboutZ(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {{{{c, s, 0}, {-s, c, 0}, {0, 0, 1}}}};
}

}  // namespace celforo
