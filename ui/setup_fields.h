// A set-up and the windows' fields, both ways: the set-up that Form1's boxes
// and the planning panel's fields hold, for a file or a link, and the texts
// a set-up opened puts into them. Pure functions of what the fields hold.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/projection.h"
#include "calc/setup.h"
#include "ui/form2_reading.h"

namespace celforo {

// The set-up of Form1's lengths (as CALCOLA reads its boxes) and of the
// panel's fields as read: a field that cannot be used, or holds nothing,
// gives nothing, and the date is never part of it. With Form1's 2500, 5 and
// 3 and the panel's first texts it is
//   {"version":1,"objective_focal_length":2500,"eyepiece_focal_length":5,
//    "eyepiece_extraction":3,"aperture":250,"pixel_size":3.75,
//    "sensor":{"width":1280,"height":960},"wavelength":550,
//    "solve":{"aim":"focal_ratio","value":20}}
// A solve is given where both RAGGIUNGI and VALORE can be used; a site
// where LATITUDINE and LONGITUDINE (and QUOTA) can.
Setup SetupOfFields(const ProjectionInputs& lengths, const Form2Reading& reading);

// What opening a set-up puts into Form1's boxes and the panel's fields,
// each field in the order of kForm2Fields; nothing leaves a box or a field
// as it is. Form1's lengths are written as Form1 writes them (" 2500"), the
// panel's numbers as the shortest text that reads back the same ("3.75"),
// the sensor "1280x960". What a set-up says by leaving it out is said too:
// no target is OGGETTO's "nessuno", no site empties LATITUDINE, LONGITUDINE
// and QUOTA, no field stop empties DIAFRAMMA OCULARE; the rest is left as
// it is. The date is never touched. celforo-calc's band, minimum altitude
// and Red Spot longitude have no field, and are not shown.
struct SetupEntries {
  std::array<std::optional<std::string>, 3> form1;  // FOC. OBBIETTIVO, FOC. OCULARE, EXTR. OCULARE
  std::array<std::optional<FieldEntry>, kForm2Fields.size()> fields;
};
SetupEntries EntriesOfSetup(const Setup& setup);

}  // namespace celforo
