// The set-ups that make CALCOLA fail, with the message each gives and the
// results left in place: every window's tests run the same ones.
#pragma once

#include <array>
#include <string>

namespace celforo::testing {

struct Form1Failure {
  const char* what;
  std::array<std::string, 3> boxes;  // Text1, Text2, Text3
  std::string message;
  std::array<std::string, 3> results;  // Label1, Label2, Label8 afterwards
};

inline const std::string kDivisionByZero = "Errore di run-time '11':\n\nDivisione per zero";
inline const std::string kOverflow = "Errore di run-time '6':\n\nOverflow";
inline const std::string kTypeMismatch = "Errore di run-time '13':\n\nTipo non corrispondente";

inline const Form1Failure kForm1Failures[] = {
    {"extraction 0", {"2500", "5", "0"}, kDivisionByZero, {"", "", ""}},
    {"extraction empty", {"2500", "5", ""}, kDivisionByZero, {"", "", ""}},
    {"extraction not a number", {"2500", "5", "abc"}, kDivisionByZero, {"", "", ""}},
    {"eyepiece and extraction 0", {"2500", "abc", "0"}, kOverflow, {"", "", ""}},
    {"eyepiece 0", {"2500", "0", "3"}, kTypeMismatch, {"", "", ""}},
    {"objective 0", {"0", "5", "3"}, kTypeMismatch, {" 1.666667", "", ""}},
    {"eyepiece minus the extraction", {"2500", "3", "-3"}, kTypeMismatch, {"-1", "-2500", ""}},
    {"beyond the range", {"1e308", "10", "1"}, kOverflow, {"", "", ""}},
};

}  // namespace celforo::testing
