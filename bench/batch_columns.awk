# The baseline of the batch benchmark with every column: what
# `celforo-calc --tsv --aperture 250 --pixel-size 3.75 --pixels 1280x960
# --field-stop 5.5 --target saturn --date WHEN --site 45.07,7.69,240` writes
# for each line "OBJECTIVE EYEPIECE EXTRACTION", as plain awk arithmetic: the
# three results, the focal ratio, the image scale, the two fields (exact
# angles), the field stop's image, the diameter, its pixels, the rings, the
# sampling at 550 nm, the longest capture, the target's place in the sky,
# its dispersion in pixels, its rising and setting and its disc. What is
# computed once for a run comes in as -v diameter=ARCSEC -v rings=ARCSEC
# -v dispersion=ARCSEC, and as the fields as printed: -v sky=ALTITUDE<TAB>
# AZIMUTH<TAB>AIR MASS<TAB>DISPERSION, -v disc=RISE<TAB>...<TAB>POLE.
BEGIN {
  pi = atan2(0, -1)
  aperture = 250
  pixel = 3.75
  width = 1280
  height = 960
  stop = 5.5
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
  printf "%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%.6f\t%s\t%.6f\t%s\n",
         m, f, $2 * (1 + m), ratio, scale,
         2 * atan2(width * pixel, 2000 * f) * arcminutes,
         2 * atan2(height * pixel, 2000 * f) * arcminutes,
         stop * m * 1000 / pixel,
         diameter, 2000 * f * sin(halfAngle) / cos(halfAngle) / pixel, rings,
         wavelength / 1000 * ratio / pixel, scale * hours * 3600 / (pi * diameter),
         sky, dispersion / scale, disc
}
