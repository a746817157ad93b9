// Planning an imaging set-up from its equivalent focal length: the focal
// ratio, the image scale of a camera's pixels, the field its sensor covers,
// how finely it samples the telescope's resolution, how large a target comes
// out and how long one capture may last; and the extraction that reaches a
// wanted focal ratio, image scale, sampling or target size.
//
// The focal ratio takes the aperture in the set-up's own length unit. The
// image scale and the field take the pixel size in micrometres, with the
// set-up's lengths then in millimetres, as data sheets give them.
#pragma once

#include "calc/astronomical_constants.h"
#include "calc/run_time_error.h"

namespace celforo {

// Arcseconds per pixel for each micrometre of pixel per millimetre of focal
// length: 648000 / pi arcseconds per radian over 1000 micrometres per millimetre.
inline constexpr double kImageScaleFactor = kArcsecondsPerRadian / 1000.0;

// The effective focal ratio, equivalentFocalLength / aperture: 5000 and 250
// give 20. Fails with DivisionByZero for an aperture of zero,
// Overflow for 0 / 0 and for anything not finite.
Computed<double> FocalRatio(double equivalentFocalLength, double aperture);

// Arcseconds of sky on one pixel, kImageScaleFactor * pixelSize /
// equivalentFocalLength: 3.75 um and 5000 mm give 0.1546986046853223.
// Fails as FocalRatio does.
Computed<double> ImageScale(double equivalentFocalLength, double pixelSize);

// The angle in arcminutes that `pixels` pixels side by side span, the exact
// angle 2 * atan(pixels * pixelSize / (2000 * equivalentFocalLength)), not the
// small-angle pixels * ImageScale / 60: 1280 pixels of 3.75 um at 5000 mm span
// 3.3002366... arcminutes. Fails as FocalRatio does.
Computed<double> FieldOfView(double equivalentFocalLength, double pixelSize, double pixels);

// The extraction giving focal ratio `focalRatio` with `aperture`: the one
// giving the equivalent focal length focalRatio * aperture, so 2500, 5, 250
// and 20 give 2.5. Fails as ExtractionForFocalLength does.
Computed<double> ExtractionForFocalRatio(double objectiveFocalLength, double eyepieceFocalLength,
                                         double aperture, double focalRatio);

// The extraction giving `imageScale` arcseconds per pixel of `pixelSize`
// micrometres: the one giving the equivalent focal length kImageScaleFactor *
// pixelSize / imageScale. Fails as ExtractionForFocalLength
// does, with DivisionByZero for an image scale of zero.
Computed<double> ExtractionForImageScale(double objectiveFocalLength, double eyepieceFocalLength,
                                         double pixelSize, double imageScale);

// The sampling Q = wavelength * focalRatio / pixelSize, the wavelength in
// nanometres and the pixel size in micrometres: 550 nm at f/20 on 3.75 um
// pixels is 2.933333... Q = 2 samples the diffraction cutoff at the Nyquist
// rate; below 2 the camera undersamples. Fails as FocalRatio does.
Computed<double> Sampling(double focalRatio, double wavelength, double pixelSize);

// The pixels a disc of `diameter` arcseconds spans, from the exact angle:
// 2000 * equivalentFocalLength * tan(diameter / 2) / pixelSize, so 45
// arcseconds at 5000 mm on 3.75 um pixels span 290.888... Fails
// as FocalRatio does.
Computed<double> DiscPixels(double equivalentFocalLength, double pixelSize, double diameter);

// The longest capture, in seconds, before a feature at the centre of a disc
// of `diameter` arcseconds, turning once in `rotationHours`, moves by one
// pixel of `imageScale` arcseconds: imageScale * period / (pi * diameter),
// so .15 arcsec/pixel on Jupiter (9.925 h) at 45 arcseconds gives
// 37.91... s. Fails as FocalRatio does.
Computed<double> LongestCapture(double imageScale, double rotationHours, double diameter);

// The extraction giving sampling `sampling`: the one giving the focal ratio
// sampling * pixelSize / wavelength (nanometres over micrometres, / 1000).
// Fails as ExtractionForFocalRatio does, with DivisionByZero
// for a wavelength of zero.
Computed<double> ExtractionForSampling(double objectiveFocalLength, double eyepieceFocalLength,
                                       double aperture, double pixelSize, double wavelength,
                                       double sampling);

// The extraction that makes a disc of `diameter` arcseconds span `pixels`
// pixels: the one giving the equivalent focal length pixels * pixelSize /
// (2000 * tan(diameter / 2)). Fails as ExtractionForFocalLength
// does, with DivisionByZero for a diameter of zero.
Computed<double> ExtractionForDiscPixels(double objectiveFocalLength, double eyepieceFocalLength,
                                         double pixelSize, double diameter, double pixels);

// The field stop's image on the sensor, in pixels: the eyepiece re-images
// the focal plane and its field stop with it, magnified by the projection's
// magnification, so a stop of `fieldStop` millimetres spans fieldStop *
// magnification * 1000 / pixelSize pixels of `pixelSize` micrometres: a
// 5.5 mm stop at 2x on 3.75 um pixels spans 2933.33... Fails
// as FocalRatio does.
Computed<double> FieldStopPixels(double fieldStop, double magnification, double pixelSize);

// Whether a sensor of `width` x `height` pixels centred in the field stop's
// image, `stopPixels` across, has its corners outside it (vignetting): its
// diagonal is longer than the stop's diameter. 1280 x 960 (diagonal 1600)
// is vignetted by a stop of 1599 pixels, not by one of 1600.
bool CornersOutsideStop(double width, double height, double stopPixels);

}  // namespace celforo
