// The planning panel as behaviour: what a set-up does to a camera and a
// target, and the target to the night sky from a site, recomputed as the
// panel's inputs are typed and whenever Form1 computes; the solve that puts
// an extraction into Form1; the user's kit (STRUMENTI), chosen, saved and
// removed; and the whole set-up as a file, a link and a picture.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/plan_columns.h"
#include "calc/projection.h"
#include "ui/form1.h"
#include "ui/form2_layout.h"
#include "ui/form2_operations.h"
#include "ui/form2_reading.h"
#include "ui/form_relations.h"
#include "ui/kit.h"
#include "ui/night_picture.h"
#include "ui/plan_picture.h"
#include "ui/settings.h"

namespace celforo {

inline constexpr ElementId kNameBox = Form2Index("Text9");
inline constexpr ElementId kNameProblem = Form2Index("Label47");
inline constexpr ElementId kSkippedLine = Form2Index("Label51");
inline constexpr ElementId kNowButton = Form2Index("Command3");
inline constexpr ElementId kPositionButton = Form2Index("Command11");
inline constexpr ElementId kPositionProblem = Form2Index("Label64");
inline constexpr ElementId kResultsProblem = Form2Index("Label41");
inline constexpr ElementId kAdviceLine = Form2Index("Label81");
inline constexpr ElementId kFitButton = Form2Index("Command4");
inline constexpr ElementId kValueProblem = Form2Index("Label44");
inline constexpr ElementId kPlanPicture = Form2Index("Picture2");
inline constexpr ElementId kNightPicture = Form2Index("Picture3");

// The pictures are drawn to the size the table gives them.
static_assert(kForm2Elements[kPlanPicture].width == kPlanPictureWidth * kTwipsPerPixel &&
                  kForm2Elements[kPlanPicture].height == kPlanPictureHeight * kTwipsPerPixel,
              "the sensor's picture is drawn to its element's size");
static_assert(kForm2Elements[kNightPicture].width == kNightPictureWidth * kTwipsPerPixel &&
                  kForm2Elements[kNightPicture].height == kNightPictureHeight * kTwipsPerPixel,
              "the night's picture is drawn to its element's size");

// How the panel's elements belong together: captions, units, problem lines.
inline constexpr FormRelations<kForm2Elements.size()> kForm2Relations = RelationsOf(kForm2Elements);

// STRUMENTI: each kind of the kit, its list and its buttons. A list's items
// are "—", then the kit's entries of the kind in their order, and for
// cameras the sensor list's rows after the user's own.
struct KitSection {
  KitKind kind;
  ElementId choice, save, remove;
};

inline constexpr std::array<KitSection, 3> kKitSections{{
    {KitKind::Telescope, Form2Index("Combo3"), Form2Index("Command5"), Form2Index("Command6")},
    {KitKind::Eyepiece, Form2Index("Combo4"), Form2Index("Command7"), Form2Index("Command8")},
    {KitKind::Camera, Form2Index("Combo5"), Form2Index("Command9"), Form2Index("Command10")},
}};

// The columns of kPlanColumns the panel shows, by caption, and the result
// label of each, in the same order: the set-up's and the target's, then the
// sky's from the site.
inline constexpr std::array<std::string_view, 17> kForm2Columns{
    kFocalRatioCaption,       kImageScaleCaption, kFieldWidthCaption, kFieldHeightCaption,
    kDiameterCaption,         kDiscPixelsCaption, kRingsCaption,      kSamplingCaption,
    kCaptureCaption,          kAltitudeCaption,   kAzimuthCaption,    kAirMassCaption,
    kDispersionPixelsCaption, kRiseCaption,       kTransitCaption,    kSetCaption,
    kBestTimeCaption};
inline constexpr std::array<ElementId, kForm2Columns.size()> kForm2Results{
    Form2Index("Label24"), Form2Index("Label26"), Form2Index("Label28"), Form2Index("Label30"),
    Form2Index("Label32"), Form2Index("Label34"), Form2Index("Label36"), Form2Index("Label38"),
    Form2Index("Label40"), Form2Index("Label66"), Form2Index("Label68"), Form2Index("Label70"),
    Form2Index("Label72"), Form2Index("Label74"), Form2Index("Label76"), Form2Index("Label78"),
    Form2Index("Label80")};

// Whether the lines of `items` are the names of `records`, in their order,
// after `first` lines of their own: so that a list or a result reordered in
// one table and not in the other does not compile.
template <typename Records, typename Name>
consteval bool LinesFollow(std::string_view items, std::size_t first, const Records& records,
                           Name name) {
  std::size_t line = 0;
  for (const auto& record : records) {
    if (ItemAt(items, static_cast<int>(first + line)) != name(record)) return false;
    ++line;
  }
  std::size_t lines = 1;
  for (const char c : items) lines += c == '\n' ? 1 : 0;
  return lines == first + line;
}

static_assert(LinesFollow(kForm2Elements[kTargetChoice].caption, 1, kTargets,
                          [](const TargetRecord& record) { return record.shownName; }),
              "OGGETTO lists the targets, after \"nessuno\", in their order");
static_assert(LinesFollow(kForm2Elements[kAimChoice].caption, 0, kPlanSolves,
                          [](const PlanSolve& solve) { return solve.caption; }),
              "RAGGIUNGI lists the solves in their order");

consteval bool ResultsFollowColumns() {
  for (std::size_t i = 0; i < kForm2Columns.size(); ++i) {
    if (ColumnByCaption(kForm2Columns[i]) == nullptr) return false;
    if (kForm2Elements[kForm2Results[i]].meaning != kForm2Columns[i]) return false;
    if (!kForm2Relations.caption[kForm2Results[i]]) return false;
  }
  return true;
}
static_assert(ResultsFollowColumns(),
              "a result label, captioned, for each column shown in its order");

// What the line of advice says, each where it holds, joined by " · ".
inline constexpr std::string_view kAdcAdvice = "ADC consigliato";      // dispersion over a pixel
inline constexpr std::string_view kVignettingAdvice = "vignettatura";  // stop inside the corners

class Form2 final : public Form1Listener {
public:
  // `window` carries out the panel's operations, `form1` is the main window
  // whose set-up the panel plans with, `store` keeps the kit (under "kit/",
  // kit.h) where the window system keeps its other settings; all must
  // outlive the panel. `now` gives the instant now.
  Form2(Form2Operations& window, Form1& form1, SettingsStore& store,
        UniversalTime (*now)() = nullptr);
  ~Form2();
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  // Delivered once, after the elements exist: the kit's lists (and the line
  // naming stored entries skipped), the fields from what was kept (or their
  // first texts), the date at now, and the results; from then on the panel
  // follows Form1's results.
  void onForm2Load();
  // A field's Change: keeps its text and computes again.
  void onFieldChanged(ElementId field);
  // ORA: the date and time of now.
  void onNowClicked(ElementId button);
  // ADATTA: the extraction that reaches VALORE goes into Form1, which computes.
  void onFitClicked(ElementId button);

  // STRUMENTI. NOME's Change takes away the last refusal.
  void onNameChanged(ElementId box);
  // A kit entry chosen: a telescope fills FOC. OBBIETTIVO and DIAMETRO
  // OBIETTIVO, an eyepiece FOC. OCULARE and DIAFRAMMA OCULARE (emptied
  // where its field stop is not known), and Form1 calculates as if they had
  // been typed and CALCOLA pressed; a camera fills PIXEL and SENSORE. "—"
  // changes nothing.
  void onKitChosen(ElementId choice);
  // SALVA: keeps the kind's values under NOME (a telescope: FOC. OBBIETTIVO
  // and DIAMETRO OBIETTIVO; an eyepiece: FOC. OCULARE and DIAFRAMMA OCULARE;
  // a camera: PIXEL and SENSORE, colour unless it is the camera chosen, mono,
  // with the same values), in place of the entry of that name if there is
  // one, and chooses it. Refused, on NOME's problem line, where NOME is
  // empty, over 40 characters or not a name, where a value cannot be used,
  // or where the kind has 100 entries already.
  void onKitSaveClicked(ElementId button);
  // ELIMINA: removes the chosen entry from the list and the store; refused,
  // on NOME's problem line, for "—" and a row of the sensor list.
  void onKitRemoveClicked(ElementId button);

  // The page's POSIZIONE: asks the device for its position.
  void onPositionClicked(ElementId button);
  // The position found, in degrees and metres (no height where the device
  // gives none: QUOTA is left as it is): LATITUDINE, LONGITUDINE and QUOTA
  // take it, kept as if typed, and the panel computes again.
  void onPositionFound(double latitude, double longitude, std::optional<double> height);
  // Why there is none ("Posizione negata dal browser."), on POSIZIONE's line.
  void onPositionNotFound(std::string_view why);

  // The set-up as a file, a link and a picture: the desktop windows' menu
  // items and the page's buttons. The date is never part of a set-up.
  // SALVA IMPOSTAZIONE…: Form1's lengths and the panel's inputs, as a file
  // the user chooses (calc/setup_file.h).
  void SaveSetup();
  // APRI IMPOSTAZIONE…: asks for a set-up file; onFileRead opens it.
  void OpenSetup();
  // ESPORTA IMMAGINE: the sensor's picture as the user chooses, SVG or PNG,
  // in the day's colours whatever the windows' theme; refused while the
  // picture shows no set-up.
  void ExportPicture();
  // COPIA LINK (the page): the page's address with the set-up in its
  // fragment.
  void CopyLink();
  // A page opened at an address whose fragment is "#setup=...": opens the
  // set-up it carries, or tells why not and changes nothing.
  void OpenLink(std::string_view fragment);
  // A file asked for by AskFileToRead, read: a set-up fills Form1 and the
  // panel (setup_fields.h), keeps the panel's inputs as if typed, and Form1
  // calculates; a file refused by the set-up's reader is told, with the
  // reason, and changes nothing.
  void onFileRead(FileKind kind, std::string_view bytes);
  // Why a file asked for could not be read: told, and nothing changes.
  void onFileNotRead(FileKind kind, std::string_view why);

  void onForm1ResultsShown(const ProjectionResults& results) override;
  void onForm1ResultsCleared() override;

private:
  // What the fields hold now, read as the planning takes it.
  Form2Reading Read() const;
  // Shows every field's problem but the solve's own, then the results and
  // the pictures, or empty results where an input or Form1's results are
  // missing.
  void Recompute();
  void ShowProblem(ElementId field, std::string_view problem);
  void ClearResults(std::string_view why);
  void ShowNow();
  // Sets a field's text or item as if the user had, keeping it.
  void Fill(ElementId field, const FieldEntry& entry);

  // STRUMENTI's lists from the kit, the chosen item `chosen`.
  void ShowKitItems(const KitSection& section, int chosen = 0);
  void ShowSkipped();
  void ShowKitRefusal(std::string_view why, bool nameAtFault);
  // The values of the kind to save, or why they cannot be saved.
  std::optional<std::string> SaveEntry(const KitSection& section, const std::string& name);

  // Opens a set-up read from a file or a link.
  void OpenSetupText(std::string_view text, bool link);

  Form2Operations& window_;
  Form1& form1_;
  UniversalTime (*now_)();
  Kit kit_;
  std::optional<ProjectionResults> form1Results_;
  // The sensor's picture shown, and whether it shows a set-up.
  DisplayList picture_;
  bool pictureShowsSetUp_ = false;
};

// Which handler each element's event goes to.
struct Form2Handler {
  ElementId element;
  FormEvent event;
  void (Form2::*handle)(ElementId);
};

inline constexpr std::array<Form2Handler, 25> kForm2Handlers{{
    {kNameBox, FormEvent::Change, &Form2::onNameChanged},
    {kKitSections[0].save, FormEvent::Click, &Form2::onKitSaveClicked},
    {kKitSections[0].remove, FormEvent::Click, &Form2::onKitRemoveClicked},
    {kKitSections[0].choice, FormEvent::Change, &Form2::onKitChosen},
    {kKitSections[1].save, FormEvent::Click, &Form2::onKitSaveClicked},
    {kKitSections[1].remove, FormEvent::Click, &Form2::onKitRemoveClicked},
    {kKitSections[1].choice, FormEvent::Change, &Form2::onKitChosen},
    {kKitSections[2].save, FormEvent::Click, &Form2::onKitSaveClicked},
    {kKitSections[2].remove, FormEvent::Click, &Form2::onKitRemoveClicked},
    {kKitSections[2].choice, FormEvent::Change, &Form2::onKitChosen},
    {kApertureBox, FormEvent::Change, &Form2::onFieldChanged},
    {kPixelBox, FormEvent::Change, &Form2::onFieldChanged},
    {kSensorBox, FormEvent::Change, &Form2::onFieldChanged},
    {kWavelengthBox, FormEvent::Change, &Form2::onFieldChanged},
    {kFieldStopBox, FormEvent::Change, &Form2::onFieldChanged},
    {kTargetChoice, FormEvent::Change, &Form2::onFieldChanged},
    {kDateField, FormEvent::Change, &Form2::onFieldChanged},
    {kNowButton, FormEvent::Click, &Form2::onNowClicked},
    {kLatitudeBox, FormEvent::Change, &Form2::onFieldChanged},
    {kLongitudeBox, FormEvent::Change, &Form2::onFieldChanged},
    {kHeightBox, FormEvent::Change, &Form2::onFieldChanged},
    {kPositionButton, FormEvent::Click, &Form2::onPositionClicked},
    {kAimChoice, FormEvent::Change, &Form2::onFieldChanged},
    {kValueBox, FormEvent::Change, &Form2::onFieldChanged},
    {kFitButton, FormEvent::Click, &Form2::onFitClicked},
}};

}  // namespace celforo
