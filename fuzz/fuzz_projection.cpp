#include "fuzz/fuzz_projection.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"

namespace celforo::fuzz {
namespace {

[[noreturn]] void Broken(const char* what, std::string_view text) {
  std::fprintf(stderr, "invariant broken: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
               text.data());
  std::abort();
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A result text: a sign column, digits with at most one point, optionally "E",
// a sign and digits; 25 characters at most.
void CheckResultText(std::string_view text) {
  if (text.size() < 2 || text.size() > 25) Broken("length", text);
  if (text[0] != ' ' && text[0] != '-') Broken("sign column", text);
  std::size_t at = 1;
  std::size_t digits = 0;
  bool point = false;
  for (; at < text.size() && (IsDigit(text[at]) || text[at] == '.'); ++at) {
    if (text[at] == '.') {
      if (point) Broken("two points", text);
      point = true;
    } else {
      ++digits;
    }
  }
  if (digits == 0) Broken("no digit", text);
  if (at < text.size()) {
    if (text[at] != 'E' || at + 2 >= text.size() || (text[at + 1] != '+' && text[at + 1] != '-'))
      Broken("exponent", text);
    for (at += 2; at < text.size(); ++at)
      if (!IsDigit(text[at])) Broken("exponent digits", text);
  }
}

}  // namespace

void CheckProjection(const std::uint8_t* data, std::size_t size) {
  // The texts are separated by newlines; missing ones are empty boxes.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string_view texts[3];
  std::size_t start = 0;
  for (std::string_view& text : texts) {
    if (start > bytes.size()) break;
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    text = bytes.substr(start, end - start);
    start = end + 1;
  }
  for (const std::string_view text : texts) {
    const NumberScan scan = ScanNumber(text);
    if (scan.consumed > text.size()) Broken("read past the text", text);
    if (scan.consumed == 0 && scan.value != 0) Broken("value without digits", text);
  }
  try {
    const ProjectionResults results =
        ComputeProjection({ReadNumber(texts[0]), ReadNumber(texts[1]), ReadNumber(texts[2])});
    for (const double value :
         {results.magnification, results.equivalentFocalLength, results.focalPlaneDistance}) {
      try {
        CheckResultText(ResultText(value));
      } catch (const RunTimeError& error) {
        if (error.kind() != RunTimeErrorKind::TypeMismatch)
          Broken("showing failed not as a mismatch", {});
      }
    }
  } catch (const RunTimeError& error) {
    if (error.kind() == RunTimeErrorKind::TypeMismatch)
      Broken("computing failed as a mismatch", {});
  }
}

}  // namespace celforo::fuzz
