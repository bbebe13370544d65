#include "schemes/articles/isbn_issn.h"

#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant {
namespace {

using testing::ExpectCalculate;
using testing::ExpectCheck;

// Fields: CheckDigit GroupCode PublisherCode TitleNumber.
TEST(IsbnTest, TenCharacterAndArticleNumberForms) {
  ExpectCalculate<ISBN>({
      {"0-306-40615", "2", R"("2" "03" "0640" "615")"},
      {"080442957", "X", R"("X" "08" "0442" "957")"},
      {"978-0-306-40615", "7", R"("7" "03" "0640" "615")"},
      {"979-10-90636-07", "1", R"("1" "10" "9063" "607")"},
      // Fields stand at fixed places and are filled before the digit test.
      {"03064061a", "", R"("" "03" "0640" "61A")"},
      {"97803064061A", "", R"("" "03" "0640" "61A")"},
      {"977030640615", "", R"("" 0 0 0)"},
      {"97A030640615", "", R"("" 0 0 0)"},
      {"0306406152", "", R"("" 0 0 0)"},
  });
  ExpectCheck<ISBN>({
      {"0-8044-2957-x", true, R"("X" "08" "0442" "957")"},
      {"0306406152", true, R"("2" "03" "0640" "615")"},
      {"0306406153", false, R"("2" "03" "0640" "615")"},
      {"9780306406157", true, R"("7" "03" "0640" "615")"},
      {"978030640615X", false, R"("7" "03" "0640" "615")"},
      {"03064A6152", false, R"("" "03" "064A" "615")"},
      {"03064061527", false, R"("" 0 0 0)"},
  });
}

TEST(IssnTest, EightCharacterAndArticleNumberForms) {
  ExpectCalculate<ISSN>({
      {"0317-847", "1", R"("1")"},
      {"2434-561", "X", R"("X")"},
      {"977031784700", "1", R"("1")"},
      {"977243456100", "6", R"("6")"},
      {"978031784700", "", R"("")"},
      {"0317a47", "", R"("")"},
      {"03178471", "", R"("")"},
  });
  ExpectCheck<ISSN>({
      {"0317-8471", true, R"("1")"},
      {"2434-561x", true, R"("X")"},
      {"9770317847001", true, R"("1")"},
      {"9770317847002", false, R"("1")"},
      {"03178472", false, R"("1")"},
      {"03178471 1", false, R"("")"},
  });
}

}  // namespace
}  // namespace numerant
