// setup-check's words for the loader's problems, picked at run time by problem.
#include "problem_texts.h"

#include <gtest/gtest.h>

#include <string>

// A missing text would format a null; a wrong conversion, garbage from the arguments.
TEST(ProblemTexts, EachTextTakesItsProblemsArguments) {
  for (int problem = 0; problem < kSetupProblemCount; ++problem) {
    const char* text = kSetupProblemTexts[problem];
    ASSERT_TRUE(text != nullptr && text[0] != '\0') << "no text for problem " << problem;
    const std::string t = text;
    std::string conversions;
    for (size_t at = t.find('%'); at != std::string::npos; at = t.find('%', at + 1)) {
      at = t.find_first_not_of("0123456789", at + 1);  // past a zero-padded width
      if (at == std::string::npos) break;
      if (t[at] != '%') conversions += t[at];
    }
    EXPECT_EQ(conversions, kSetupProblemArguments[problem]) << problem << ": " << text;
  }
}
