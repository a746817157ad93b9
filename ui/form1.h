// The program's one window as behaviour: the handlers of its events and the
// two procedures they share, written once for every window system.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/projection.h"
#include "ui/form1_layout.h"
#include "ui/form1_operations.h"

namespace celforo {

class RunTimeError;

inline constexpr ElementId kText1 = ElementIndex("Text1");
inline constexpr ElementId kText2 = ElementIndex("Text2");
inline constexpr ElementId kText3 = ElementIndex("Text3");
inline constexpr ElementId kLabel1 = ElementIndex("Label1");
inline constexpr ElementId kLabel2 = ElementIndex("Label2");
inline constexpr ElementId kLabel8 = ElementIndex("Label8");
inline constexpr ElementId kCommand1 = ElementIndex("Command1");
inline constexpr ElementId kCommand2 = ElementIndex("Command2");

// The title of the message box that reports a run-time error.
inline constexpr std::string_view kMessageTitle = "CELFORO";

// Told when Form1's results appear and when they go; the planning panel
// follows them.
class Form1Listener {
public:
  virtual void onForm1ResultsShown(const ProjectionResults& results) = 0;
  virtual void onForm1ResultsCleared() = 0;

protected:
  ~Form1Listener() = default;
};

class Form1 {
public:
  // `window` carries out the operations; it must outlive the form.
  explicit Form1(Form1Operations& window) : window_(window) {}

  // The results shown, those of the boxes' texts; nothing while none are.
  const std::optional<ProjectionResults>& results() const { return results_; }
  // The three boxes read as CALCOLA reads them: " 2500" is 2500, "12,5" 12.
  ProjectionInputs Inputs() const;
  // Sets EXTR. OCULARE's text as if typed, then calculates as CALCOLA does.
  void SetExtractionAndCalculate(std::string_view text);
  // Sets the texts given of FOC. OBBIETTIVO, FOC. OCULARE and EXTR.
  // OCULARE, in that order, as if typed (nothing leaves a box as it is),
  // then calculates as CALCOLA does: {" 2032", nothing, nothing} is a
  // telescope of 2032 chosen in the planning panel.
  void SetBoxesAndCalculate(const std::array<std::optional<std::string>, 3>& texts);
  // The one listener, or none (null); it must outlive the form or be removed.
  void SetListener(Form1Listener* listener) { listener_ = listener; }

  // Delivered once, after the elements exist and before the window is shown.
  void onForm1Load();
  void onText1Changed();
  void onText2Changed();
  void onText3Changed();
  void onCommand1Clicked();
  void onCommand2Clicked();

private:
  // Reads the three boxes, computes, and sets the three results in order;
  // a run-time error, given back, leaves the results set before it in place.
  std::optional<RunTimeError> CalculateAndShow();
  void ClearResults();
  // The results are no longer those of the boxes: the listener is told.
  void ForgetResults();

  // CalculateAndShow for the handlers: a run-time error is reported in a
  // message box, after which the window goes on with the user's texts.
  void CalculateAndShowOrReport();
  void ReportRunTimeError(const RunTimeError& error);

  Form1Operations& window_;
  Form1Listener* listener_ = nullptr;
  std::optional<ProjectionResults> results_;
};

// Which handler each element's event goes to; a window system delivers every
// Change and Click by this table.

struct Form1Handler {
  ElementId element;
  FormEvent event;
  void (Form1::*handle)();
};

inline constexpr std::array<Form1Handler, 5> kForm1Handlers{{
    {kText1, FormEvent::Change, &Form1::onText1Changed},
    {kText2, FormEvent::Change, &Form1::onText2Changed},
    {kText3, FormEvent::Change, &Form1::onText3Changed},
    {kCommand1, FormEvent::Click, &Form1::onCommand1Clicked},
    {kCommand2, FormEvent::Click, &Form1::onCommand2Clicked},
}};

}  // namespace celforo
