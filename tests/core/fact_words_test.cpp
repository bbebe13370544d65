// SPDX-License-Identifier: MIT
// How the fields of a decoded number become facts and words: which fields
// are left out, how a field's name reads, and when the century is said
// beside the date.
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>

#include "core/facts.h"
#include "core/scheme.h"

namespace numerant {
namespace {

// A format that reads a day of the calendar from its number and names the
// field that holds a country.
struct Dated {
  FieldValue BirthDate() const { return birth_date; }
  std::uint8_t Century() const { return century; }
  std::int16_t CheckDigit() const { return 7; }
  FieldValue CountryCode() const { return country; }
  bool EmbeddedValid() const { return embedded_valid; }
  std::int16_t Gender() const { return gender; }
  FieldValue GS1Prefix() const { return "950"; }
  bool Reverse() const { return true; }
  BirthDay Birthday() const { return birthday; }

  std::int16_t Calculate(std::string_view) { return -1; }
  bool Check(std::string_view) { return false; }
  Finding Explain(std::string_view) { return {}; }
  std::string Complete(std::string_view) { return {}; }
  const NumberShape& Shape() const { return shape; }

  FieldValue birth_date = "850315";
  std::uint8_t century = 20;
  FieldValue country = "DE";
  bool embedded_valid = true;
  std::int16_t gender = 2;
  BirthDay birthday{.year = 1985, .month = 3, .day = 15};
  NumberShape shape;
};

// A format whose birth date is a text "YYYY-MM-DD" and whose country code
// is a value like any other.
struct Undated {
  std::string BirthDate() const { return birth_date; }
  FieldValue CountryCode() const { return "DE"; }
  FieldValue ISBNGroup() const { return "80"; }

  std::int16_t Calculate(std::string_view) { return -1; }
  bool Check(std::string_view) { return false; }
  Finding Explain(std::string_view) { return {}; }
  std::string Complete(std::string_view) { return {}; }
  const NumberShape& Shape() const { return shape; }

  std::string birth_date;
  NumberShape shape;
};

}  // namespace

template <>
struct Descriptor<Dated> {
  static constexpr std::string_view kName = "Dated";
  static constexpr std::string_view kDescription = "A format that reads a day from its number";
  static constexpr std::string_view kCountryField = "CountryCode";
  static constexpr std::array<Example, 0> kExamples{};
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &Dated::BirthDate},
      Property{"Century", &Dated::Century},
      Property{"CheckDigit", &Dated::CheckDigit},
      Property{"CountryCode", &Dated::CountryCode},
      Property{"EmbeddedValid", &Dated::EmbeddedValid},
      Property{"GS1Prefix", &Dated::GS1Prefix},
      Property{"Gender", &Dated::Gender},
      Property{"Reverse", &Dated::Reverse},
  };
};

template <>
struct Descriptor<Undated> {
  static constexpr std::string_view kName = "Undated";
  static constexpr std::string_view kDescription = "A format with a written birth date";
  static constexpr std::array<Example, 0> kExamples{};
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &Undated::BirthDate},
      Property{"CountryCode", &Undated::CountryCode},
      Property{"ISBNGroup", &Undated::ISBNGroup},
  };
};

namespace {

TEST(FactWordsTest, FieldsOfAFormatThatReadsTheDay) {
  const std::string kRest = ", country Germany, embedded valid, GS1 prefix 950, female";
  const struct {
    void (*change)(Dated&);
    std::string words;
  } cases[] = {
      // The check digit and a setting tell nothing; the century is in the
      // date.
      {[](Dated&) {}, "born 15 March 1985" + kRest},
      // Without its year the date needs the century said beside it.
      {[](Dated& d) { d.birthday = {.short_year = 85, .month = 3, .day = 15}; },
       "born 15 March '85, century 20" + kRest},
      // A day the calendar lacks stays digits, and the century is said.
      {[](Dated& d) {
         d.birth_date = "850230";
         d.birthday = {.year = 1985, .month = 2, .day = 30};
       },
       "born 850230, century 20" + kRest},
      {[](Dated& d) { d.country = "XK"; },
       "born 15 March 1985, country code XK, embedded valid, GS1 prefix 950, female"},
      {[](Dated& d) { d.embedded_valid = false; },
       "born 15 March 1985, country Germany, not embedded valid, GS1 prefix 950, female"},
      {[](Dated& d) { d.gender = 1; },
       "born 15 March 1985, country Germany, embedded valid, GS1 prefix 950, male"},
      {[](Dated& d) { d.gender = 3; },
       "born 15 March 1985, country Germany, embedded valid, GS1 prefix 950"},
      // No date at all: the century is all there is of it.
      {[](Dated& d) { d.birth_date = ""; }, "century 20" + kRest},
  };
  for (const auto& c : cases) {
    SchemeAdapter<Dated> scheme;
    c.change(scheme.scheme());
    EXPECT_EQ(FactsInEnglish(scheme.Tell()), c.words);
  }
}

TEST(FactWordsTest, AWrittenBirthDateIsADateOnlyWhenWholeAndInTheCalendar) {
  const struct {
    std::string birth_date;
    std::string born;
  } cases[] = {
      // 1900 had no 29 February; "1985-03" has no day.
      {"1985-03-15", "15 March 1985"}, {"2000-02-29", "29 February 2000"},
      {"1900-02-29", "1900-02-29"},    {"1985-00-15", "1985-00-15"},
      {"1985-03", "1985-03"},          {"1985-3-15", "1985-3-15"},
      {"19850315", "19850315"},        {"1985-03-1x", "1985-03-1x"},
  };
  for (const auto& c : cases) {
    SchemeAdapter<Undated> scheme;
    scheme.scheme().birth_date = c.birth_date;
    EXPECT_EQ(FactsInEnglish(scheme.Tell()), "born " + c.born + ", country code DE, ISBN group 80")
        << c.birth_date;
  }
}

}  // namespace
}  // namespace numerant
