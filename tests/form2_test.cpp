// The planning panel's behaviour on a faked window system, beside a faked
// Form1: its table, what it keeps and restores, following Form1's results,
// naming bad input next to its field, ADATTA, STRUMENTI, the set-up as a
// file and a link, the picture exported, and the picture's proportions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "calc/date_time.h"
#include "calc/numeric_text.h"
#include "calc/quantity_rules.h"
#include "calc/sensors.h"
#include "calc/setup_file.h"
#include "calc/setup_link.h"
#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"
#include "cli/files.h"
#include "tests/support/memory_store.h"
#include "ui/form2.h"
#include "ui/night_picture.h"
#include "ui/plan_picture.h"
#include "ui/setup_fields.h"
#include "ui/svg_writer.h"
#include "ui/window_menu.h"

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

// What the faked user answers when asked for a file to read: its bytes, or
// why it cannot be read; nothing cancels.
using FileAnswer = std::optional<std::variant<std::string, std::pair<int, std::string>>>;

class FakeForm2 : public Form2Operations {
public:
  explicit FakeForm2(std::map<std::string, std::string> stored = {}) : kept(std::move(stored)) {
    form1.form.onForm1Load();
  }

  FakeForm1 form1;
  std::map<std::string, std::string> kept;
  MemoryStore store;
  std::array<std::string, kForm2Elements.size()> texts;
  std::array<int, kForm2Elements.size()> choices{};
  std::array<std::vector<std::string>, kForm2Elements.size()> items;
  std::array<bool, kForm2Elements.size()> invalid{};
  DisplayList picture;
  DisplayList nightPicture;
  // The files: what the user answers, and what was written and told.
  std::optional<ChosenFile> fileToWrite = ChosenFile{"/home/user/set-up.json", FileKind::Setup};
  std::map<std::string, std::string> written;
  std::vector<std::string> offered;  // "celforo.json: 0", the kinds offered by number
  FileAnswer fileToRead;
  std::size_t mostBytesAsked = 0;
  std::optional<std::string> writeFault;
  std::optional<std::string> png = std::string("\x89PNG");
  std::vector<std::string> refusals;
  std::string link;
  int positionsAsked = 0;
  Form2 form{*this, form1.form, store, &Evening};

  void Start() { form.onForm2Load(); }
  // An element's event delivered as a window system delivers it.
  void Deliver(ElementId element, FormEvent event) {
    for (const Form2Handler& handler : kForm2Handlers)
      if (handler.element == element && handler.event == event) (form.*handler.handle)(element);
  }
  void Type(ElementId field, std::string_view text) {
    texts[field] = text;
    Deliver(field, FormEvent::Change);
  }
  void Choose(ElementId choice, int item) {
    choices[choice] = item;
    Deliver(choice, FormEvent::Change);
  }
  // An item of a STRUMENTI list, by its text.
  void ChooseKit(ElementId choice, std::string_view item) {
    const auto found = std::find(items[choice].begin(), items[choice].end(), item);
    ASSERT_NE(found, items[choice].end()) << item;
    Choose(choice, static_cast<int>(found - items[choice].begin()));
  }
  std::array<std::string, kForm2Columns.size()> Results() const {
    std::array<std::string, kForm2Columns.size()> results;
    for (std::size_t i = 0; i < results.size(); ++i) results[i] = texts[kForm2Results[i]];
    return results;
  }
  std::string ProblemOf(ElementId field) const {
    const std::optional<ElementId> line = kForm2Relations.problem[field];
    return line ? texts[*line] : std::string();
  }
  // What the inputs show: every field's text or item, and Form1's boxes.
  std::vector<std::string> Shown() const {
    std::vector<std::string> shown;
    for (const Form2Field& field : kForm2Fields) {
      const bool choice = kForm2Elements[field.field].kind == ElementKind::Choice;
      shown.push_back(choice ? std::to_string(choices[field.field]) : texts[field.field]);
    }
    for (const ElementId box : {kText1, kText2, kText3}) shown.push_back(form1.texts[box]);
    return shown;
  }

private:
  std::string Text(ElementId field) const override { return texts[field]; }
  void SetText(ElementId field, std::string_view text) override { texts[field] = text; }
  int Choice(ElementId choice) const override { return choices[choice]; }
  void SetChoice(ElementId choice, int item) override { choices[choice] = item; }
  void SetItems(ElementId choice, std::span<const std::string> shown) override {
    items[choice].assign(shown.begin(), shown.end());
    choices[choice] = 0;
  }
  void SetCaption(ElementId label, std::string_view caption) override { texts[label] = caption; }
  void SetInvalid(ElementId field, bool is) override { invalid[field] = is; }
  void SetPicture(ElementId element, const DisplayList& list) override {
    (element == kNightPicture ? nightPicture : picture) = list;
  }
  std::optional<std::string> Remembered(std::string_view key) const override {
    const auto found = kept.find(std::string(key));
    if (found == kept.end()) return std::nullopt;
    return found->second;
  }
  void Remember(std::string_view key, std::string_view value) override {
    kept[std::string(key)] = value;
  }
  std::optional<ChosenFile> AskFileToWrite(std::string_view name,
                                           std::span<const FileKind> kinds) override {
    std::string asked = std::string(name) + ":";
    for (const FileKind kind : kinds) asked += " " + std::to_string(static_cast<int>(kind));
    offered.push_back(asked);
    return fileToWrite;
  }
  std::optional<std::string> WriteFile(const ChosenFile& file, std::string_view bytes) override {
    if (writeFault) return writeFault;
    written[file.name] = bytes;
    return std::nullopt;
  }
  void AskFileToRead(FileKind kind, std::size_t mostBytes) override {
    mostBytesAsked = mostBytes;
    if (!fileToRead) return;
    if (const auto* bytes = std::get_if<std::string>(&*fileToRead)) {
      form.onFileRead(kind, std::string_view(*bytes).substr(0, mostBytes));
    } else {
      form.onFileNotRead(kind, std::get<1>(*fileToRead).second);
    }
  }
  std::optional<std::string> PngImage(const DisplayList&) override { return png; }
  void ShowRefusal(std::string_view text) override { refusals.emplace_back(text); }
  void CopyLink(std::string_view fragment) override { link = fragment; }
  void AskPosition() override { ++positionsAsked; }
};

// 2500, 5 and 3 give 4166.666667: f/16.67 at 250, .185638"/px for 3.75 um,
// the 1280 x 960 sensor spanning 3.96' x 2.97', Q = .55 * 16.67 / 3.75.
const std::array<std::string, kForm2Columns.size()> kDefaultResults{
    "16.666667", ".185638", "3.960284", "2.970213", "", "", "", "2.444444", ""};
const std::array<std::string, kForm2Columns.size()> kNoResults{};

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
// The fields' first texts, Jupiter at 22:00 UTC, and `changes`.
Form2Entries EntriesWith(std::initializer_list<std::pair<ElementId, FieldEntry>> changes) {
  Form2Entries all{{{"250"},
                    {"3.75"},
                    {"1280x960"},
                    {"550"},
                    {""},
                    {"", 6},
                    {"2026-12-07T22:00Z"},
                    {""},
                    {""},
                    {""},
                    {"", 0},
                    {"20"}}};
  for (const auto& [field, entry] : changes) {
    for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
      if (kForm2Fields[i].field == field) all[i] = entry;
  }
  return all;
}

TEST(Form2Reading, ReadsEachFieldOrSaysWhyNot) {
  const auto entries = EntriesWith;
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

// The field stop may be left empty; the site is LATITUDINE and LONGITUDINE
// both, or neither, each in its range, QUOTA empty at sea level.
TEST(Form2Reading, ReadsTheFieldStopAndTheSite) {
  constexpr std::string_view kMissing = "Manca il valore.";
  constexpr std::string_view kComma = "Il separatore decimale \xC3\xA8 il punto, non la virgola.";
  const struct {
    const char* what;
    std::initializer_list<std::pair<ElementId, FieldEntry>> changes;
    std::optional<double> fieldStop;
    std::optional<Site> site;
    std::map<ElementId, std::string_view> problems;
  } cases[] = {
      {"nothing", {}, std::nullopt, std::nullopt, {}},
      {"a field stop", {{kFieldStopBox, {" 4.5 "}}}, 4.5, std::nullopt, {}},
      {"a field stop of 0",
       {{kFieldStopBox, {"0"}}},
       std::nullopt,
       std::nullopt,
       {{kFieldStopBox, "Deve essere maggiore di zero."}}},
      {"a field stop with a comma",
       {{kFieldStopBox, {"4,5"}}},
       std::nullopt,
       std::nullopt,
       {{kFieldStopBox, kComma}}},
      {"Turin",
       {{kLatitudeBox, {"45.07"}}, {kLongitudeBox, {"7.69"}}, {kHeightBox, {"240"}}},
       std::nullopt,
       Site{45.07, 7.69, 240},
       {}},
      {"at sea level",
       {{kLatitudeBox, {"-33.9"}}, {kLongitudeBox, {"18.4"}}},
       std::nullopt,
       Site{-33.9, 18.4, 0},
       {}},
      {"the edges",
       {{kLatitudeBox, {"-90"}}, {kLongitudeBox, {"180"}}, {kHeightBox, {"9000"}}},
       std::nullopt,
       Site{-90, 180, 9000},
       {}},
      {"the other edges",
       {{kLatitudeBox, {"90"}}, {kLongitudeBox, {"-180"}}, {kHeightBox, {"-500"}}},
       std::nullopt,
       Site{90, -180, -500},
       {}},
      {"a height alone is no site", {{kHeightBox, {"240"}}}, std::nullopt, std::nullopt, {}},
      {"a bad height alone is named",
       {{kHeightBox, {"240m"}}},
       std::nullopt,
       std::nullopt,
       {{kHeightBox, "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto)."}}},
      {"no longitude",
       {{kLatitudeBox, {"45"}}},
       std::nullopt,
       std::nullopt,
       {{kLongitudeBox, kMissing}}},
      {"no latitude",
       {{kLongitudeBox, {"7"}}, {kHeightBox, {"100"}}},
       std::nullopt,
       std::nullopt,
       {{kLatitudeBox, kMissing}}},
      {"north of the pole",
       {{kLatitudeBox, {"90.5"}}, {kLongitudeBox, {"7"}}},
       std::nullopt,
       std::nullopt,
       {{kLatitudeBox, "Solo da -90 a 90."}}},
      {"west of the date line",
       {{kLatitudeBox, {"45"}}, {kLongitudeBox, {"-181"}}},
       std::nullopt,
       std::nullopt,
       {{kLongitudeBox, "Solo da -180 a 180."}}},
      {"too high",
       {{kLatitudeBox, {"45"}}, {kLongitudeBox, {"7"}}, {kHeightBox, {"9001"}}},
       std::nullopt,
       std::nullopt,
       {{kHeightBox, "Solo da -500 a 9000."}}},
      {"too deep",
       {{kLatitudeBox, {"45"}}, {kLongitudeBox, {"7"}}, {kHeightBox, {"-501"}}},
       std::nullopt,
       std::nullopt,
       {{kHeightBox, "Solo da -500 a 9000."}}},
      {"a comma",
       {{kLatitudeBox, {"45,07"}}, {kLongitudeBox, {"7.69"}}},
       std::nullopt,
       std::nullopt,
       {{kLatitudeBox, kComma}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Form2Reading reading = ReadForm2(EntriesWith(c.changes));
    for (std::size_t i = 0; i < kForm2Fields.size(); ++i) {
      const auto expected = c.problems.find(kForm2Fields[i].field);
      EXPECT_EQ(reading.problems[i], expected == c.problems.end() ? "" : expected->second)
          << kForm2Elements[kForm2Fields[i].field].name;
    }
    EXPECT_EQ(reading.inputs.camera.fieldStop, c.fieldStop);
    const std::optional<Site>& site = reading.inputs.camera.observing.site;
    ASSERT_EQ(site.has_value(), c.site.has_value());
    if (c.site) {
      EXPECT_EQ(site->latitude, c.site->latitude);
      EXPECT_EQ(site->longitude, c.site->longitude);
      EXPECT_EQ(site->height, c.site->height);
    }
  }
  // What is said of a number out of range names the rule's own bounds.
  const struct {
    FieldRule rule;
    NumberRule number;
  } ranges[] = {{FieldRule::Latitude, kLatitudeRule},
                {FieldRule::Longitude, kLongitudeRule},
                {FieldRule::Height, kHeightRule}};
  for (const auto& range : ranges) {
    EXPECT_EQ(RangeProblemText(range.rule), "Solo da " + ShortestText(range.number.least) + " a " +
                                                ShortestText(range.number.most) + ".");
  }
  EXPECT_EQ(RangeProblemText(FieldRule::PositiveNumber), "");
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

// The table: two columns side by side, each element inside its own and none
// over another, in reading order through the first column and then the
// second, every field and button delivered to a handler.
TEST(Form2Table, TwoColumnsReadInOrderEachElementInItsOwn) {
  EXPECT_EQ(kForm2.clientWidth, 2 * kColumnWidth);
  EXPECT_LE(kForm2.clientHeight, 10800);
  int column = 0;
  int tabIndex = 0;
  std::set<std::string_view> buttonNames;
  for (ElementId id = 0; id < kForm2Elements.size(); ++id) {
    const ElementRecord& record = kForm2Elements[id];
    SCOPED_TRACE(std::string(record.name));
    EXPECT_GE(ColumnOf(record), column) << "the first column is read before the second";
    column = ColumnOf(record);
    EXPECT_GE(record.left, column * kColumnWidth + 120);
    EXPECT_LE(record.left + record.width, (column + 1) * kColumnWidth - 120);
    EXPECT_LE(record.top + record.height, kForm2.clientHeight - 120);
    if (record.kind != ElementKind::Rectangle) {
      EXPECT_EQ(record.tabIndex, tabIndex++);
    }
    for (ElementId other = id + 1; other < kForm2Elements.size(); ++other) {
      const ElementRecord& next = kForm2Elements[other];
      if (record.kind == ElementKind::Rectangle || next.kind == ElementKind::Rectangle) continue;
      const bool apart =
          record.left + record.width <= next.left || next.left + next.width <= record.left ||
          record.top + record.height <= next.top || next.top + next.height <= record.top;
      EXPECT_TRUE(apart) << "over " << next.name;
    }
    const auto handled = [&](FormEvent event) {
      return std::count_if(
          kForm2Handlers.begin(), kForm2Handlers.end(),
          [&](const Form2Handler& h) { return h.element == id && h.event == event; });
    };
    EXPECT_EQ(handled(FormEvent::Change), IsField(record.kind) ? 1 : 0);
    EXPECT_EQ(handled(FormEvent::Click), record.kind == ElementKind::PushButton ? 1 : 0);
    if (record.kind == ElementKind::PushButton) {
      EXPECT_TRUE(buttonNames.insert(ButtonName(record)).second) << "a button's name, once";
    }
    // The page alone asks the device where it is.
    EXPECT_EQ(record.platforms == Platforms::PageOnly,
              id == kPositionButton || id == kPositionProblem);
  }
  EXPECT_EQ(ButtonName(kForm2Elements[kKitSections[1].remove]), "ELIMINA OCULARE");
  EXPECT_EQ(ButtonName(kForm2Elements[kFitButton]), "ADATTA");
  // Each field with a problem line, but the choices; each the panel reads.
  for (ElementId id = 0; id < kForm2Elements.size(); ++id) {
    const ElementKind kind = kForm2Elements[id].kind;
    if (kind == ElementKind::TextBox || kind == ElementKind::DateTimeField) {
      EXPECT_TRUE(kForm2Relations.problem[id]) << kForm2Elements[id].name;
    }
  }
}

// Stored kit entries, as another run of the program left them: one of them
// spoilt.
std::map<std::string, std::string, std::less<>> StoredKit() {
  return {
      {"kit/Telescope1", R"({"name":"C8","focal_length":2032,"aperture":203.2})"},
      {"kit/Eyepiece1", "{\"name\":\"Pl\xC3\xB6ssl 10\",\"focal_length\":10,\"field_stop\":9.2}"},
      {"kit/Eyepiece2", R"({"name":"Ortho 6","focal_length":6})"},
      {"kit/Camera1",
       R"({"name":"ASI462","pixel_size":2.9,"width":1936,"height":1096,"colour":true})"},
      {"kit/Camera3", R"({"name":"ASI462","pixel_size":2.9)"},
  };
}

std::vector<std::string> WithSensors(std::vector<std::string> items) {
  for (const Sensor& sensor : Sensors()) items.emplace_back(sensor.name);
  return items;
}

TEST(Form2Kit, ListsTheKitAndNamesWhatItSkipped) {
  FakeForm2 window;
  window.store.values = StoredKit();
  window.Start();
  const std::string none = "\xE2\x80\x94";
  EXPECT_EQ(window.items[kKitSections[0].choice], (std::vector<std::string>{none, "C8"}));
  EXPECT_EQ(window.items[kKitSections[1].choice],
            (std::vector<std::string>{none, "Pl\xC3\xB6ssl 10", "Ortho 6"}));
  EXPECT_EQ(window.items[kKitSections[2].choice], WithSensors({none, "ASI462"}));
  EXPECT_EQ(window.texts[kSkippedLine], "Voci illeggibili saltate: kit/Camera3.");
  EXPECT_TRUE(window.store.writes.empty());
  // An empty store: the lists hold "—" and the sensor list, and no line.
  FakeForm2 fresh;
  fresh.Start();
  EXPECT_EQ(fresh.items[kKitSections[0].choice], std::vector<std::string>{none});
  EXPECT_EQ(fresh.items[kKitSections[2].choice], WithSensors({none}));
  EXPECT_EQ(fresh.texts[kSkippedLine], "");
}

// A telescope fills FOC. OBBIETTIVO and DIAMETRO OBIETTIVO, an eyepiece FOC.
// OCULARE and DIAFRAMMA OCULARE, a camera PIXEL and SENSORE; Form1
// calculates, and the panel with it.
TEST(Form2Kit, ChoosingFillsTheFieldsAndForm1Calculates) {
  const Sensor& row = Sensors()[0];
  const struct {
    ElementId choice;
    std::string item;
    std::map<ElementId, std::string> panel;  // fields afterwards
    std::array<std::string, 3> form1;        // Form1's boxes afterwards
    std::string focalRatio;
  } cases[] = {
      // 2032 * 5 / 3 = 3386.67 mm at 203.2 mm is f/16.67, as 2500 at 250.
      {kKitSections[0].choice, "C8", {{kApertureBox, "203.2"}}, {" 2032", " 5", " 3"}, "16.666667"},
      {kKitSections[1].choice,
       "Pl\xC3\xB6ssl 10",
       {{kFieldStopBox, "9.2"}},
       {" 2500", " 10", " 3"},
       "33.333333"},
      {kKitSections[1].choice, "Ortho 6", {{kFieldStopBox, ""}}, {" 2500", " 6", " 3"}, "20"},
      {kKitSections[2].choice,
       "ASI462",
       {{kPixelBox, "2.9"}, {kSensorBox, "1936x1096"}},
       {" 2500", " 5", " 3"},
       "16.666667"},
      {kKitSections[2].choice,
       std::string(row.name),
       {{kPixelBox, ShortestText(row.pixelSize)},
        {kSensorBox, std::to_string(row.width) + "x" + std::to_string(row.height)}},
       {" 2500", " 5", " 3"},
       "16.666667"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    FakeForm2 window;
    window.store.values = StoredKit();
    window.Start();
    window.Type(kFieldStopBox, "5");
    window.form1.Type(kText1, "2500");  // Form1's results empty until it calculates
    window.form1.texts[kText1] = " 2500";
    ASSERT_EQ(window.Results(), kNoResults);
    window.ChooseKit(c.choice, c.item);
    for (const auto& [field, text] : c.panel) {
      EXPECT_EQ(window.texts[field], text);
      EXPECT_EQ(window.kept[std::string(kForm2Elements[field].name)], text) << "kept as typed";
    }
    EXPECT_EQ(window.form1.texts[kText1], c.form1[0]);
    EXPECT_EQ(window.form1.texts[kText2], c.form1[1]);
    EXPECT_EQ(window.form1.texts[kText3], c.form1[2]);
    const bool form1Filled = c.choice != kKitSections[2].choice;
    EXPECT_EQ(window.form1.texts[kLabel2].empty(), !form1Filled) << "Form1 calculated";
    EXPECT_EQ(window.Results()[0], form1Filled ? c.focalRatio : "");
  }
  // "—" changes nothing.
  FakeForm2 window;
  window.store.values = StoredKit();
  window.Start();
  const std::vector<std::string> before = window.Shown();
  window.ChooseKit(kKitSections[0].choice, "\xE2\x80\x94");
  EXPECT_EQ(window.Shown(), before);
}

TEST(Form2Kit, SavesUnderNomeWhatItCanKeepAndSaysWhyNot) {
  const std::string fortyOne(41, 'a');
  const struct {
    const char* what;
    std::size_t section;
    std::string name;
    std::map<ElementId, std::string> panel;  // typed first
    std::string objective;                   // FOC. OBBIETTIVO
    std::string refusal;                     // on NOME's line; empty: saved
    bool nameAtFault;
    std::string stored;  // the store's last write
  } cases[] = {
      {"a telescope",
       0,
       "  C8 ",
       {},
       "2032",
       "",
       false,
       R"(kit/Telescope1={"name":"C8","focal_length":2032,"aperture":250})"},
      {"an eyepiece with its field stop",
       1,
       "Plossl 10",
       {{kFieldStopBox, "9.2"}},
       "2500",
       "",
       false,
       R"(kit/Eyepiece1={"name":"Plossl 10","focal_length":5,"field_stop":9.2})"},
      {"an eyepiece without",
       1,
       "Ortho 5",
       {},
       "2500",
       "",
       false,
       R"(kit/Eyepiece1={"name":"Ortho 5","focal_length":5})"},
      {"a camera",
       2,
       "Mine",
       {{kPixelBox, "2.4"},
        {kSensorBox,
         "3840\xC3\x97"
         "2160"}},
       "2500",
       "",
       false,
       R"(kit/Camera1={"name":"Mine","pixel_size":2.4,"width":3840,"height":2160,"colour":true})"},
      {"no name", 0, "  ", {}, "2500", "Scrivi prima un NOME.", true, ""},
      {"too long a name", 1, fortyOne, {}, "2500", "Al massimo 40 caratteri, non 41.", true, ""},
      {"the none item",
       2,
       "\xE2\x80\x94",
       {},
       "2500",
       "\"\xE2\x80\x94\" vuol dire nessuno: scegli un altro NOME.",
       true,
       ""},
      {"a control character",
       0,
       "C\t8",
       {},
       "2500",
       "Un NOME senza caratteri di controllo.",
       true,
       ""},
      {"no focal length",
       0,
       "C8",
       {},
       "abc",
       "FOC. OBBIETTIVO deve essere maggiore di zero.",
       false,
       ""},
      {"a bad aperture",
       0,
       "C8",
       {{kApertureBox, "2OO"}},
       "2500",
       "Correggi prima DIAMETRO OBIETTIVO.",
       false,
       ""},
      {"a bad field stop",
       1,
       "Ortho 5",
       {{kFieldStopBox, "-1"}},
       "2500",
       "Correggi prima DIAFRAMMA OCULARE.",
       false,
       ""},
      {"a bad sensor",
       2,
       "Mine",
       {{kSensorBox, "3840"}},
       "2500",
       "Correggi prima SENSORE.",
       false,
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeForm2 window;
    window.Start();
    for (const auto& [field, text] : c.panel) window.Type(field, text);
    window.form1.Type(kText1, c.objective);
    window.Type(kNameBox, c.name);
    const KitSection& section = kKitSections[c.section];
    window.Deliver(section.save, FormEvent::Click);
    EXPECT_EQ(window.texts[kNameProblem], c.refusal);
    EXPECT_EQ(window.invalid[kNameBox], c.nameAtFault);
    if (c.refusal.empty()) {
      ASSERT_FALSE(window.store.writes.empty());
      EXPECT_EQ(window.store.writes.back(), c.stored);
      // The list holds it, chosen.
      const std::vector<std::string>& items = window.items[section.choice];
      ASSERT_GE(items.size(), 2U);
      EXPECT_EQ(window.choices[section.choice], 1);
      EXPECT_EQ(items[1], std::string(TrimBlanks(c.name)));
    } else {
      EXPECT_TRUE(window.store.writes.empty());
      // Typing in NOME takes the refusal away.
      window.Type(kNameBox, "C9");
      EXPECT_EQ(window.texts[kNameProblem], "");
      EXPECT_FALSE(window.invalid[kNameBox]);
    }
  }
}

TEST(Form2Kit, SavesTheColourOfTheCameraChosenAndTheNameInPlace) {
  FakeForm2 window;
  window.Start();
  // A mono sensor of the list chosen, then saved under a name: mono too.
  const Sensor* mono = nullptr;
  for (const Sensor& sensor : Sensors())
    if (sensor.colour == SensorColour::Mono) mono = &sensor;
  ASSERT_NE(mono, nullptr);
  const ElementId cameras = kKitSections[2].choice;
  window.ChooseKit(cameras, mono->name);
  window.Type(kNameBox, "Mono");
  window.Deliver(kKitSections[2].save, FormEvent::Click);
  EXPECT_NE(window.store.writes.back().find("\"colour\":false"), std::string::npos);
  // Another pixel size is another camera: colour, unless said otherwise.
  window.Type(kPixelBox, "9");
  window.Type(kNameBox, "Other");
  window.Deliver(kKitSections[2].save, FormEvent::Click);
  EXPECT_NE(window.store.writes.back().find("\"colour\":true"), std::string::npos);
  // The same name again replaces the entry in its place.
  window.Type(kPixelBox, "3");
  window.Type(kNameBox, "Mono");
  window.Deliver(kKitSections[2].save, FormEvent::Click);
  EXPECT_EQ(window.store.writes.back().rfind("kit/Camera1={\"name\":\"Mono\",\"pixel_size\":3,", 0),
            0U);
  EXPECT_EQ(window.items[cameras], WithSensors({"\xE2\x80\x94", "Mono", "Other"}));
  EXPECT_EQ(window.choices[cameras], 1);
  // A hundred telescopes: a hundred and first is refused, a new value of
  // one of them is not.
  FakeForm2 full;
  for (int i = 1; i <= 100; ++i)
    full.store.values["kit/Telescope" + std::to_string(i)] =
        R"({"name":"T)" + std::to_string(i) + R"(","focal_length":1000,"aperture":100})";
  full.Start();
  full.Type(kNameBox, "T101");
  full.Deliver(kKitSections[0].save, FormEvent::Click);
  EXPECT_EQ(full.texts[kNameProblem], "Gi\xC3\xA0 100 voci di questo tipo: eliminane una.");
  full.Type(kNameBox, "T7");
  full.Deliver(kKitSections[0].save, FormEvent::Click);
  EXPECT_EQ(full.texts[kNameProblem], "");
  EXPECT_EQ(full.store.writes.back(),
            R"(kit/Telescope7={"name":"T7","focal_length":2500,"aperture":250})");
}

TEST(Form2Kit, RemovesTheChosenEntryOfTheUserOnly) {
  const struct {
    std::size_t section;
    std::string item;  // chosen first
    std::string refusal;
    std::string removed;  // the store's write
  } cases[] = {
      {0, "\xE2\x80\x94", "Scegli prima la voce da eliminare.", ""},
      {1, "Ortho 6", "", "-kit/Eyepiece2"},
      {2, "ASI462", "", "-kit/Camera1"},
      {2, std::string(Sensors()[0].name), "Un sensore dell'elenco non si pu\xC3\xB2 eliminare.",
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    FakeForm2 window;
    window.store.values = StoredKit();
    window.Start();
    const KitSection& section = kKitSections[c.section];
    window.ChooseKit(section.choice, c.item);
    const std::vector<std::string> before = window.items[section.choice];
    window.Deliver(section.remove, FormEvent::Click);
    EXPECT_EQ(window.texts[kNameProblem], c.refusal);
    if (c.removed.empty()) {
      EXPECT_TRUE(window.store.writes.empty());
      EXPECT_EQ(window.items[section.choice], before);
      continue;
    }
    EXPECT_EQ(window.store.writes, std::vector<std::string>{c.removed});
    std::vector<std::string> after = before;
    std::erase(after, c.item);
    EXPECT_EQ(window.items[section.choice], after);
    EXPECT_EQ(window.choices[section.choice], 0);
    // A restart finds it gone; the spoilt entry is still named.
    FakeForm2 again;
    again.store.values = window.store.values;
    again.Start();
    EXPECT_EQ(again.items[section.choice], after);
    EXPECT_EQ(again.texts[kSkippedLine], "Voci illeggibili saltate: kit/Camera3.");
  }
}

// A panel and Form1 holding a set-up unlike the first texts in every input.
void TypeASetUp(FakeForm2& window) {
  window.form1.Type(kText1, " 2000");
  window.form1.Type(kText2, " 10");
  window.form1.Type(kText3, " 4");
  window.form1.form.onCommand1Clicked();
  const std::pair<ElementId, std::string> typed[] = {
      {kApertureBox, "200"},   {kPixelBox, "2.9"},     {kSensorBox, "1936x1096"},
      {kWavelengthBox, "656"}, {kFieldStopBox, "4.5"}, {kLatitudeBox, "45.07"},
      {kLongitudeBox, "7.69"}, {kHeightBox, "240"},    {kValueBox, "2"},
  };
  for (const auto& [field, text] : typed) window.Type(field, text);
  window.Choose(kTargetChoice, 7);  // Saturno
  window.Choose(kAimChoice, 2);     // CAMPIONAMENTO (Q)
}

// Saved to a file, opened in a panel started afresh, the set-up gives back
// every input but the date, the results with them; a link does the same.
TEST(Form2Setup, FileAndLinkOpenWhatWasSaved) {
  FakeForm2 saved;
  saved.Start();
  TypeASetUp(saved);
  saved.form.SaveSetup();
  EXPECT_EQ(saved.offered, std::vector<std::string>{"celforo.json: 0"});
  const std::string bytes = saved.written["/home/user/set-up.json"];
  celforo::Setup expected;
  expected.objective = 2000;
  expected.eyepiece = 10;
  expected.extraction = 4;
  expected.aperture = 200;
  expected.pixelSize = 2.9;
  expected.sensor = SensorPixels{1936, 1096};
  expected.wavelength = 656;
  expected.target = Target::Saturn;
  expected.solve = SetupSolve{PlanAim::Sampling, 2};
  expected.site = SetupSite{45.07, 7.69, 240};
  expected.fieldStop = 4.5;
  EXPECT_EQ(bytes, WriteSetup(expected));
  EXPECT_EQ(bytes.find("date"), std::string::npos);
  saved.form.CopyLink();
  EXPECT_EQ(saved.link, SetupFragment(expected));

  const auto opened = [&](FakeForm2& window) {
    EXPECT_EQ(window.refusals, std::vector<std::string>{});
    EXPECT_EQ(window.Shown(), saved.Shown());
    EXPECT_EQ(window.Results(), saved.Results());
    EXPECT_NE(window.form1.texts[kLabel2], "") << "Form1 calculated";
    for (const Form2Field& field : kForm2Fields)
      if (field.remembered) {
        const std::string key(kForm2Elements[field.field].name);
        EXPECT_EQ(window.kept[key], saved.kept[key]) << key;
      }
  };
  FakeForm2 file;
  file.Start();
  file.fileToRead = bytes;
  file.form.OpenSetup();
  EXPECT_EQ(file.mostBytesAsked, kMostSetupBytes + 1);
  opened(file);
  FakeForm2 link;
  link.Start();
  link.form.OpenLink(saved.link);
  opened(link);
}

// What a set-up leaves out: no target, site or field stop is said by that;
// the rest stays as it was.
TEST(Form2Setup, WhatASetUpLeavesOutIsNoneOrAsItWas) {
  FakeForm2 window;
  window.Start();
  TypeASetUp(window);
  window.fileToRead = std::string(R"({"version":1,"eyepiece_extraction":5})");
  window.form.OpenSetup();
  EXPECT_EQ(window.form1.texts[kText1], " 2000");
  EXPECT_EQ(window.form1.texts[kText3], " 5");
  EXPECT_EQ(window.texts[kApertureBox], "200");
  EXPECT_EQ(window.choices[kAimChoice], 2);
  EXPECT_EQ(window.choices[kTargetChoice], 0);
  EXPECT_EQ(window.texts[kLatitudeBox], "");
  EXPECT_EQ(window.texts[kLongitudeBox], "");
  EXPECT_EQ(window.texts[kHeightBox], "");
  EXPECT_EQ(window.texts[kFieldStopBox], "");
  EXPECT_EQ(window.kept["Combo1"], "nessuno");
  EXPECT_EQ(window.kept["Text11"], "");
}

TEST(Form2Setup, AFileOrLinkRefusedChangesNothing) {
  const struct {
    const char* what;
    FileAnswer file;
    const char* link;
    std::string told;  // the reason's start, after the refusal's own words
  } cases[] = {
      {"not JSON", std::string("{\"version\": 1,}"), nullptr, "line 1, column 15: "},
      {"another version", std::string(R"({"version": 2})"), nullptr, "line 1, column 13: "},
      {"out of range", std::string(R"({"version":1,"aperture":0})"), nullptr, "line 1, column 25"},
      {"too large", std::string(70000, ' '), nullptr, ""},
      {"unreadable", std::pair<int, std::string>{0, "Permesso negato."}, nullptr,
       "Permesso negato."},
      {"cancelled", std::nullopt, nullptr, ""},
      {"a link not base64url", std::nullopt, "#setup=!!", ""},
      {"a link of another kind", std::nullopt, "#zoom=2", ""},
      {"a link's bad set-up", std::nullopt, "#setup=eyJ2ZXJzaW9uIjoyfQ", "the link's set-up: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeForm2 window;
    window.Start();
    TypeASetUp(window);
    const std::vector<std::string> before = window.Shown();
    const auto kept = window.kept;
    const auto results = window.Results();
    window.fileToRead = c.file;
    if (c.link != nullptr) {
      window.form.OpenLink(c.link);
    } else {
      window.form.OpenSetup();
    }
    EXPECT_EQ(window.Shown(), before);
    EXPECT_EQ(window.kept, kept);
    EXPECT_EQ(window.Results(), results);
    if (std::string_view(c.what) == "cancelled") {
      EXPECT_TRUE(window.refusals.empty());
      continue;
    }
    ASSERT_EQ(window.refusals.size(), 1U);
    const std::string start = c.link != nullptr ? "Impossibile aprire il link.\n\n"
                                                : "Impossibile aprire l'impostazione.\n\n";
    EXPECT_EQ(window.refusals[0].rfind(start + c.told, 0), 0U) << window.refusals[0];
    EXPECT_GT(window.refusals[0].size(), start.size());
  }
}

TEST(Form2Setup, ASaveRefusedOrCancelledIsToldOrSilent) {
  FakeForm2 window;
  window.Start();
  window.fileToWrite.reset();
  window.form.SaveSetup();
  EXPECT_TRUE(window.written.empty());
  EXPECT_TRUE(window.refusals.empty());
  window.fileToWrite = ChosenFile{"/full/disk.json", FileKind::Setup};
  window.writeFault = "Spazio esaurito sul disco.";
  window.form.SaveSetup();
  EXPECT_EQ(window.refusals,
            std::vector<std::string>{"Impostazione non salvata: Spazio esaurito sul disco."});
}

// The sensor's picture, as SVG from the SVG writer or PNG from the window
// system, whichever the user chooses; none while there are no results.
TEST(Form2Setup, ExportsThePictureShown) {
  FakeForm2 window;
  window.Start();
  window.Choose(kTargetChoice, 6);
  window.fileToWrite = ChosenFile{"/home/user/giove.svg", FileKind::SvgPicture};
  window.form.ExportPicture();
  EXPECT_EQ(window.offered, std::vector<std::string>{"celforo.svg: 1 2"});
  EXPECT_EQ(window.written["/home/user/giove.svg"], SvgDocument(window.picture));
  window.fileToWrite = ChosenFile{"/home/user/giove.png", FileKind::PngPicture};
  window.form.ExportPicture();
  EXPECT_EQ(window.written["/home/user/giove.png"], "\x89PNG");
  window.png.reset();
  window.form.ExportPicture();
  EXPECT_EQ(window.refusals, std::vector<std::string>{"Impossibile disegnare l'immagine PNG."});
  // Without results, nothing is asked.
  window.refusals.clear();
  window.offered.clear();
  window.form1.Type(kText1, "2000");
  window.form.ExportPicture();
  EXPECT_TRUE(window.offered.empty());
  EXPECT_EQ(window.refusals,
            std::vector<std::string>{"Nessuna immagine da esportare: prima servono i risultati."});
}

// The desktop menu's FILE items reach the panel's commands.
TEST(Form2Setup, TheMenusFileItemsReachThePanel) {
  struct MenuWindow : WindowMenuOperations {
    Form2* panel = nullptr;
    void ShowTheme(Theme) override {}
    void SetChecked(MenuCommand, bool) override {}
    void ShowAbout(std::string_view, std::string_view) override {}
    void ShowErrorMessage(std::string_view, std::string_view) override {}
    bool TogglePanel() override { return true; }
    Form2* Panel() override { return panel; }
  };
  FakeForm2 window;
  window.Start();
  MenuWindow menuWindow;
  menuWindow.panel = &window.form;
  MemoryStore settings;
  WindowMenu menu(menuWindow, settings);
  menu.onCommand(MenuCommand::SaveSetup);
  menu.onCommand(MenuCommand::ExportPicture);
  EXPECT_EQ(window.offered, (std::vector<std::string>{"celforo.json: 0", "celforo.svg: 1 2"}));
  window.fileToRead = std::string(R"({"version":1,"aperture":300})");
  menu.onCommand(MenuCommand::OpenSetup);
  EXPECT_EQ(window.texts[kApertureBox], "300");
}

// What a set-up puts into the fields reads back as that set-up.
TEST(SetupFields, ASetUpPutIntoTheFieldsReadsBackAlike) {
  celforo::Setup full;
  full.objective = 1000;
  full.eyepiece = 25;
  full.extraction = -2.5;
  full.aperture = 102;
  full.pixelSize = 5.86;
  full.sensor = SensorPixels{1920, 1200};
  full.wavelength = 450;
  full.target = Target::Moon;
  full.solve = SetupSolve{PlanAim::DiscPixels, 900};
  full.site = SetupSite{-33.925, 18.4241, -12};
  full.fieldStop = 0.1;
  celforo::Setup noSiteNoTarget = full;
  noSiteNoTarget.site.reset();
  noSiteNoTarget.target.reset();
  noSiteNoTarget.fieldStop.reset();
  for (const celforo::Setup& setup : {full, noSiteNoTarget}) {
    const SetupEntries entries = EntriesOfSetup(setup);
    Form2Entries fields = EntriesWith({});
    for (std::size_t i = 0; i < fields.size(); ++i)
      if (entries.fields[i]) fields[i] = *entries.fields[i];
    ASSERT_TRUE(entries.form1[0] && entries.form1[1] && entries.form1[2]);
    EXPECT_EQ(*entries.form1[2], "-2.5");
    const ProjectionInputs lengths{ReadNumber(*entries.form1[0]), ReadNumber(*entries.form1[1]),
                                   ReadNumber(*entries.form1[2])};
    EXPECT_EQ(SetupOfFields(lengths, ReadForm2(fields)), setup);
    EXPECT_FALSE(entries.fields[FieldIndex(kDateField)]) << "the date is never touched";
  }
  // A field that cannot be used gives nothing.
  const Form2Reading bad = ReadForm2(EntriesWith({{kPixelBox, {"3,75"}}, {kValueBox, {"0"}}}));
  const celforo::Setup setup = SetupOfFields({2500, 5, 3}, bad);
  EXPECT_FALSE(setup.pixelSize);
  EXPECT_FALSE(setup.solve);
  EXPECT_EQ(setup.aperture, 250);
}

// POSIZIONE on the page: the device's position into the site's fields.
TEST(Form2, PositionFillsTheSite) {
  FakeForm2 window;
  window.Start();
  window.form.onPositionClicked(kPositionButton);
  EXPECT_EQ(window.positionsAsked, 1);
  window.form.onPositionFound(45.070321, 7.69124, 239.6);
  EXPECT_EQ(window.texts[kLatitudeBox], "45.0703");
  EXPECT_EQ(window.texts[kLongitudeBox], "7.6912");
  EXPECT_EQ(window.texts[kHeightBox], "240");
  EXPECT_EQ(window.kept["Text11"], "45.0703");
  EXPECT_EQ(window.texts[kPositionProblem], "");
  window.form.onPositionFound(-33.9, 18.5, std::nullopt);
  EXPECT_EQ(window.texts[kLatitudeBox], "-33.9");
  EXPECT_EQ(window.texts[kHeightBox], "240") << "no height: QUOTA as it was";
  window.form.onPositionFound(91, 0, std::nullopt);
  EXPECT_EQ(window.texts[kLatitudeBox], "-33.9");
  EXPECT_EQ(window.texts[kPositionProblem], "Il dispositivo non ha dato una posizione valida.");
  window.form.onPositionNotFound("Posizione negata dal browser.");
  EXPECT_EQ(window.texts[kPositionProblem], "Posizione negata dal browser.");
  window.form.onPositionClicked(kPositionButton);
  EXPECT_EQ(window.texts[kPositionProblem], "");
}

// celforo-calc's columns for `arguments`, run in this process: the caption
// of each and its text.
std::map<std::string, std::string> CalcColumns(const std::vector<std::string>& arguments) {
  std::vector<std::string_view> views{"--tsv", "--header"};
  views.insert(views.end(), arguments.begin(), arguments.end());
  cli::MemoryInput in("");
  cli::MemoryOutput out;
  cli::MemoryOutput err;
  cli::MemoryFiles none;
  EXPECT_EQ(cli::RunCelforoCalc(views, in, out, err, none), cli::kSuccess) << err.text();
  const auto fields = [](std::string_view line) {
    std::vector<std::string> split;
    for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;
         line.remove_prefix(tab + 1))
      split.emplace_back(line.substr(0, tab));
    split.emplace_back(line);
    return split;
  };
  const std::string& text = out.text();
  const std::size_t end = text.find('\n');
  const std::vector<std::string> captions = fields(std::string_view(text).substr(0, end));
  const std::vector<std::string> values =
      fields(std::string_view(text).substr(end + 1, text.size() - end - 2));
  std::map<std::string, std::string> columns;
  for (std::size_t i = 0; i < captions.size() && i < values.size(); ++i)
    columns[captions[i]] = values[i];
  return columns;
}

// The panel shows celforo-calc's texts for the same set-up, an instant as
// its local time of day; the line of advice says what celforo-calc's
// dispersion in pixels and field stop in pixels say.
TEST(Form2, ResultsAreCelforoCalcsColumnsAndTheAdviceFollowsThem) {
  const struct {
    const char* what;
    int target;        // OGGETTO's item
    std::string when;  // local time
    std::string site;  // LAT,LON,HEIGHT; empty for none
    std::string pixel, fieldStop;
  } cases[] = {
      {"Jupiter from Turin, low", 6, "2026-12-07T23:30", "45.07,7.69,240", "3.75", "2"},
      {"Jupiter high, large pixels", 6, "2026-12-08T05:00", "45.07,7.69,240", "24", "20"},
      {"Saturn from the Cape", 7, "2026-12-07T19:00", "-33.9,18.4,0", "3.75", ""},
      {"the Moon at 70 north", 2, "2026-12-20T12:00", "70,20,0", "2.9", "9"},
      {"the Sun in the polar night", 1, "2026-12-20T12:00", "70,20,0", "3.75", ""},
      {"the Sun at midsummer", 1, "2026-06-21T12:00", "45.07,7.69,240", "3.75", ""},
      {"no site", 6, "2026-12-07T23:30", "", "3.75", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeForm2 window;
    window.Start();
    window.Choose(kTargetChoice, c.target);
    window.Type(kDateField, c.when);
    window.Type(kPixelBox, c.pixel);
    window.Type(kFieldStopBox, c.fieldStop);
    std::vector<std::string> arguments{
        "--target",     std::string(kTargets[static_cast<std::size_t>(c.target - 1)].englishName),
        "--date",       c.when,
        "--aperture",   "250",
        "--pixel-size", c.pixel,
        "--pixels",     "1280x960"};
    if (!c.fieldStop.empty()) arguments.insert(arguments.end(), {"--field-stop", c.fieldStop});
    if (!c.site.empty()) {
      arguments.insert(arguments.end(), {"--site", c.site});
      const std::size_t comma = c.site.find(','), second = c.site.rfind(',');
      window.Type(kLatitudeBox, c.site.substr(0, comma));
      window.Type(kLongitudeBox, c.site.substr(comma + 1, second - comma - 1));
      window.Type(kHeightBox, c.site.substr(second + 1));
    }
    arguments.insert(arguments.end(), {"2500", "5", "3"});
    const std::map<std::string, std::string> calc = CalcColumns(arguments);
    ASSERT_EQ(window.texts[kResultsProblem], "");
    for (std::size_t i = 0; i < kForm2Columns.size(); ++i) {
      const auto column = calc.find(std::string(kForm2Columns[i]));
      std::string expected = column == calc.end() ? "" : column->second;
      // "2026-12-07T21:22+01:00" is shown "21:22".
      if (expected.size() > 16 && expected[10] == 'T') expected = expected.substr(11, 5);
      EXPECT_EQ(window.texts[kForm2Results[i]], expected) << kForm2Columns[i];
    }
    EXPECT_EQ(calc.count("ALTEZZA (GRADI)"), c.site.empty() ? 0U : 1U);
    const auto number = [&](const char* caption) {
      const auto column = calc.find(caption);
      return column == calc.end() ? std::nan("") : ReadNumber(column->second);
    };
    const bool adc = number("DISPERSIONE (PIXEL)") > 1;         // "sotto l'orizzonte" reads 0
    const bool vignetted = number("DIAFRAMMA (PIXEL)") < 1600;  // 1280 x 960's diagonal
    std::string advice = adc ? "ADC consigliato" : "";
    if (vignetted) advice += (adc ? " \xC2\xB7 " : "") + std::string("vignettatura");
    EXPECT_EQ(window.texts[kAdviceLine], advice);
  }
}

// The night's curve needs a site and a target, not Form1's results; an input
// to mend leaves its ground alone.
TEST(Form2, TheNightsPictureFollowsTheSiteAndTheTarget) {
  const UniversalTime evening = Evening();
  const Site turin{45.07, 7.69, 240};
  const struct {
    const char* what;
    int target;
    bool site, form1Results, toMend;
    DisplayList expected;
  } cases[] = {
      {"no site", 6, false, true, false, NightPictureWithout(NightPictureLack::Site)},
      {"no target", 0, true, true, false, NightPictureWithout(NightPictureLack::Target)},
      {"Jupiter", 6, true, true, false,
       NightPicture(NightPicturePlanOf(Target::Jupiter, turin, evening))},
      {"the Sun, without Form1's results", 1, true, false, false,
       NightPicture(NightPicturePlanOf(Target::Sun, turin, evening))},
      {"a field to mend", 6, true, true, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeForm2 window;
    window.Start();
    window.Choose(kTargetChoice, c.target);
    if (c.site) {
      window.Type(kLatitudeBox, "45.07");
      window.Type(kLongitudeBox, "7.69");
      window.Type(kHeightBox, "240");
    }
    if (!c.form1Results) window.form1.Type(kText1, "2000");
    if (c.toMend) window.Type(kWavelengthBox, "0");
    EXPECT_EQ(window.nightPicture.width, kNightPictureWidth);
    EXPECT_EQ(window.nightPicture.height, kNightPictureHeight);
    EXPECT_EQ(window.nightPicture.shapes.size(), c.expected.shapes.size());
    EXPECT_EQ(window.nightPicture.description, c.expected.description);
  }
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
