// The planning panel, PIANIFICAZIONE, as a static description like Form1's:
// its frame and its elements, with positions and sizes in twips from the
// client area's corner, in reading order, which is the Tab order.
#pragma once

#include <array>

#include "ui/form1_layout.h"

namespace celforo {

inline constexpr FormRecord kForm2{"Form2", "PIANIFICAZIONE", 5055, 11025, {192, 255, 255}};

// Inputs in four rows (a caption over each field, a line for its problem
// under it), the results framed, the solve (RAGGIUNGI as wide as its widest
// item, ADATTA under VALORE, the solve's problem beside it), and the picture
// at the foot.
inline constexpr std::array<ElementRecord, 47> kForm2Elements{{
    {"Label10", ElementKind::CaptionLabel, "DIAMETRO OBIETTIVO", 120, 120, 2355, 255, 0, 9.75, "",
     TextAlign::Left},
    {"Text4", ElementKind::TextBox, "", 120, 375, 2355, 360, 1, 9.75, "DIAMETRO OBIETTIVO"},
    {"Label11", ElementKind::ProblemLabel, "", 120, 735, 2355, 195, 2, 8.25, "DIAMETRO OBIETTIVO",
     TextAlign::Left},
    {"Label12", ElementKind::CaptionLabel, "PIXEL", 2580, 120, 2355, 255, 3, 9.75, "",
     TextAlign::Left},
    {"Text5", ElementKind::TextBox, "", 2580, 375, 1800, 360, 4, 9.75, "PIXEL"},
    {"Label13", ElementKind::CaptionLabel, "\xC2\xB5m", 4440, 435, 495, 255, 5, 9.75, "PIXEL",
     TextAlign::Left},
    {"Label14", ElementKind::ProblemLabel, "", 2580, 735, 2355, 195, 6, 8.25, "PIXEL",
     TextAlign::Left},
    {"Label15", ElementKind::CaptionLabel, "SENSORE", 120, 960, 2355, 255, 7, 9.75, "",
     TextAlign::Left},
    {"Text6", ElementKind::TextBox, "", 120, 1215, 2355, 360, 8, 9.75, "SENSORE"},
    {"Label16", ElementKind::ProblemLabel, "", 120, 1575, 2355, 195, 9, 8.25, "SENSORE",
     TextAlign::Left},
    {"Label17", ElementKind::CaptionLabel, "LUNGHEZZA D'ONDA", 2580, 960, 2355, 255, 10, 9.75, "",
     TextAlign::Left},
    {"Text7", ElementKind::TextBox, "", 2580, 1215, 1800, 360, 11, 9.75, "LUNGHEZZA D'ONDA"},
    {"Label18", ElementKind::CaptionLabel, "nm", 4440, 1275, 495, 255, 12, 9.75, "LUNGHEZZA D'ONDA",
     TextAlign::Left},
    {"Label19", ElementKind::ProblemLabel, "", 2580, 1575, 2355, 195, 13, 8.25, "LUNGHEZZA D'ONDA",
     TextAlign::Left},
    {"Label20", ElementKind::CaptionLabel, "OGGETTO", 120, 1800, 2355, 255, 14, 9.75, "",
     TextAlign::Left},
    {"Combo1", ElementKind::Choice,
     "nessuno\nSole\nLuna\nMercurio\nVenere\nMarte\nGiove\nSaturno\nUrano\nNettuno", 120, 2055,
     2355, 360, 15, 9.75, "OGGETTO"},
    {"Label21", ElementKind::CaptionLabel, "DATA E ORA", 120, 2640, 3540, 255, 16, 9.75, "",
     TextAlign::Left},
    {"DTPicker1", ElementKind::DateTimeField, "", 120, 2895, 3540, 360, 17, 9.75, "DATA E ORA"},
    {"Command3", ElementKind::PushButton, "ORA", 3780, 2895, 1155, 360, 18, 9.75, ""},
    {"Label22", ElementKind::ProblemLabel, "", 120, 3255, 4815, 195, 19, 8.25, "DATA E ORA",
     TextAlign::Left},
    {"Shape2", ElementKind::Rectangle, "", 120, 3540, 4815, 3090, -1, 0, ""},
    {"Label23", ElementKind::CaptionLabel, "RAPPORTO FOCALE", 240, 3630, 2760, 255, 20, 9.75, "",
     TextAlign::Left},
    {"Label24", ElementKind::ResultLabel, "", 3060, 3600, 1755, 300, 21, 9.75, "RAPPORTO FOCALE"},
    {"Label25", ElementKind::CaptionLabel, "SCALA (ARCSEC/PIXEL)", 240, 3960, 2760, 255, 22, 9.75,
     "", TextAlign::Left},
    {"Label26", ElementKind::ResultLabel, "", 3060, 3930, 1755, 300, 23, 9.75,
     "SCALA (ARCSEC/PIXEL)"},
    {"Label27", ElementKind::CaptionLabel, "CAMPO ORIZZ. (ARCMIN)", 240, 4290, 2760, 255, 24, 9.75,
     "", TextAlign::Left},
    {"Label28", ElementKind::ResultLabel, "", 3060, 4260, 1755, 300, 25, 9.75,
     "CAMPO ORIZZ. (ARCMIN)"},
    {"Label29", ElementKind::CaptionLabel, "CAMPO VERT. (ARCMIN)", 240, 4620, 2760, 255, 26, 9.75,
     "", TextAlign::Left},
    {"Label30", ElementKind::ResultLabel, "", 3060, 4590, 1755, 300, 27, 9.75,
     "CAMPO VERT. (ARCMIN)"},
    {"Label31", ElementKind::CaptionLabel, "DIAMETRO (ARCSEC)", 240, 4950, 2760, 255, 28, 9.75, "",
     TextAlign::Left},
    {"Label32", ElementKind::ResultLabel, "", 3060, 4920, 1755, 300, 29, 9.75, "DIAMETRO (ARCSEC)"},
    {"Label33", ElementKind::CaptionLabel, "DIAMETRO (PIXEL)", 240, 5280, 2760, 255, 30, 9.75, "",
     TextAlign::Left},
    {"Label34", ElementKind::ResultLabel, "", 3060, 5250, 1755, 300, 31, 9.75, "DIAMETRO (PIXEL)"},
    {"Label35", ElementKind::CaptionLabel, "ANELLI (ARCSEC)", 240, 5610, 2760, 255, 32, 9.75, "",
     TextAlign::Left},
    {"Label36", ElementKind::ResultLabel, "", 3060, 5580, 1755, 300, 33, 9.75, "ANELLI (ARCSEC)"},
    {"Label37", ElementKind::CaptionLabel, "CAMPIONAMENTO (Q)", 240, 5940, 2760, 255, 34, 9.75, "",
     TextAlign::Left},
    {"Label38", ElementKind::ResultLabel, "", 3060, 5910, 1755, 300, 35, 9.75, "CAMPIONAMENTO (Q)"},
    {"Label39", ElementKind::CaptionLabel, "RIPRESA MAX (S)", 240, 6270, 2760, 255, 36, 9.75, "",
     TextAlign::Left},
    {"Label40", ElementKind::ResultLabel, "", 3060, 6240, 1755, 300, 37, 9.75, "RIPRESA MAX (S)"},
    {"Label41", ElementKind::ProblemLabel, "", 120, 6660, 4815, 195, 38, 8.25, "", TextAlign::Left},
    {"Label42", ElementKind::CaptionLabel, "RAGGIUNGI", 120, 6900, 3300, 255, 39, 9.75, "",
     TextAlign::Left},
    {"Combo2", ElementKind::Choice,
     "RAPPORTO FOCALE\nSCALA (ARCSEC/PIXEL)\nCAMPIONAMENTO (Q)\nDIAMETRO (PIXEL)", 120, 7155, 3300,
     360, 40, 9.75, "RAGGIUNGI"},
    {"Label43", ElementKind::CaptionLabel, "VALORE", 3540, 6900, 1395, 255, 41, 9.75, "",
     TextAlign::Left},
    {"Text8", ElementKind::TextBox, "", 3540, 7155, 1395, 360, 42, 9.75, "VALORE"},
    {"Command4", ElementKind::PushButton, "ADATTA", 3540, 7575, 1395, 360, 43, 9.75, ""},
    {"Label44", ElementKind::ProblemLabel, "", 120, 7657, 3300, 195, 44, 8.25, "VALORE",
     TextAlign::Left},
    {"Picture2", ElementKind::PictureBox, "", 120, 8055, 4815, 2250, 45, 0, ""},
}};

consteval ElementId Form2Index(std::string_view name) {
  return IndexIn(kForm2Elements, name);
}

}  // namespace celforo
