// The set-up format: JSON read and written, a whole set-up written and read
// back, every refusal of the reader with its reason, and the link.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <variant>

#include "calc/json_text.h"
#include "calc/numeric_text.h"
#include "calc/setup_file.h"
#include "calc/setup_link.h"

namespace celforo {
namespace {

// Every value of a set-up given, as the header's example has them.
celforo::Setup FullSetup() {
  celforo::Setup setup;
  setup.objective = 2500;
  setup.eyepiece = 5;
  setup.extraction = 2.5;
  setup.aperture = 250;
  setup.pixelSize = 3.75;
  setup.sensor = SensorPixels{1280, 960};
  setup.wavelength = 550;
  setup.target = Target::Jupiter;
  setup.solve = SetupSolve{PlanAim::Sampling, 2};
  setup.site = SetupSite{45.07, 7.69, 240};
  setup.fieldStop = 4.5;
  setup.band = SetupBand{400, 700};
  setup.minAltitude = 30;
  setup.grsLongitude = 62;
  return setup;
}

constexpr std::string_view kFullSetupText = R"({
  "version": 1,
  "objective_focal_length": 2500,
  "eyepiece_focal_length": 5,
  "eyepiece_extraction": 2.5,
  "aperture": 250,
  "pixel_size": 3.75,
  "sensor": {"width": 1280, "height": 960},
  "wavelength": 550,
  "target": "jupiter",
  "solve": {"aim": "sampling", "value": 2},
  "site": {"latitude": 45.07, "longitude": 7.69, "height": 240},
  "field_stop": 4.5,
  "band": {"from": 400, "to": 700},
  "min_altitude": 30,
  "grs_longitude": 62
}
)";

TEST(ShortestText, WritesTheShortestTextThatReadsBackTheSameDouble) {
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      {2500, "2500"},
      {3.75, "3.75"},
      {0.1, "0.1"},
      {-2.5e-7, "-2.5e-07"},
      {1e16, "1e+16"},
      {45.07, "45.07"},
      {1.0 / 3, "0.3333333333333333"},
      {-0.0, "-0"},
      {5e-324, "5e-324"},
      {1.7976931348623157e308, "1.7976931348623157e+308"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ShortestText(row.value), row.text);
    EXPECT_EQ(ReadNumber(row.text), row.value) << row.text;
  }
}

TEST(ParseJson, TakesWhatRfc8259AllowsAndSaysWhereAnythingElseGoesWrong) {
  struct Row {
    std::string text;
    std::size_t errorOffset;  // npos: accepted
    const char* expected;
  };
  constexpr std::size_t kAccepted = std::string::npos;
  const std::string deep = std::string(16, '[') + std::string(16, ']');
  const std::string tooDeep = std::string(17, '[') + std::string(17, ']');
  const Row rows[] = {
      {R"({"a": [1, -0.5e+3, true, false, null, "x"]})", kAccepted, ""},
      {" \t\r\n{}\n", kAccepted, ""},
      {"\xEF\xBB\xBF{}", kAccepted, ""},  // a byte order mark
      {R"("\u00e9\ud83d\ude00\"\\\/\b\f\n\r\t")", kAccepted, ""},
      {deep, kAccepted, ""},
      {"", 0, "a value"},
      {"{", 1, "a key"},
      {R"({"a" 1})", 5, "':'"},
      {R"({"a": 1,})", 8, "a key"},
      {R"({"a": 1 "b": 2})", 8, "',' or '}'"},
      {R"({"a": 1, "a": 2})", 9, "a key not given before"},
      {"[1,]", 3, "a value"},
      {"[1 2]", 3, "',' or ']'"},
      {"01", 1, "the end of the text"},
      {"1.", 2, "a digit"},
      {"1e+", 3, "a digit"},
      {"-", 0, "a value"},
      {".5", 0, "a value"},
      {"+1", 0, "a value"},
      {"NaN", 0, "a value"},
      {"tru", 0, "a value"},
      {R"("abc)", 4, "'\"'"},
      {"\"a\tb\"", 2, "no control character"},
      {"\"caf\xE9\"", 4, "UTF-8"},
      {"\"\xC0\xAF\"", 1, "UTF-8"},          // an overlong "/"
      {"\"\xED\xA0\x80\"", 1, "UTF-8"},      // a surrogate in UTF-8
      {"\"\xF4\x90\x80\x80\"", 1, "UTF-8"},  // above U+10FFFF
      {R"("\x")", 2, "an escape"},
      {R"("\u12g4")", 5, "a hexadecimal digit"},
      {R"("\udc00")", 1, "no lone low surrogate"},
      {R"("\ud800x")", 7, "the low surrogate of a pair"},
      {R"("\ud800\u0041")", 7, "the low surrogate of a pair"},
      {tooDeep, 16, "values nested less deep"},
      {"{} {}", 3, "the end of the text"},
      {std::string(kMostJsonBytes + 1, ' '), kMostJsonBytes, "a shorter text"},
  };
  for (const Row& row : rows) {
    const std::variant<JsonValue, JsonSyntaxError> parsed = ParseJson(row.text);
    if (row.errorOffset == kAccepted) {
      EXPECT_TRUE(std::holds_alternative<JsonValue>(parsed)) << row.text;
      continue;
    }
    const auto* error = std::get_if<JsonSyntaxError>(&parsed);
    ASSERT_NE(error, nullptr) << row.text;
    EXPECT_EQ(error->offset, row.errorOffset) << row.text;
    EXPECT_EQ(error->expected, row.expected) << row.text;
  }

  // The values themselves, decoded.
  const JsonValue value = std::get<JsonValue>(ParseJson(rows[3].text));
  EXPECT_EQ(value.text, "\xC3\xA9\xF0\x9F\x98\x80\"\\/\b\f\n\r\t");
  const JsonValue object = std::get<JsonValue>(ParseJson(rows[0].text));
  ASSERT_EQ(object.members.size(), 1u);
  EXPECT_EQ(object.members[0].key, "a");
  ASSERT_EQ(object.members[0].value.elements.size(), 6u);
  EXPECT_EQ(object.members[0].value.elements[1].text, "-0.5e+3");
  EXPECT_EQ(object.members[0].value.elements[1].offset, 10u);
}

TEST(JsonText, CountsPositionsInCharactersAndEscapesStrings) {
  const TextPosition at = PositionAt("{\n  \"\xC3\xA9\": x", 9);
  EXPECT_EQ(at.line, 2u);
  EXPECT_EQ(at.column, 7u);
  EXPECT_EQ(JsonString("a\"b\\c\n\x01\xC3\xA9"), R"("a\"b\\c\n\u0001)"
                                                 "\xC3\xA9\"");
  EXPECT_TRUE(IsUtf8("caf\xC3\xA9"));
  EXPECT_FALSE(IsUtf8("caf\xE9"));
  EXPECT_EQ(Utf8Characters("Pl\xC3\xB6ssl"), 6u);
  EXPECT_EQ(Utf8Characters("\xE2\x80\x94 \xF0\x9F\x94\xAD"), 3u);  // "—" and a telescope
  EXPECT_EQ(Utf8Characters(""), 0u);
}

TEST(SetupFile, WritesAWholeSetUpAsDocumentedAndReadsItBack) {
  const celforo::Setup setup = FullSetup();
  EXPECT_EQ(WriteSetup(setup), kFullSetupText);
  const SetupReading read = ReadSetup(kFullSetupText);
  ASSERT_TRUE(std::holds_alternative<celforo::Setup>(read)) << std::get<SetupProblem>(read).reason;
  EXPECT_EQ(std::get<celforo::Setup>(read), setup);

  const std::string compact = WriteSetup(setup, SetupLayout::Compact);
  EXPECT_EQ(compact.find_first_of(" \n"), std::string::npos);
  EXPECT_EQ(std::get<celforo::Setup>(ReadSetup(compact)), setup);

  // Each value alone, and none at all.
  EXPECT_EQ(WriteSetup(celforo::Setup{}), "{\n  \"version\": 1\n}\n");
  EXPECT_EQ(WriteSetup(celforo::Setup{}, SetupLayout::Compact), R"({"version":1})");
  EXPECT_EQ(std::get<celforo::Setup>(ReadSetup(R"({"version":1})")), celforo::Setup{});
  celforo::Setup site;
  site.site = SetupSite{-33.9, 18.4, 0};
  EXPECT_EQ(std::get<celforo::Setup>(ReadSetup(R"({"version": 1, "site": {"latitude": -33.9,
                                           "longitude": 18.4}})")),
            site);
  celforo::Setup target;
  target.target = Target::Saturn;
  EXPECT_EQ(std::get<celforo::Setup>(ReadSetup(R"({"target": "Saturno", "version": 1.0})")),
            target);
  // Doubles of every kind come back to the bit.
  celforo::Setup odd;
  odd.objective = 1.0 / 3;
  odd.eyepiece = -0.0;
  odd.extraction = 5e-324;
  odd.aperture = 1.7976931348623157e308;
  odd.pixelSize = 0.1 + 0.2;
  EXPECT_EQ(std::get<celforo::Setup>(ReadSetup(WriteSetup(odd))), odd);
}

TEST(SetupFile, LeavesOutWhatItsReaderWouldRefuse) {
  celforo::Setup setup;
  setup.objective = std::numeric_limits<double>::infinity();  // as ReadNumber("1e999") gives
  setup.eyepiece = 5;
  setup.aperture = 0;
  setup.sensor = SensorPixels{1280.5, 960};
  setup.site = SetupSite{91, 0, 0};
  setup.band = SetupBand{700, 400};
  setup.solve = SetupSolve{PlanAim::FocalRatio, -20};
  EXPECT_EQ(WriteSetup(setup, SetupLayout::Compact), R"({"version":1,"eyepiece_focal_length":5})");
}

TEST(SetupFile, RefusesEachMalformedSetUpWithItsReason) {
  struct Row {
    std::string text;
    SetupFault fault;
    const char* key;
    std::string reason;
  };
  const Row rows[] = {
      {std::string(kMostSetupBytes + 1, ' '), SetupFault::TooLarge, "",
       "the set-up is 65537 bytes long, more than the 65536 read"},
      {"", SetupFault::NotJson, "", "line 1, column 1: not JSON: expected a value"},
      {R"({"version": 1,})", SetupFault::NotJson, "",
       "line 1, column 15: not JSON: expected a key"},
      {"{\"version\": 1,\n \"aperture\": 250,\n \"aperture\": 200}", SetupFault::NotJson, "",
       "line 3, column 2: not JSON: expected a key not given before"},
      {"{\"target\": \"caf\xE9\"}", SetupFault::NotJson, "",
       "line 1, column 16: not JSON: expected UTF-8"},
      {R"({"version": 1} 2)", SetupFault::NotJson, "",
       "line 1, column 16: not JSON: expected the end of the text"},
      {"[1]", SetupFault::NotAnObject, "", "line 1, column 1: expected an object, got a list"},
      {"  \"version 1\"", SetupFault::NotAnObject, "",
       "line 1, column 3: expected an object, got a text"},
      {"{}", SetupFault::NoVersion, "",
       "line 1, column 1: no \"version\": this is no set-up of this program's"},
      {R"({"version": 2, "zoom": 3})", SetupFault::OtherVersion, "version",
       "line 1, column 13: \"version\": version 2, and this program reads version 1"},
      {R"({"version": "1"})", SetupFault::WrongType, "version",
       "line 1, column 13: \"version\": expected a number, got a text"},
      {R"({"version": 1, "zoom": 2})", SetupFault::UnknownKey, "",
       "line 1, column 16: unknown key \"zoom\""},
      {R"({"version": 1, "Aperture": 250})", SetupFault::UnknownKey, "",
       "line 1, column 16: unknown key \"Aperture\""},
      {R"({"version": 1, "aperture": "250"})", SetupFault::WrongType, "aperture",
       "line 1, column 28: \"aperture\": expected a number, got a text"},
      {R"({"version": 1, "aperture": null})", SetupFault::WrongType, "aperture",
       "line 1, column 28: \"aperture\": expected a number, got null"},
      {R"({"version": 1, "aperture": 0})", SetupFault::OutOfRange, "aperture",
       "line 1, column 28: \"aperture\": expected a number above 0, got 0"},
      {R"({"version": 1, "pixel_size": -3.75})", SetupFault::OutOfRange, "pixel_size",
       "line 1, column 30: \"pixel_size\": expected a number above 0, got -3.75"},
      {R"({"version": 1, "wavelength": 0})", SetupFault::OutOfRange, "wavelength",
       "line 1, column 30: \"wavelength\": expected a number above 0, got 0"},
      {R"({"version": 1, "objective_focal_length": 1e999})", SetupFault::OutOfRange,
       "objective_focal_length",
       "line 1, column 42: \"objective_focal_length\": expected a finite number, got 1e999"},
      {R"({"version": 1, "field_stop": -1})", SetupFault::OutOfRange, "field_stop",
       "line 1, column 30: \"field_stop\": expected a number above 0, got -1"},
      {R"({"version": 1, "min_altitude": 90.5})", SetupFault::OutOfRange, "min_altitude",
       "line 1, column 32: \"min_altitude\": expected a number from 0 to 90, got 90.5"},
      {R"({"version": 1, "grs_longitude": 361})", SetupFault::OutOfRange, "grs_longitude",
       "line 1, column 33: \"grs_longitude\": expected a number from 0 to 360, got 361"},
      {R"({"version": 1, "sensor": "1280x960"})", SetupFault::WrongType, "sensor",
       "line 1, column 26: \"sensor\": expected an object, got a text"},
      {R"({"version": 1, "sensor": {"width": 1280.5, "height": 960}})", SetupFault::OutOfRange,
       "sensor.width",
       "line 1, column 36: \"sensor.width\": expected a whole number from 1 to 1000000, got "
       "1280.5"},
      {R"({"version": 1, "sensor": {"width": 1280}})", SetupFault::Missing, "sensor",
       "line 1, column 26: \"sensor\": \"height\" is missing"},
      {R"({"version": 1, "sensor": {"width": 1, "height": 1, "depth": 1}})", SetupFault::UnknownKey,
       "sensor", "line 1, column 52: \"sensor\": unknown key \"depth\""},
      {R"({"version": 1, "target": "pluto"})", SetupFault::OutOfRange, "target",
       "line 1, column 26: \"target\": expected one of sun, moon, mercury, venus, mars, "
       "jupiter, saturn, uranus, neptune, got \"pluto\""},
      {R"({"version": 1, "target": 5})", SetupFault::WrongType, "target",
       "line 1, column 26: \"target\": expected a text, got a number"},
      {R"({"version": 1, "solve": {"aim": "zoom", "value": 2}})", SetupFault::OutOfRange,
       "solve.aim",
       "line 1, column 33: \"solve.aim\": expected focal_ratio, image_scale, sampling or "
       "target_pixels, got \"zoom\""},
      {R"({"version": 1, "solve": {"aim": "sampling"}})", SetupFault::Missing, "solve",
       "line 1, column 25: \"solve\": \"value\" is missing"},
      {R"({"version": 1, "solve": {"aim": "sampling", "value": 0}})", SetupFault::OutOfRange,
       "solve.value", "line 1, column 54: \"solve.value\": expected a number above 0, got 0"},
      {R"({"version": 1, "site": {"latitude": 91, "longitude": 0}})", SetupFault::OutOfRange,
       "site.latitude",
       "line 1, column 37: \"site.latitude\": expected a number from -90 to 90, got 91"},
      {R"({"version": 1, "site": {"latitude": 45, "longitude": 7, "height": 9001}})",
       SetupFault::OutOfRange, "site.height",
       "line 1, column 67: \"site.height\": expected a number from -500 to 9000, got 9001"},
      {R"({"version": 1, "site": {"latitude": 45}})", SetupFault::Missing, "site",
       "line 1, column 24: \"site\": \"longitude\" is missing"},
      {R"({"version": 1, "band": {"from": 700, "to": 400}})", SetupFault::OutOfRange, "band",
       "line 1, column 24: \"band\": expected \"from\" below \"to\", got 700 to 400"},
      {R"({"version": 1, "band": {"from": 200, "to": 700}})", SetupFault::OutOfRange, "band.from",
       "line 1, column 33: \"band.from\": expected a number from 300 to 1100, got 200"},
      // What was typed is named, cut short.
      {"{\"version\": 1, \"aperture\": -1" + std::string(40, '0') + "}", SetupFault::OutOfRange,
       "aperture",
       "line 1, column 28: \"aperture\": expected a number above 0, got -1" + std::string(30, '0') +
           "..."},
  };
  for (const Row& row : rows) {
    const SetupReading read = ReadSetup(row.text);
    const auto* problem = std::get_if<SetupProblem>(&read);
    ASSERT_NE(problem, nullptr) << row.text;
    EXPECT_EQ(problem->fault, row.fault) << row.text;
    EXPECT_EQ(problem->key, row.key) << row.text;
    EXPECT_EQ(problem->reason, row.reason) << row.text;
  }
}

TEST(SetupLink, EncodesBase64UrlAsRfc4648Does) {
  // RFC 4648, section 10, without the padding base64url may leave out; and
  // the two characters that base64url has in place of "+" and "/".
  struct Row {
    const char* bytes;
    const char* text;
  };
  const Row rows[] = {
      {"", ""},
      {"f", "Zg"},
      {"fo", "Zm8"},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg"},
      {"fooba", "Zm9vYmE"},
      {"foobar", "Zm9vYmFy"},
      {"?>", "Pz4"},
      {"\xFB\xFF", "-_8"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Base64UrlText(row.bytes), row.text);
    EXPECT_EQ(Base64UrlBytes(row.text), row.bytes) << row.text;
  }
  // A length no bytes have, base64's own characters, padding, a blank, bits
  // left over ("Zh" is "f" and four bits of 1).
  for (const char* refused : {"Z", "Zm9vY", "Zm+v", "Zm/v", "Zg==", "Zm9 v", "Zh"})
    EXPECT_FALSE(Base64UrlBytes(refused)) << refused;
}

TEST(SetupLink, CarriesAWholeSetUpAndRefusesBrokenLinks) {
  EXPECT_EQ(SetupFragment(celforo::Setup{}), "#setup=eyJ2ZXJzaW9uIjoxfQ");
  const celforo::Setup setup = FullSetup();
  const std::string fragment = SetupFragment(setup);
  EXPECT_EQ(fragment.find_first_not_of(
                "#=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
            std::string::npos);
  EXPECT_EQ(std::get<celforo::Setup>(ReadSetupFragment(fragment)), setup);
  EXPECT_EQ(std::get<celforo::Setup>(ReadSetupFragment(fragment.substr(1))), setup);  // without "#"

  struct Row {
    std::string fragment;
    SetupFault fault;
    const char* reason;
  };
  const Row rows[] = {
      {"", SetupFault::NotALink, "the link's set-up: the address has no \"#setup=\""},
      {"#about", SetupFault::NotALink, "the link's set-up: the address has no \"#setup=\""},
      {fragment.substr(0, fragment.size() - 1) + "*", SetupFault::NotALink,
       "the link's set-up: not base64url (letters, digits, \"-\" and \"_\"): the link was cut "
       "or changed"},
      {"#setup=" + std::string(87383, 'A'), SetupFault::NotALink,
       "the link's set-up: 87383 characters, more than the 87382 read"},
      {"#setup=e30", SetupFault::NoVersion,  // "{}"
       "the link's set-up: line 1, column 1: no \"version\": this is no set-up of this "
       "program's"},
      {"#setup=" + Base64UrlText(R"({"version":1,"aperture":-1})"), SetupFault::OutOfRange,
       "the link's set-up: line 1, column 25: \"aperture\": expected a number above 0, got -1"},
  };
  for (const Row& row : rows) {
    const SetupReading read = ReadSetupFragment(row.fragment);
    const auto* problem = std::get_if<SetupProblem>(&read);
    ASSERT_NE(problem, nullptr) << row.fragment.substr(0, 80);
    EXPECT_EQ(problem->fault, row.fault) << row.fragment.substr(0, 80);
    EXPECT_EQ(problem->reason, row.reason) << row.fragment.substr(0, 80);
  }
}

}  // namespace
}  // namespace celforo
