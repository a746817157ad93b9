// The planning panel's behaviour on a faked window system, beside a faked
// Form1: what it keeps and restores, following Form1's results, naming bad
// input next to its field, ADATTA, and the picture's proportions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <map>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/date_time.h"
#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"
#include "cli/files.h"
#include "ui/form2.h"
#include "ui/plan_picture.h"
#include "ui/svg_writer.h"

namespace celforo {
namespace {

// Form1's operations on plain strings, its Change delivered as a window
// system delivers it.
class FakeForm1 : public Form1Operations {
public:
  std::array<std::string, kForm1Elements.size()> texts;
  std::string message;
  Form1 form{*this};

  void Type(ElementId box, std::string_view text) {
    texts[box] = text;
    form.onText1Changed();
  }

private:
  std::string Text(ElementId box) const override { return texts[box]; }
  void SetText(ElementId box, std::string_view text) override {
    texts[box] = text;
    form.onText3Changed();
  }
  void SetCaption(ElementId label, std::string_view caption) override { texts[label] = caption; }
  void ShowErrorMessage(std::string_view, std::string_view text) override { message = text; }
  void EndProgram() override {}
};

// 2026-12-07 21:00 UTC.
UniversalTime Evening() {
  return UtcInstant({2026, 12, 7, 21, 0, 0});
}

class FakeForm2 : public Form2Operations {
public:
  explicit FakeForm2(std::map<std::string, std::string> stored = {}) : kept(std::move(stored)) {
    form1.form.onForm1Load();
  }

  FakeForm1 form1;
  std::map<std::string, std::string> kept;
  std::array<std::string, kForm2Elements.size()> texts;
  std::array<int, kForm2Elements.size()> choices{};
  std::array<bool, kForm2Elements.size()> invalid{};
  DisplayList picture;
  Form2 form{*this, form1.form, &Evening};

  void Start() { form.onForm2Load(); }
  void Type(ElementId field, std::string_view text) {
    texts[field] = text;
    form.onFieldChanged(field);
  }
  void Choose(ElementId choice, int item) {
    choices[choice] = item;
    form.onFieldChanged(choice);
  }
  std::array<std::string, 9> Results() const {
    std::array<std::string, 9> results;
    for (std::size_t i = 0; i < results.size(); ++i) results[i] = texts[kForm2Results[i]];
    return results;
  }
  std::string ProblemOf(ElementId field) const {
    const std::optional<ElementId> line = kForm2Relations.problem[field];
    return line ? texts[*line] : std::string();
  }

private:
  std::string Text(ElementId field) const override { return texts[field]; }
  void SetText(ElementId field, std::string_view text) override { texts[field] = text; }
  int Choice(ElementId choice) const override { return choices[choice]; }
  void SetChoice(ElementId choice, int item) override { choices[choice] = item; }
  void SetCaption(ElementId label, std::string_view caption) override { texts[label] = caption; }
  void SetInvalid(ElementId field, bool is) override { invalid[field] = is; }
  void SetPicture(ElementId, const DisplayList& list) override { picture = list; }
  std::optional<std::string> Remembered(std::string_view key) const override {
    const auto found = kept.find(std::string(key));
    if (found == kept.end()) return std::nullopt;
    return found->second;
  }
  void Remember(std::string_view key, std::string_view value) override {
    kept[std::string(key)] = value;
  }
};

// 2500, 5 and 3 give 4166.666667: f/16.67 at 250, .185638"/px for 3.75 um,
// the 1280 x 960 sensor spanning 3.96' x 2.97', Q = .55 * 16.67 / 3.75.
const std::array<std::string, 9> kDefaultResults{"16.666667", ".185638", "3.960284", "2.970213", "",
                                                 "",          "",        "2.444444", ""};
const std::array<std::string, 9> kNoResults{};

TEST(Form2, StartsFromWhatWasKeptWhereItIsGood) {
  struct Case {
    std::map<std::string, std::string> kept;
    ElementId field;
    std::string shown;  // the field's text, or its choice's item number
  };
  const Case cases[] = {
      {{}, kApertureBox, "250"},
      {{{"Text4", "300"}}, kApertureBox, "300"},
      {{{"Text4", "abc"}}, kApertureBox, "250"},
      {{{"Text4", "-1"}}, kApertureBox, "250"},
      {{{"Text6",
         "1920\xC3\x97"
         "1080"}},
       kSensorBox,
       "1920\xC3\x97"
       "1080"},
      {{{"Text6", "1920*1080"}}, kSensorBox, "1280x960"},
      {{{"Text7", ""}}, kWavelengthBox, "550"},
      {{{"Combo1", "Saturno"}}, kTargetChoice, "7"},
      {{{"Combo1", "Plutone"}}, kTargetChoice, "0"},
      {{{"Combo2", "DIAMETRO (PIXEL)"}}, kAimChoice, "3"},
      // The date is never kept: it starts at now.
      {{{"DTPicker1", "1900-01-01T00:00"}},
       kDateField,
       DateTimeFieldText(LocalCivilTime(Evening()))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(kForm2Elements[c.field].name));
    FakeForm2 window(c.kept);
    window.Start();
    const bool choice = kForm2Elements[c.field].kind == ElementKind::Choice;
    EXPECT_EQ(choice ? std::to_string(window.choices[c.field]) : window.texts[c.field], c.shown);
  }
}

TEST(Form2, KeepsWhatIsTypedAndChosen) {
  FakeForm2 window;
  window.Start();
  window.Type(kApertureBox, "200");
  window.Choose(kTargetChoice, 6);
  window.Type(kDateField, "2030-01-01T00:00");
  EXPECT_EQ(window.kept["Text4"], "200");
  EXPECT_EQ(window.kept["Combo1"], "Giove");
  EXPECT_EQ(window.kept.count("DTPicker1"), 0U);
}

TEST(Form2, FollowsForm1sResults) {
  FakeForm2 window;
  window.Start();
  EXPECT_EQ(window.Results(), kDefaultResults);
  EXPECT_EQ(window.texts[kResultsProblem], "");
  // An edit in Form1 empties them, CALCOLA brings them back.
  window.form1.Type(kText1, "2000");
  EXPECT_EQ(window.Results(), kNoResults);
  EXPECT_EQ(window.texts[kResultsProblem], "Premi CALCOLA per i risultati.");
  window.form1.Type(kText1, "2500");
  window.form1.form.onCommand1Clicked();
  EXPECT_EQ(window.Results(), kDefaultResults);
  // A failing CALCOLA leaves none either.
  window.form1.Type(kText3, "0");
  window.form1.form.onCommand1Clicked();
  EXPECT_EQ(window.Results(), kNoResults);
  // The panel's own inputs recompute at once.
  window.form1.Type(kText3, "3");
  window.form1.form.onCommand1Clicked();
  window.Type(kApertureBox, "125");
  EXPECT_EQ(window.Results()[0], "33.333333");
}

const std::map<ElementId, std::string> kGoodTexts{{kApertureBox, "250"},
                                                  {kPixelBox, "3.75"},
                                                  {kWavelengthBox, "550"},
                                                  {kSensorBox, "1280x960"},
                                                  {kDateField, "2026-12-07T22:00"}};

TEST(Form2, BadInputIsNamedNextToItsFieldAndKept) {
  struct Case {
    ElementId field;
    std::string text;
    std::string problem;
  };
  const Case cases[] = {
      {kApertureBox, "", "Manca il valore."},
      {kApertureBox, "   ", "Manca il valore."},
      {kApertureBox, "25O", "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
      {kPixelBox, "3,75", "Il separatore decimale \xC3\xA8 il punto, non la virgola."},
      {kPixelBox, "1e999", "Numero troppo grande."},
      {kPixelBox, "3.75.", "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
      {kWavelengthBox, "656nm",
       "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
      {kApertureBox, "inf", "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
      {kPixelBox, "0", "Deve essere maggiore di zero."},
      {kWavelengthBox, "-550", "Deve essere maggiore di zero."},
      {kSensorBox, "1280", "Larghezza x altezza in pixel, per esempio 1280x960."},
      {kSensorBox, "0x960", "Larghezza x altezza in pixel, per esempio 1280x960."},
      {kDateField, "", "Manca il valore."},
      {kDateField, "2026-02-30T10:00", "Data e ora non valide."},
      {kDateField, "1799-12-31T12:00Z", "Solo dal 1800 al 2050."},
      {kDateField, "2051-01-02T00:00", "Solo dal 1800 al 2050."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(kForm2Elements[c.field].name) + " \"" + c.text + "\"");
    FakeForm2 window;
    window.Start();
    window.Type(c.field, c.text);
    EXPECT_EQ(window.ProblemOf(c.field), c.problem);
    EXPECT_TRUE(window.invalid[c.field]);
    EXPECT_EQ(window.texts[c.field], c.text);  // nothing typed is lost
    EXPECT_EQ(window.Results(), kNoResults);
    // Mended, the problem goes and the results come back.
    window.Type(c.field, kGoodTexts.at(c.field));
    EXPECT_EQ(window.ProblemOf(c.field), "");
    EXPECT_FALSE(window.invalid[c.field]);
    EXPECT_EQ(window.Results(), kDefaultResults);
  }
}

// Reading is a function of the fields' texts and items alone: each field's
// value or problem, a choice out of its items read as none chosen.
TEST(Form2Reading, ReadsEachFieldOrSaysWhyNot) {
  const auto entries = [](std::initializer_list<std::pair<ElementId, FieldEntry>> changes) {
    Form2Entries all{{{"250"},
                      {"3.75"},
                      {"1280x960"},
                      {"550"},
                      {"", 6},
                      {"2026-12-07T22:00Z"},
                      {"", 0},
                      {"20"}}};
    for (const auto& [field, entry] : changes) {
      for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
        if (kForm2Fields[i].field == field) all[i] = entry;
    }
    return all;
  };
  const Form2Reading good = ReadForm2(entries({}));
  EXPECT_EQ(good.problems, (std::array<std::string_view, kForm2Fields.size()>{}));
  EXPECT_EQ(good.inputs.camera.aperture, 250);
  EXPECT_EQ(good.inputs.camera.pixelSize, 3.75);
  EXPECT_EQ(good.inputs.camera.sensor->width, 1280);
  EXPECT_EQ(good.inputs.camera.wavelength, 550);
  EXPECT_EQ(good.inputs.target, Target::Jupiter);
  EXPECT_EQ(good.inputs.instant, UtcInstant({2026, 12, 7, 22, 0, 0}));
  EXPECT_EQ(good.inputs.aim, PlanAim::FocalRatio);
  EXPECT_EQ(good.inputs.value, 20);

  const struct {
    ElementId field;
    FieldEntry entry;
    bool aperture, target, aim;  // what is read then
    std::string_view problem;    // of the field changed
  } cases[] = {
      {kApertureBox, {" 2.5e2\t"}, true, true, true, ""},
      {kApertureBox,
       {"25x0"},
       false,
       true,
       true,
       "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
      {kTargetChoice, {"", 0}, true, false, true, ""},
      {kTargetChoice, {"", -1}, true, false, true, ""},
      {kTargetChoice, {"", 10}, true, false, true, ""},
      {kAimChoice, {"", -1}, true, true, false, ""},
      {kAimChoice, {"", 4}, true, true, false, ""},
      {kValueBox,
       {"2o"},
       true,
       true,
       true,
       "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(kForm2Elements[c.field].name) + " \"" + c.entry.text + "\" " +
                 std::to_string(c.entry.item));
    const Form2Reading reading = ReadForm2(entries({{c.field, c.entry}}));
    for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
      EXPECT_EQ(reading.problems[i], kForm2Fields[i].field == c.field ? c.problem : "");
    EXPECT_EQ(reading.inputs.camera.aperture.has_value(), c.aperture);
    EXPECT_EQ(reading.inputs.target.has_value(), c.target);
    EXPECT_EQ(reading.inputs.aim.has_value(), c.aim);
  }
}

TEST(Form2, AdattaPutsTheExtractionIntoForm1AsIfTyped) {
  struct Case {
    int aim;  // RAPPORTO FOCALE, SCALA, CAMPIONAMENTO, DIAMETRO (PIXEL)
    std::string value;
    std::string extraction;  // EXTR. OCULARE afterwards; unchanged " 3" when unreached
    std::string problem;
  };
  const Case cases[] = {
      // f/20 at 250 is 5000 mm: 5 * 2500 / 5000.
      {0, "20", " 2.5", ""},
      // .15"/px of 3.75 um is 5156.62 mm.
      {1, ".15", " 2.42406840554768", ""},
      // Q = 2 is f/13.636 with 550 nm on 3.75 um: 3409.09 mm.
      {2, "2", " 3.66666666666667", ""},
      {0, "0", " 3", "Deve essere maggiore di zero."},
      {0, "venti", " 3", "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."},
      {3, "300", " 3", "Scegli prima un OGGETTO."},
      {-1, "20", " 3", "Scegli prima cosa RAGGIUNGERE."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    FakeForm2 window;
    window.Start();
    window.Choose(kAimChoice, c.aim);
    window.Type(kValueBox, c.value);
    window.form.onFitClicked(kFitButton);
    EXPECT_EQ(window.form1.texts[kText3], c.extraction);
    EXPECT_EQ(window.texts[kValueProblem], c.problem);
    EXPECT_EQ(window.invalid[kValueBox], !c.problem.empty());
    if (c.problem.empty()) {
      EXPECT_NE(window.form1.texts[kLabel2], "");  // Form1 computed
      EXPECT_NE(window.Results()[0], "");          // and the panel with it
    }
  }
  // With an input to mend first, nothing is solved.
  FakeForm2 window;
  window.Start();
  window.Type(kPixelBox, "");
  window.form.onFitClicked(kFitButton);
  EXPECT_EQ(window.texts[kValueProblem], "Correggi prima i dati segnati.");
  EXPECT_EQ(window.form1.texts[kText3], " 3");
}

// What the panel draws, as SVG, is what celforo-calc --picture writes for
// the same set-up and instant: typed into Form1 and the panel, and given as
// operands and options.
TEST(Form2, PictureIsCelforoCalcs) {
  const struct {
    std::array<std::string, 3> lengths;
    std::string aperture, pixel, sensor;
    int target;  // OGGETTO's item; 0 is none
    std::string date;
    bool fit;  // ADATTA for the panel, --focal-ratio 20 for celforo-calc
  } cases[] = {
      {{"2500", "5", "2.5"}, "250", "3.75", "1280x960", 6, "2026-12-07 21:30", false},
      {{"2000", "10", "5"},
       " 2.5e2",
       "2.9",
       "1920\xC3\x97"
       "1080",
       7,
       "2026-12-07T21:30",
       false},
      {{" 2500", "5mm", "3,7"}, "250", "3.75", "1280x960", 2, "2027-01-09T06:00", false},
      {{"2500", "5", "1"}, "250", "3.75", "1280x960", 4, "2026-12-08T06:00", false},
      {{"1000", "25", "2"}, "250", "3.75", "1280x960", 1, "2026-12-08T12:00", false},
      {{"2500", "5", "3"}, "250", "3.75", "1280x960", 0, "2026-12-07T21:30", false},
      {{"2500", "5", "3"}, "250", "3.75", "640x480", 6, "2026-12-07T21:30", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.target) + " " + c.date);
    FakeForm2 window;
    window.Start();
    const ElementId boxes[] = {kText1, kText2, kText3};
    for (std::size_t i = 0; i < 3; ++i) window.form1.Type(boxes[i], c.lengths[i]);
    window.form1.form.onCommand1Clicked();
    window.Type(kApertureBox, c.aperture);
    window.Type(kPixelBox, c.pixel);
    window.Type(kSensorBox, c.sensor);
    window.Choose(kTargetChoice, c.target);
    window.Type(kDateField, c.date);
    if (c.fit) window.form.onFitClicked(kFitButton);
    ASSERT_EQ(window.texts[kResultsProblem], "");

    std::vector<std::string_view> arguments{"--aperture", c.aperture, "--pixel-size", c.pixel,
                                            "--pixels",   c.sensor,   "--date",       c.date,
                                            "--picture",  "panel.svg"};
    if (c.target > 0) {
      arguments.push_back("--target");
      arguments.push_back(kTargets[static_cast<std::size_t>(c.target - 1)].italianName);
    }
    if (c.fit) arguments.insert(arguments.end(), {"--focal-ratio", "20"});
    arguments.insert(arguments.end(), c.lengths.begin(), c.lengths.end() - (c.fit ? 1 : 0));
    cli::MemoryInput in("");
    cli::MemoryOutput out;
    cli::MemoryOutput err;
    cli::MemoryFiles files;
    ASSERT_EQ(cli::RunCelforoCalc(arguments, in, out, err, files), cli::kSuccess) << err.text();
    ASSERT_NE(files.Find("panel.svg"), nullptr);
    EXPECT_EQ(*files.Find("panel.svg"), SvgDocument(window.picture));
  }
}

}  // namespace
}  // namespace celforo
