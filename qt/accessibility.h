// What assistive tools (screen readers, and through AT-SPI any program that
// drives the window) are told of the forms beyond what the toolkit tells by
// itself:
// - a choice is named by its caption, offers its chosen item as its text,
//   and each of its items can be chosen by an action ("Toggle" or "Press"),
//   as the toolkit's own list offers none that chooses;
// - a result offers its text as text, to read and select;
// - a caption that names a field or a result (its buddy) labels it and has
//   no name of its own, so that a name finds the field or result alone.
#pragma once

namespace celforo::qt {

// Installs these descriptions, once; the elements made before keep the
// descriptions they were given.
void InstallAccessibility();

}  // namespace celforo::qt
