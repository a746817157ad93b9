// Form1's behaviour, on a window system faked by a recorder: the order of
// start-up, clearing on every change, CALCOLA, the failures and ESCI. Every
// window system runs these same handlers.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/form1_failures.h"
#include "ui/form1.h"

namespace celforo {
namespace {

// Carries out Form1's operations on plain strings and writes down each one,
// indented by how deeply it is nested in another (a Change delivered inside
// the setting of a box's text is one deeper than the setting).
class RecordingWindow : public Form1Operations {
public:
  RecordingWindow() { form_.onForm1Load(); }

  std::vector<std::string> log;
  std::array<std::string, kForm1Elements.size()> texts;
  bool ended = false;

  // The user at work: typing into a box, clicking a button.
  void Type(ElementId box, std::string_view text) {
    log.clear();
    texts[box] = text;
    Deliver(box, FormEvent::Change);
  }
  void Click(ElementId button) {
    log.clear();
    Deliver(button, FormEvent::Click);
  }

  std::array<std::string, 3> Results() const {
    return {texts[kLabel1], texts[kLabel2], texts[kLabel8]};
  }
  std::array<std::string, 3> Boxes() const { return {texts[kText1], texts[kText2], texts[kText3]}; }

private:
  void Deliver(ElementId element, FormEvent event) {
    for (const Form1Handler& handler : kForm1Handlers) {
      if (handler.element != element || handler.event != event) continue;
      Note(std::string(event == FormEvent::Change ? "change " : "click ") +
           std::string(kForm1Elements[element].name));
      ++depth_;
      (form_.*handler.handle)();
      --depth_;
      return;
    }
    ADD_FAILURE() << "no handler for " << kForm1Elements[element].name;
  }

  void Note(std::string entry) { log.push_back(std::string(2 * depth_, ' ') + entry); }
  static std::string Quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

  std::string Text(ElementId box) const override {
    const_cast<RecordingWindow*>(this)->Note("read " + std::string(kForm1Elements[box].name));
    return texts[box];
  }
  void SetText(ElementId box, std::string_view text) override {
    Note("set " + std::string(kForm1Elements[box].name) + ' ' + Quoted(text));
    texts[box] = text;
    ++depth_;
    Deliver(box, FormEvent::Change);
    --depth_;
  }
  void SetCaption(ElementId label, std::string_view caption) override {
    Note("caption " + std::string(kForm1Elements[label].name) + ' ' + Quoted(caption));
    texts[label] = caption;
  }
  void ShowErrorMessage(std::string_view title, std::string_view text) override {
    Note("message " + Quoted(title) + ' ' + Quoted(text));
  }
  void EndProgram() override {
    Note("end");
    ended = true;
  }

  std::size_t depth_ = 0;
  Form1 form_{*this};
};

const std::array<ElementId, 3> kBoxes{kText1, kText2, kText3};
const std::array<std::string, 3> kNoResults{"", "", ""};
const std::array<std::string, 3> kDefaultResults{" 1.666667", " 4166.666667", " 13.333333"};

TEST(Form1, LoadWritesTheDefaultsEachChangeClearingThenCalculates) {
  const RecordingWindow window;
  const std::vector<std::string> expected{
      "set Text1 \" 2500\"",
      "  change Text1",
      "    caption Label1 \"\"",
      "    caption Label2 \"\"",
      "    caption Label8 \"\"",
      "set Text2 \" 5\"",
      "  change Text2",
      "    caption Label1 \"\"",
      "    caption Label2 \"\"",
      "    caption Label8 \"\"",
      "set Text3 \" 3\"",
      "  change Text3",
      "    caption Label1 \"\"",
      "    caption Label2 \"\"",
      "    caption Label8 \"\"",
      "read Text1",
      "read Text2",
      "read Text3",
      "caption Label1 \" 1.666667\"",
      "caption Label2 \" 4166.666667\"",
      "caption Label8 \" 13.333333\"",
  };
  EXPECT_EQ(window.log, expected);
  EXPECT_EQ(window.Boxes(), (std::array<std::string, 3>{" 2500", " 5", " 3"}));
  EXPECT_EQ(window.Results(), kDefaultResults);
  EXPECT_FALSE(window.ended);
}

TEST(Form1, EveryChangeClearsTheResultsUntilCalcola) {
  for (const ElementId box : kBoxes) {
    SCOPED_TRACE(kForm1Elements[box].name);
    RecordingWindow window;
    const std::string before = window.texts[box];
    window.Type(box, before + "7");
    EXPECT_EQ(window.log, (std::vector<std::string>{
                              "change " + std::string(kForm1Elements[box].name),
                              "  caption Label1 \"\"",
                              "  caption Label2 \"\"",
                              "  caption Label8 \"\"",
                          }));
    // Restoring the former text does not bring the results back.
    window.Type(box, before);
    EXPECT_EQ(window.Results(), kNoResults);
    window.Click(kCommand1);
    EXPECT_EQ(window.log.front(), "click Command1");
    EXPECT_EQ(window.Results(), kDefaultResults);
    window.Click(kCommand1);
    EXPECT_EQ(window.Results(), kDefaultResults);
  }
}

TEST(Form1, CalcolaShowsWhatTheBoxesHoldNow) {
  struct Case {
    std::array<std::string, 3> boxes;
    std::array<std::string, 3> results;
  };
  const Case cases[] = {
      {{"2000", "10", "5"}, {" 2", " 4000", " 30"}},
      {{"2500", "2", "4"}, {" .5", " 1250", " 3"}},
      {{"2500", "5", "-3"}, {"-1.666667", "-4166.666667", "-3.333333"}},
      {{" 2500mm", "5,5", "3e0"}, kDefaultResults},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.boxes[0] + " " + c.boxes[1] + " " + c.boxes[2]);
    RecordingWindow window;
    for (std::size_t i = 0; i < 3; ++i) window.Type(kBoxes[i], c.boxes[i]);
    window.Click(kCommand1);
    EXPECT_EQ(window.log, (std::vector<std::string>{
                              "click Command1",
                              "  read Text1",
                              "  read Text2",
                              "  read Text3",
                              "  caption Label1 \"" + c.results[0] + "\"",
                              "  caption Label2 \"" + c.results[1] + "\"",
                              "  caption Label8 \"" + c.results[2] + "\"",
                          }));
  }
}

// A failure is told in a message box; the boxes keep their texts, the results
// set before it stay, and the window goes on.
TEST(Form1, FailuresAreReportedAndTheWindowGoesOn) {
  for (const testing::Form1Failure& c : testing::kForm1Failures) {
    SCOPED_TRACE(c.what);
    RecordingWindow window;
    for (std::size_t i = 0; i < 3; ++i) window.Type(kBoxes[i], c.boxes[i]);
    window.Click(kCommand1);
    ASSERT_FALSE(window.log.empty());
    EXPECT_EQ(window.log.back(), "  message \"CELFORO\" \"" + c.message + "\"");
    EXPECT_EQ(window.Boxes(), c.boxes);
    EXPECT_EQ(window.Results(), c.results);
    EXPECT_FALSE(window.ended);
    // It goes on: an edit and CALCOLA work as ever.
    window.Type(kText1, "2500");
    window.Type(kText2, "5");
    window.Type(kText3, "3");
    window.Click(kCommand1);
    EXPECT_EQ(window.Results(), kDefaultResults);
  }
}

TEST(Form1, EsciEndsTheProgramEvenWithTheResultsEmpty) {
  RecordingWindow window;
  window.Type(kText3, "9");
  window.Click(kCommand2);
  EXPECT_EQ(window.log, (std::vector<std::string>{"click Command2", "  end"}));
  EXPECT_TRUE(window.ended);
}

}  // namespace
}  // namespace celforo
