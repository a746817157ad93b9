#include "cli/field_text.h"

#include <cmath>
#include <variant>

#include "calc/date_time.h"
#include "calc/numeric_text.h"
#include "cli/overloaded.h"

namespace celforo::cli {

// JSON writes the number a column shows, not the double behind it: the
// platforms' mathematical libraries round their sines and arctangents
// differently in the last bit, which the shortest text of the double would
// show and six decimals do not.
Computed<std::string> NumberField(double value, NumberForm form, bool json) {
  Computed<std::string> text = form == NumberForm::Result ? ResultText(value) : MeasureText(value);
  if (json && text) return ShortestText(ReadNumber(*text));
  return text;
}

std::string InputField(double value, bool json) {
  std::string text = SignedNumberText(value);
  if (!json) return text;
  return std::isfinite(value) ? ShortestText(ReadNumber(text)) : std::string(kJsonNull);
}

// A time or a word in text stands after the sign column, as a positive
// number does, so that it lines up with the numbers under a caption.
std::string InstantField(UniversalTime instant, bool json) {
  const std::string text = LocalMinuteText(instant);
  return json ? JsonString(text) : ' ' + text;
}

std::string WordField(std::string_view word, bool json) {
  return json ? JsonString(word) : ' ' + std::string(word);
}

Computed<std::string> ValueField(const PlanValue& value, NumberForm form, bool json) {
  return std::visit(
      Overloaded{
          [&](double number) { return NumberField(number, form, json); },
          [&](UniversalTime instant) -> Computed<std::string> {
            return InstantField(instant, json);
          },
          [&](PlanWord word) -> Computed<std::string> { return WordField(word.text, json); },
          [&](NoValue none) -> Computed<std::string> {
            return json ? std::string(kJsonNull) : WordField(none.why, false);
          },
      },
      value);
}

std::string JsonString(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      quoted += "\\u00";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 15];
    } else {
      quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

}  // namespace celforo::cli
