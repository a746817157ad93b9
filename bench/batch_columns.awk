# The baseline of the batch benchmark with every column: what
# `celforo-calc --tsv --aperture 250 --pixel-size 3.75 --pixels 1280x960
# --target saturn --date WHEN` writes for each line "OBJECTIVE EYEPIECE
# EXTRACTION", as plain awk arithmetic: the three results, the focal ratio,
# the image scale, the two fields (exact angles), the diameter, its pixels,
# the rings, the sampling at 550 nm and the longest capture. The target's
# diameters are computed once for a run, so they come in as
# -v diameter=ARCSEC -v rings=ARCSEC.
BEGIN {
  pi = atan2(0, -1)
  aperture = 250
  pixel = 3.75
  width = 1280
  height = 960
  wavelength = 550
  hours = 10.6562
  scaleFactor = 648000 / pi / 1000
  arcminutes = 10800 / pi
  halfAngle = diameter * pi / 648000 / 2
}
{
  m = $2 / $3
  f = m * $1
  ratio = f / aperture
  scale = scaleFactor * pixel / f
  printf "%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\n",
         m, f, $2 * (1 + m), ratio, scale,
         2 * atan2(width * pixel, 2000 * f) * arcminutes,
         2 * atan2(height * pixel, 2000 * f) * arcminutes,
         diameter, 2000 * f * sin(halfAngle) / cos(halfAngle) / pixel, rings,
         wavelength / 1000 * ratio / pixel, scale * hours * 3600 / (pi * diameter)
}
