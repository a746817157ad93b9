// The planning panel as behaviour: what a set-up does to a camera and a
// target, recomputed as the panel's inputs are typed and whenever Form1
// computes, and the solve that puts an extraction into Form1.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/plan_columns.h"
#include "ui/form1.h"
#include "ui/form2_layout.h"
#include "ui/form2_operations.h"

namespace celforo {

inline constexpr ElementId kApertureBox = Form2Index("Text4");
inline constexpr ElementId kPixelBox = Form2Index("Text5");
inline constexpr ElementId kSensorBox = Form2Index("Text6");
inline constexpr ElementId kWavelengthBox = Form2Index("Text7");
inline constexpr ElementId kTargetChoice = Form2Index("Combo1");
inline constexpr ElementId kDateField = Form2Index("DTPicker1");
inline constexpr ElementId kNowButton = Form2Index("Command3");
inline constexpr ElementId kResultsProblem = Form2Index("Label41");
inline constexpr ElementId kAimChoice = Form2Index("Combo2");
inline constexpr ElementId kValueBox = Form2Index("Text8");
inline constexpr ElementId kFitButton = Form2Index("Command4");
inline constexpr ElementId kValueProblem = Form2Index("Label44");
inline constexpr ElementId kPlanPicture = Form2Index("Picture2");

// What a field of the panel takes.
enum class FieldRule { PositiveNumber, Sensor, Target, DateTime, Aim };

struct Form2Field {
  ElementId field;
  ElementId problem;  // its problem line; the field itself where it has none
  FieldRule rule;
  std::string_view first;  // its text (or item) at the first start
  bool remembered;         // kept between runs; the date starts at now every time
};

inline constexpr std::array<Form2Field, 8> kForm2Fields{{
    {kApertureBox, Form2Index("Label11"), FieldRule::PositiveNumber, "250", true},
    {kPixelBox, Form2Index("Label14"), FieldRule::PositiveNumber, "3.75", true},
    {kSensorBox, Form2Index("Label16"), FieldRule::Sensor, "1280x960", true},
    {kWavelengthBox, Form2Index("Label19"), FieldRule::PositiveNumber, "550", true},
    {kTargetChoice, kTargetChoice, FieldRule::Target, "nessuno", true},
    {kDateField, Form2Index("Label22"), FieldRule::DateTime, "", false},
    {kAimChoice, kAimChoice, FieldRule::Aim, "RAPPORTO FOCALE", true},
    {kValueBox, kValueProblem, FieldRule::PositiveNumber, "20", true},
}};

// The columns of kPlanColumns the panel shows, by caption, and the result
// label of each, in the same order.
inline constexpr std::array<std::string_view, 9> kForm2Columns{
    kFocalRatioCaption,  kImageScaleCaption, kFieldWidthCaption,
    kFieldHeightCaption, kDiameterCaption,   kDiscPixelsCaption,
    kRingsCaption,       kSamplingCaption,   kCaptureCaption};
constexpr bool Form2ColumnsExist() {
  for (const std::string_view caption : kForm2Columns)
    if (ColumnByCaption(caption) == nullptr) return false;
  return true;
}
static_assert(Form2ColumnsExist());
inline constexpr std::array<ElementId, kForm2Columns.size()> kForm2Results{
    Form2Index("Label24"), Form2Index("Label26"), Form2Index("Label28"),
    Form2Index("Label30"), Form2Index("Label32"), Form2Index("Label34"),
    Form2Index("Label36"), Form2Index("Label38"), Form2Index("Label40")};

class Form2 final : public Form1Listener {
public:
  // `window` carries out the panel's operations, `form1` and `form1Window`
  // are the main window whose set-up the panel plans with; all must outlive
  // the panel. `now` gives the instant now.
  Form2(Form2Operations& window, Form1& form1, Form1Operations& form1Window,
        UniversalTime (*now)() = nullptr);
  ~Form2();
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  // Delivered once, after the elements exist: the fields from what was kept
  // (or their first texts), the date at now, and the results; from then on
  // the panel follows Form1's results.
  void onForm2Load();
  // A field's Change: keeps its text and computes again.
  void onFieldChanged(ElementId field);
  // ORA: the date and time of now.
  void onCommand3Clicked(ElementId button);
  // ADATTA: the extraction that reaches VALORE goes into Form1, which computes.
  void onCommand4Clicked(ElementId button);

  void onForm1ResultsShown() override;
  void onForm1ResultsCleared() override;

private:
  // Shows every field's problem, then the results and the picture, or empty
  // results where an input or Form1's results are missing.
  void Recompute();
  // The camera and target from the fields, or the problem of each field.
  bool ReadInputs(CameraAndTarget& inputs);
  std::string Problem(const Form2Field& field) const;
  void ShowProblem(const Form2Field& field, std::string_view problem);
  void ClearResults(std::string_view why);
  void ShowNow();

  Form2Operations& window_;
  Form1& form1_;
  Form1Operations& form1Window_;
  UniversalTime (*now_)();
  bool form1ResultsShown_;
};

// Which handler each element's event goes to.
struct Form2Handler {
  ElementId element;
  Form1Event event;
  void (Form2::*handle)(ElementId);
};

inline constexpr std::array<Form2Handler, 10> kForm2Handlers{{
    {kApertureBox, Form1Event::Change, &Form2::onFieldChanged},
    {kPixelBox, Form1Event::Change, &Form2::onFieldChanged},
    {kSensorBox, Form1Event::Change, &Form2::onFieldChanged},
    {kWavelengthBox, Form1Event::Change, &Form2::onFieldChanged},
    {kTargetChoice, Form1Event::Change, &Form2::onFieldChanged},
    {kDateField, Form1Event::Change, &Form2::onFieldChanged},
    {kNowButton, Form1Event::Click, &Form2::onCommand3Clicked},
    {kAimChoice, Form1Event::Change, &Form2::onFieldChanged},
    {kValueBox, Form1Event::Change, &Form2::onFieldChanged},
    {kFitButton, Form1Event::Click, &Form2::onCommand4Clicked},
}};

}  // namespace celforo
