// SPDX-License-Identifier: MIT
// What a valid number tells, in English words: dates with the century each
// format gives, dates the calendar lacks, genders and countries.
#include "core/facts.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

#include "schemes/catalogue.h"

namespace numerant::testing {
namespace {

std::string WordsOf(std::string_view scheme_name, std::string_view number) {
  const CatalogueEntry* entry = FindScheme(scheme_name);
  if (entry == nullptr) return "(no such scheme)";
  const std::unique_ptr<Scheme> scheme = entry->create();
  if (!scheme->Check(number)) return "(invalid)";
  return FactsInEnglish(scheme->Tell());
}

TEST(FactsTest, ValidNumbersInWords) {
  const struct {
    std::string_view scheme;
    std::string_view number;
    std::string_view words;
  } cases[] = {
      // The century in the month: 1900s as written, +20 the 2000s, +80 the
      // 1800s.
      {"PESEL", "85031512344", "born 15 March 1985, female, serial 123"},
      {"PESEL", "02270803624", "born 8 July 2002, female, serial 036"},
      {"PESEL", "85831512348", "born 15 March 1885, female, serial 123"},
      // A day the calendar lacks stays digits, and the number stays valid.
      {"PESEL", "85023012346", "born 850230, female, serial 123"},
      // Century from the first digit; AK's Century is leading digits, IK's
      // ordinal, and both mean the 1900s here.
      {"AK", "48503151233", "born 15 March 1985, female, serial 123"},
      {"IK", "39001010000", "born 1 January 1990, male, serial 000"},
      {"CNP", "1850315123455", "born 15 March 1985, county code 12, male, serial 345"},
      {"JMBG", "1503985710126", "born 15 March 1985, male, political region code 71"},
      {"CPR", "1503854127", "born 15 March 1985, sequence 412"},
      {"HETU", "010100A123D", "born 1 January 2000, male, serial 123"},
      {"HETU", "311299-1236", "born 31 December 1999, male, serial 123"},
      {"NID", "850315123G", "born 15 March 1985, male, sequence 123"},
      // No century in the number: the year keeps its two digits.
      {"PNR", "8503151238", "born 15 March '85, male"},
      {"INSZ", "85031512369", "born 15 March '85, male, serial 123"},
      // A country code of ISO 3166 by its name; others as they are.
      {"IBAN", "DE89370400440532013000", "account 370400440532013000, country Germany"},
      {"isin", "US0378331005",
       "country United States, embedded code CUSIP, embedded valid, NSIN 037833100"},
      // Field names in words: a run of capitals stays one word.
      {"gtin", "09501101530003", "GS1 prefix 950, indicator digit 0"},
      // Nothing to tell beyond the check digit.
      {"Luhn", "79927398713", ""},
  };
  for (const auto& [scheme, number, words] : cases)
    EXPECT_EQ(WordsOf(scheme, number), words) << scheme << " " << number;
}

TEST(FactsTest, SixDigitDatesAndTheCalendar) {
  const struct {
    std::string_view digits;
    bool day_first;
    int century;
    std::string_view words;
  } cases[] = {
      {"850315", false, 20, "born 15 March 1985"},
      {"150385", true, 20, "born 15 March 1985"},
      {"000229", false, 21, "born 29 February 2000"},
      {"000229", false, 20, "born 000229"},  // 1900 had no 29 February
      {"000229", false, 0, "born 29 February '00"},
      {"010229", false, 0, "born 010229"},  // no century has 29 February 01
      {"851315", false, 20, "born 851315"},
      {"850300", false, 20, "born 850300"},
      {"85031X", false, 20, "born 85031X"},
      {"8503151", false, 20, "born 8503151"},
  };
  for (const auto& [digits, day_first, century, words] : cases) {
    const Fact fact = BirthDateFact("born", digits, SixDigitDate(digits, day_first, century));
    EXPECT_EQ(FactsInEnglish({fact}), words) << digits << " " << century;
  }
}

TEST(FactsTest, CountryNamesByCode) {
  const std::pair<std::string_view, std::string_view> cases[] = {{"DE", "Germany"},
                                                                 {"AD", "Andorra"},
                                                                 {"ZW", "Zimbabwe"},
                                                                 {"KR", "South Korea"},
                                                                 {"GB", "United Kingdom"},
                                                                 {"XK", ""},
                                                                 {"EU", ""},
                                                                 {"de", ""},
                                                                 {"", ""}};
  for (const auto& [code, name] : cases)
    EXPECT_EQ(CountryName(code), name) << code;
}

}  // namespace
}  // namespace numerant::testing
