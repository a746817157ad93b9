// The static description of the window: its frame and its sixteen elements,
// with positions and sizes in twips (15 to the logical pixel).
#pragma once

#include <array>

#include "ui/form_types.h"

namespace celforo {

inline constexpr FormRecord kForm1{"Form1", "             CELFORO", 5055, 5625, {192, 255, 255}};

// In tab-index order; the rectangle, having no tab index, comes last.
inline constexpr std::array<ElementRecord, 16> kForm1Elements{{
    {"Text1", ElementKind::TextBox, "", 480, 480, 1695, 375, 0, 12, "FOC. OBBIETTIVO"},
    {"Text2", ElementKind::TextBox, "", 2880, 480, 1695, 375, 1, 12, "FOC. OCULARE"},
    {"Text3", ElementKind::TextBox, "", 1680, 1200, 1695, 375, 2, 12, "EXTR. OCULARE"},
    {"Command1", ElementKind::PushButton, "CALCOLA", 360, 4080, 1815, 495, 3, 13.5, ""},
    {"Label3", ElementKind::CaptionLabel, "FOC. OBBIETTIVO", 360, 240, 1935, 255, 4, 9.75, ""},
    {"Label4", ElementKind::CaptionLabel, "FOC. OCULARE", 2880, 240, 1695, 255, 5, 9.75, ""},
    {"Label5", ElementKind::CaptionLabel, "EXTR. OCULARE", 1560, 960, 1935, 255, 6, 9.75, ""},
    {"Label6", ElementKind::CaptionLabel, "INGRANDIMENTI", 360, 1920, 2055, 255, 7, 9.75, ""},
    {"Label7", ElementKind::CaptionLabel, "FOC. EQUIVALENTE", 2520, 1920, 2295, 255, 8, 9.75, ""},
    {"Label1", ElementKind::ResultLabel, "", 360, 2280, 2055, 375, 9, 12, "INGRANDIMENTI"},
    {"Label2", ElementKind::ResultLabel, "", 2640, 2280, 2055, 375, 10, 12, "FOC. EQUIVALENTE"},
    {"Picture1", ElementKind::PictureBox, "", 2280, 3840, 2670, 1755, 11, 0, ""},
    {"Label8", ElementKind::ResultLabel, "", 1440, 3120, 2055, 375, 12, 12,
     "DIST. PIANO FOCALE - OCUL.ARE"},
    {"Label9", ElementKind::CaptionLabel, "DIST. PIANO FOCALE - OCUL.ARE", 360, 2760, 4335, 375, 13,
     9.75, ""},
    {"Command2", ElementKind::PushButton, "ESCI", 720, 4800, 1095, 495, 14, 13.5, ""},
    {"Shape1", ElementKind::Rectangle, "", 240, 1800, 4575, 1815, -1, 0, ""},
}};

// ElementIndex("Text3") is 2. An unknown name does not compile.
consteval ElementId ElementIndex(std::string_view name) {
  return IndexIn(kForm1Elements, name);
}

}  // namespace celforo
