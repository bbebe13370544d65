// SPDX-License-Identifier: MIT
#include "core/facts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "core/calendar.h"
#include "core/scheme.h"

namespace numerant {
namespace {

struct CountryEntry {
  std::string_view code;
  std::string_view name;
};

constexpr CountryEntry kCountries[] = {
#include "core/country_names.inc"
};

Fact MakeFact(Fact::Kind kind, std::string label, std::string text) {
  Fact fact;
  fact.kind = kind;
  fact.label = std::move(label);
  fact.text = std::move(text);
  return fact;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A year without its century has a day when one of its centuries does: 29
// February of YY 00 exists in 2000.
bool BirthDayExists(const BirthDay& date) {
  if (date.year != 0) return DateExists(date.year, date.month, date.day);
  return date.short_year >= 0 && date.short_year <= 99 &&
         DateExists(2000 + date.short_year, date.month, date.day);
}

std::string TwoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// Field names whose words read better than the name split at its capitals.
struct FieldWords {
  std::string_view field;
  std::string_view words;
};
constexpr std::array kFieldWords{
    FieldWords{"BirthDate", "born"},        FieldWords{"IdentificationNumber", "serial"},
    FieldWords{"SerialNumber", "serial"},   FieldWords{"SequenceNumber", "sequence"},
    FieldWords{"AccountNumber", "account"}, FieldWords{"MajorIndustryCode", "industry"},
};

// "CountryCode" becomes "country code", "GS1Prefix" "GS1 prefix": a word
// begins at a capital after a small letter or digit, or at the last of a run
// of capitals before a small letter; a run of capitals stays as it is.
std::string Words(std::string_view field) {
  for (const FieldWords& entry : kFieldWords) {
    if (entry.field == field) return std::string(entry.words);
  }
  const auto is_capital = [](char c) { return c >= 'A' && c <= 'Z'; };
  const auto is_small = [](char c) { return c >= 'a' && c <= 'z'; };
  std::string words;
  std::size_t start = 0;
  const auto flush = [&](std::size_t end) {
    std::string word(field.substr(start, end - start));
    const bool acronym = word.size() > 1 && std::none_of(word.begin(), word.end(), is_small);
    if (!acronym && !word.empty() && is_capital(word.front())) word.front() += 'a' - 'A';
    if (!words.empty()) words += ' ';
    words += word;
    start = end;
  };
  for (std::size_t i = 1; i < field.size(); ++i) {
    const bool after_small = !is_capital(field[i - 1]) && is_capital(field[i]);
    const bool run_ends = is_capital(field[i - 1]) && is_capital(field[i]) &&
                          i + 1 < field.size() && is_small(field[i + 1]);
    if (after_small || run_ends) flush(i);
  }
  if (start < field.size()) flush(field.size());
  return words;
}

// A date such as "1985-03-15", "1985-03" or "1985" in a field of a further
// format; the parts the text lacks are 0.
bool ReadDateText(std::string_view text, BirthDay& date) {
  if (text.size() != 4 && text.size() != 7 && text.size() != 10) return false;
  if (!AllDigits(text.substr(0, 4))) return false;
  date.year = std::stoi(std::string(text.substr(0, 4)));
  for (std::size_t at = 4; at < text.size(); at += 3) {
    if (text[at] != '-' || !AllDigits(text.substr(at + 1, 2))) return false;
    (at == 4 ? date.month : date.day) = DigitPairValue(text, at + 1);
  }
  return date.month != 0 && date.day != 0;
}

}  // namespace

Facts FactsOfProperties(const Scheme& scheme, const BirthDay* birth_day,
                        std::string_view country_field) {
  Facts facts;
  bool dated = false;
  scheme.VisitProperties([&](std::string_view field, const PropertyValue& value) {
    const auto add = [&](Fact fact) {
      fact.field = field;
      facts.push_back(std::move(fact));
    };
    // The check digit is on screen already, and a setting is no finding.
    if (field == "CheckDigit" || field == "Reverse" || field == "Alphabet") return;
    std::string text;
    if (const auto* flag = std::get_if<bool>(&value)) {
      add(MakeFact(Fact::Kind::kValue, "", *flag ? Words(field) : "not " + Words(field)));
      return;
    }
    if (const auto* string = std::get_if<std::string>(&value)) text = *string;
    if (const auto* field_value = std::get_if<FieldValue>(&value)) {
      if (field_value->IsString()) text = field_value->Text();
    }
    const bool is_text =
        std::holds_alternative<std::string>(value) || std::holds_alternative<FieldValue>(value);
    if (is_text) {
      if (text.empty()) return;
      if (field == "BirthDate") {
        BirthDay date;
        if (birth_day != nullptr) {
          date = *birth_day;
        } else if (!ReadDateText(text, date)) {
          date = {};
        }
        add(BirthDateFact(Words(field), text, date));
        dated = facts.back().kind == Fact::Kind::kDate && date.year != 0;
        return;
      }
      if (field == country_field && !CountryName(text).empty()) {
        add(MakeFact(Fact::Kind::kCountry, "country", text));
        return;
      }
      add(MakeFact(Fact::Kind::kValue, Words(field), text));
      return;
    }
    const std::int32_t number = std::visit(
        [](const auto& held) -> std::int32_t {
          using Held = std::decay_t<decltype(held)>;
          if constexpr (std::is_same_v<Held, std::string> || std::is_same_v<Held, FieldValue> ||
                        std::is_same_v<Held, bool>) {
            return 0;
          } else {
            return static_cast<std::int32_t>(held);
          }
        },
        value);
    if (field == "Gender") {
      if (number == 1 || number == 2) {
        Fact fact = MakeFact(Fact::Kind::kGender, "", "");
        fact.gender = number;
        add(fact);
      }
      return;
    }
    if (number == 0) return;
    // The century is in the date when the date has its year.
    if (field == "Century" && dated) return;
    add(MakeFact(Fact::Kind::kValue, Words(field), std::to_string(number)));
  });
  return facts;
}

Fact BirthDateFact(std::string_view label, std::string_view digits, const BirthDay& date) {
  Fact fact = MakeFact(Fact::Kind::kValue, std::string(label), std::string(digits));
  if (!BirthDayExists(date)) return fact;
  fact.kind = Fact::Kind::kDate;
  fact.year = date.year;
  fact.short_year = date.short_year;
  fact.month = date.month;
  fact.day = date.day;
  return fact;
}

BirthDay SixDigitDate(std::string_view digits, bool day_first, int ordinal_century) {
  if (digits.size() != 6 || !AllDigits(digits)) return {};
  const int yy = DigitPairValue(digits, day_first ? 4 : 0);
  BirthDay date{.month = DigitPairValue(digits, 2),
                .day = DigitPairValue(digits, day_first ? 0 : 4)};
  if (ordinal_century > 0) {
    date.year = (ordinal_century - 1) * 100 + yy;
  } else {
    date.short_year = yy;
  }
  return date;
}

std::string_view CountryName(std::string_view code) {
  const auto* found = std::lower_bound(
      std::begin(kCountries), std::end(kCountries), code,
      [](const CountryEntry& entry, std::string_view wanted) { return entry.code < wanted; });
  return found != std::end(kCountries) && found->code == code ? found->name : std::string_view();
}

std::string_view MonthName(int month) {
  constexpr std::array<std::string_view, 12> kMonths{
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)]
                                   : std::string_view();
}

std::string EnglishDate(const Fact& fact) {
  std::string words = std::to_string(fact.day) + " " + std::string(MonthName(fact.month)) + " ";
  // Without its century the year is only its last two digits.
  return words + (fact.year != 0 ? std::to_string(fact.year) : "'" + TwoDigits(fact.short_year));
}

std::string FactsInEnglish(const Facts& facts) {
  return FactsSentence(facts, {.date = EnglishDate, .country = [](std::string_view code) {
                                 return std::string(CountryName(code));
                               }});
}

std::string FactsSentence(const Facts& facts, const FactWriters& writers) {
  std::string sentence;
  for (const Fact& fact : facts) {
    std::string words;
    switch (fact.kind) {
      case Fact::Kind::kDate:
        words = writers.date(fact);
        break;
      case Fact::Kind::kGender:
        words = fact.gender == 1 ? "male" : fact.gender == 2 ? "female" : "";
        break;
      case Fact::Kind::kCountry: {
        const std::string name = writers.country(fact.text);
        words = name.empty() ? fact.text : name;
        break;
      }
      case Fact::Kind::kValue:
        words = fact.text;
        break;
    }
    if (words.empty()) continue;
    if (fact.kind != Fact::Kind::kGender && !fact.label.empty()) words = fact.label + " " + words;
    if (!sentence.empty()) sentence += ", ";
    sentence += words;
  }
  return sentence;
}

}  // namespace numerant
