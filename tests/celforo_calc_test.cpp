// celforo-calc run as a program: its output, error lines and exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Runs the program with `arguments` (shell words) and `input` on stdin.
Outcome RunProgram(const std::string& arguments, const std::string& input = {}) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("celforo-calc-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "in", std::ios::binary) << input;
  const std::string command = std::string("'") + CELFORO_CALC + "' " + arguments + " <'" +
                              (folder / "in").string() + "' >'" + (folder / "out").string() +
                              "' 2>'" + (folder / "err").string() + "'";
  const int raw = std::system(command.c_str());
  Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(folder / "out"),
                  Slurp(folder / "err")};
  std::filesystem::remove_all(folder);
  return outcome;
}

struct Case {
  const char* what;
  std::string arguments;
  std::string input;
  int status;
  std::string out;
  std::string err;  // a part the error output must hold; empty: none at all
};

void Check(const Case& c) {
  SCOPED_TRACE(c.what);
  const Outcome outcome = RunProgram(c.arguments, c.input);
  EXPECT_EQ(outcome.status, c.status);
  EXPECT_EQ(outcome.out, c.out);
  if (c.err.empty()) {
    EXPECT_EQ(outcome.err, "");
  } else {
    EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
  }
}

TEST(CelforoCalc, OneSetUpWithCaptionsOrAsValues) {
  const Case cases[] = {
      {"defaults", "2500 5 3", "", 0,
       "INGRANDIMENTI                 1.666667\n"
       "FOC. EQUIVALENTE              4166.666667\n"
       "DIST. PIANO FOCALE - OCUL.ARE 13.333333\n",
       ""},
      {"negative extraction", "2500 5 -3", "", 0,
       "INGRANDIMENTI                -1.666667\n"
       "FOC. EQUIVALENTE             -4166.666667\n"
       "DIST. PIANO FOCALE - OCUL.ARE-3.333333\n",
       ""},
      {"tsv", "--tsv 2000 10 5", "", 0, "2\t4000\t30\n", ""},
      {"tsv with header", "--tsv --header 2500 2 4", "", 0,
       "INGRANDIMENTI\tFOC. EQUIVALENTE\tDIST. PIANO FOCALE - OCUL.ARE\n.5\t1250\t3\n", ""},
      {"operands read as the window reads boxes", "--tsv ' 2500' 5mm 3,7", "", 0,
       "1.666667\t4166.666667\t13.333333\n", ""},
      {"malformed extraction reads as 0", "--tsv 2500 5 abc", "", 1, "\t\t\n",
       "Errore di run-time '11': Divisione per zero"},
      {"failure with captions", "0 5 3", "", 1,
       "INGRANDIMENTI\nFOC. EQUIVALENTE\nDIST. PIANO FOCALE - OCUL.ARE\n",
       "Errore di run-time '13': Tipo non corrispondente"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(CelforoCalc, BatchKeepsRowsInStepWithSetUps) {
  const std::string input =
      "2500 5 3\n"
      "\n"
      "# a comment\n"
      "   \t\n"
      "2000\t10  5\r\n"
      "2500 5 0\n"
      "2500 0 0\n"
      "2500 x 3\n"
      "1 2 3 4\n"
      "2500 5 -3";  // no final newline
  Check({"tsv", "--tsv", input, 1,
         "1.666667\t4166.666667\t13.333333\n2\t4000\t30\n\t\t\n\t\t\n\t\t\n\t\t\n"
         "-1.666667\t-4166.666667\t-3.333333\n",
         "line 6: Errore di run-time '11': Divisione per zero\n"
         "celforo-calc: line 7: Errore di run-time '6': Overflow\n"
         "celforo-calc: line 8: Errore di run-time '13': Tipo non corrispondente\n"
         "celforo-calc: line 9: more than three fields\n"});
  Check({"all good", "--tsv --header", "2500 5 3\n", 0,
         "INGRANDIMENTI\tFOC. EQUIVALENTE\tDIST. PIANO FOCALE - OCUL.ARE\n"
         "1.666667\t4166.666667\t13.333333\n",
         ""});
  Check({"columns", "", "2000 10 5\n2500 5 0\n", 1,
         "2                             4000                          30\n\n",
         "Divisione per zero"});
  Check({"empty input", "--tsv", "", 0, "", ""});
}

TEST(CelforoCalc, SweepIncludesBothEnds) {
  const Case cases[] = {
      {"upwards", "--tsv --extraction 1:3:1 2500 5", "", 0,
       "1\t5\t12500\t30\n2\t2.5\t6250\t17.5\n3\t1.666667\t4166.666667\t13.333333\n", ""},
      {"downwards with header", "--tsv --header --extraction=3:2:-1 2500 5", "", 0,
       "EXTR. OCULARE\tINGRANDIMENTI\tFOC. EQUIVALENTE\tDIST. PIANO FOCALE - OCUL.ARE\n"
       "3\t1.666667\t4166.666667\t13.333333\n2\t2.5\t6250\t17.5\n",
       ""},
      {"tenths land on the end", "--tsv --extraction .1:.3:.1 1000 1", "", 0,
       ".1\t10\t10000\t11\n.2\t5\t5000\t6\n.3\t3.333333\t3333.333333\t4.333333\n", ""},
      {"a step past the end still ends there", "--tsv --extraction 1:2:.75 2500 5", "", 0,
       "1\t5\t12500\t30\n1.75\t2.857143\t7142.857143\t19.285714\n2\t2.5\t6250\t17.5\n", ""},
      {"through zero", "--tsv --extraction -1:1:1 2500 5", "", 1,
       "-1\t-5\t-12500\t-20\n\t\t\t\n1\t5\t12500\t30\n", "row 2: Errore di run-time '13'"},
      {"one row", "--tsv --extraction 3:3:1 2500 5", "", 0, "3\t1.666667\t4166.666667\t13.333333\n",
       ""},
  };
  for (const Case& c : cases) Check(c);
}

TEST(CelforoCalc, SolvesForFocalLengthAndMagnification) {
  const Case cases[] = {
      // The focal length the window shows for the defaults gives back their extraction.
      {"focal length round trip", "--tsv --focal-length 4166.666667 2500 5", "", 0,
       "3\t1.666667\t4166.666667\t13.333333\n", ""},
      {"captions", "--focal-length 5000 2500 5", "", 0,
       "EXTR. OCULARE                 2.5\n"
       "INGRANDIMENTI                 2\n"
       "FOC. EQUIVALENTE              5000\n"
       "DIST. PIANO FOCALE - OCUL.ARE 15\n",
       ""},
      {"magnification", "--tsv --magnification 2 2500 5", "", 0, "2.5\t2\t5000\t15\n", ""},
      {"magnification round trip", "--tsv --magnification 1.666667 2500 5", "", 0,
       "2.999999\t1.666667\t4166.6675\t13.333335\n", ""},
      {"zero focal length", "--tsv --focal-length 0 2500 5", "", 1, "\t\t\t\n",
       "Errore di run-time '11': Divisione per zero"},
      {"zero over zero", "--tsv --magnification 0 2500 0", "", 1, "\t\t\t\n",
       "Errore di run-time '6': Overflow"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(CelforoCalc, MisuseIsAUsageError) {
  for (const char* arguments :
       {"1 2", "1 2 3 4", "--bogus 1 2 3", "--extraction 1:3:0 2500 5",
        "--extraction 1:3:-1 2500 5", "--extraction 1:3 2500 5", "--extraction 1:3:1 2500 5 3",
        "--extraction 0:1e300:1e-300 1 1", "--focal-length 5000 2500",
        "--focal-length 1 --magnification 2 2500 5", "--extraction"}) {
    SCOPED_TRACE(arguments);
    const Outcome outcome = RunProgram(arguments);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("usage: celforo-calc", 0), 0u) << outcome.err;
  }
  EXPECT_EQ(RunProgram("--version").out, "celforo-calc 1.00\n");
  const Outcome help = RunProgram("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--focal-length"), std::string::npos);
}

}  // namespace
