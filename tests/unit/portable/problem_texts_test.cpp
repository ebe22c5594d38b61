// setup-check's words for the loader's problems, picked at run time by problem.
#include "problem_texts.h"

#include <gtest/gtest.h>
#include <string.h>

// A missing text would format a null; a wrong conversion, garbage from the arguments.
TEST(ProblemTexts, EachTextTakesItsProblemsArguments) {
  for (int problem = 0; problem < kSetupProblemCount; ++problem) {
    const char* text = kSetupProblemTexts[problem];
    ASSERT_TRUE(text != nullptr && text[0] != '\0') << "no text for problem " << problem;
    std::string conversions;
    for (const char* c = strchr(text, '%'); c != nullptr; c = strchr(c + 1, '%')) {
      c += 1 + strspn(c + 1, "0123456789");  // past a zero-padded width
      if (*c != '%') conversions += *c ? *c : '?';
      if (*c == '\0') break;
    }
    EXPECT_EQ(conversions, kSetupProblemArguments[problem]) << problem << ": " << text;
  }
}
