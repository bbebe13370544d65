// SPDX-License-Identifier: MIT
// What a decoded number tells, as a list of facts that each face puts into
// its own words: a birth date for the window's locale, the browser's or
// English; a gender as a word; a country by its name. The fields themselves
// stay as they are; this is only how they are read out.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace numerant {

struct Fact {
  enum class Kind {
    kDate,     // a day of the calendar: `year` (or `short_year`), `month`, `day`
    kGender,   // `gender` 1 male, 2 female
    kCountry,  // `text` an ISO 3166 two-letter code that has a name
    kValue,    // `text` as it is, after the label if there is one
  };
  Kind kind = Kind::kValue;
  // The field it was read from ("BirthDate").
  std::string field;
  // "born", "serial", "country"; empty for a fact that is its own word
  // ("citizen").
  std::string label;
  // The characters of the number: the date's digits as written, the code,
  // the value.
  std::string text;
  // A date: the whole year where the number gives the century, otherwise 0
  // and the year's last two digits in `short_year`.
  int year = 0;
  int short_year = 0;
  int month = 0;
  int day = 0;
  int gender = 0;

  friend bool operator==(const Fact&, const Fact&) = default;
};

using Facts = std::vector<Fact>;

// A birth date read from a number. Where the number does not give the
// century, `year` is 0 and `short_year` holds YY.
struct BirthDay {
  int year = 0;
  int short_year = 0;
  int month = 0;
  int day = 0;
};

// The fact of a birth date written as `digits`: a date when the calendar
// has it (for a year without its century, when one of the centuries has
// it), otherwise the digits as a plain value ("born 850230").
Fact BirthDateFact(std::string_view label, std::string_view digits, const BirthDay& date);

// YYMMDD or DDMMYY (`day_first`) with the given ordinal century (20 for
// 1900 to 1999; 0 when the number gives none). Nothing when the text is not
// six digits.
BirthDay SixDigitDate(std::string_view digits, bool day_first, int ordinal_century);

// The English short name of an ISO 3166-1 two-letter code ("DE" is
// "Germany"); empty for a code the standard does not have.
std::string_view CountryName(std::string_view code);

// "January" to "December"; empty for any other month.
std::string_view MonthName(int month);

// How a face writes the two kinds of fact that depend on its language.
struct FactWriters {
  // A date fact's day, month and year: "15 March 1985", "15. März 1985".
  std::function<std::string(const Fact&)> date;
  // A country's name by its code.
  std::function<std::string(std::string_view code)> country;
};

// "15 March 1985"; "15 March '85" for a year without its century.
std::string EnglishDate(const Fact& fact);

// The facts joined by commas, labels and genders in English, dates and
// countries by `writers`: "born 15 March 1985, female, serial 123"; empty
// when there are none.
std::string FactsSentence(const Facts& facts, const FactWriters& writers);

// FactsSentence with English dates and country names.
std::string FactsInEnglish(const Facts& facts);

}  // namespace numerant
