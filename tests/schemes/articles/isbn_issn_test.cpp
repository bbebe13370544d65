#include "schemes/articles/isbn_issn.h"

#include <gtest/gtest.h>

#include "tests/schemes/typed_cases.h"

namespace numerant {
namespace {

// Fields: CheckDigit GroupCode PublisherCode TitleNumber, at fixed places
// filled before the digit test; letters are upper-cased first.
TEST(IsbnTest, TenCharacterAndArticleNumberForms) {
  typed_cases::ExpectCalculate<ISBN>({
      {"0-306-40615", "2", R"("2" "03" "0640" "615")"},
      {"080442957", "X", R"("X" "08" "0442" "957")"},
      {"978-0-306-40615", "7", R"("7" "03" "0640" "615")"},
      {"979-10-90636-07", "1", R"("1" "10" "9063" "607")"},
      {"03064061a", "", R"("" "03" "0640" "61A")"},
      {"97803064061A", "", R"("" "03" "0640" "61A")"},
      {"977030640615", "", R"("" 0 0 0)"},
  });
  typed_cases::ExpectCheck<ISBN>({
      {"0-8044-2957-x", "valid", R"("X" "08" "0442" "957")"},
      {"0306406153", "invalid", R"("2" "03" "0640" "615")"},
      {"978030640615X", "invalid", R"("7" "03" "0640" "615")"},
      {"03064061527", "invalid", R"("" 0 0 0)"},
  });
}

TEST(IssnTest, EightCharacterAndArticleNumberForms) {
  typed_cases::ExpectCalculate<ISSN>({
      {"0317-847", "1", R"("1")"},
      {"2434-561", "X", R"("X")"},
      {"977031784700", "1", R"("1")"},
      {"977243456100", "6", R"("6")"},
      {"978031784700", "", R"("")"},
      {"0317a47", "", R"("")"},
  });
  typed_cases::ExpectCheck<ISSN>({
      {"2434-561x", "valid", R"("X")"},
      {"9770317847002", "invalid", R"("1")"},
      {"03178471 1", "invalid", R"("")"},
  });
}

}  // namespace
}  // namespace numerant
