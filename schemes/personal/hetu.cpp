// SPDX-License-Identifier: MIT
#include "schemes/personal/hetu.h"

#include <array>
#include <cstddef>

#include "core/calendar.h"
#include "core/characters.h"
#include "core/facts.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

// By the number's remainder modulo 31: the digits, then the letters but G,
// I, O, Q and Z.
constexpr std::string_view kCheckCharacters = "0123456789ABCDEFHJKLMNPRSTUVWXY";
static_assert(kCheckCharacters.size() == 31);

struct CenturySign {
  char sign;
  std::uint8_t century;
};
constexpr std::array<CenturySign, 3> kCenturySigns{{{'+', 19}, {'-', 20}, {'A', 21}}};

constexpr std::size_t kSignPlace = 6;
constexpr std::size_t kIndividualPlace = 7;

}  // namespace

HETU::HETU()
    : CheckLetterNumber({.separators = " ",
                         .payload_letters = true,
                         .payload_lengths = Lengths::Exactly(10),
                         .check_characters = CheckCharacters::kDigitsAndLetters},
                        {.letters = kCheckCharacters}) {}

bool HETU::DecodeFields(std::string_view payload) {
  const std::string_view date = Characters(payload, 1, 6);
  fields_.birth_date = date;
  // An unknown sign, a small "a" among them, leaves the century open but
  // still computes.
  for (const CenturySign& sign : kCenturySigns) {
    if (payload[kSignPlace] == sign.sign) fields_.century = sign.century;
  }
  const std::string_view individual = Characters(payload, kIndividualPlace + 1, 10);
  const std::size_t in_date = FirstNonDigit(date);
  const std::size_t in_individual = FirstNonDigit(individual);
  if (in_date < date.size() || in_individual < individual.size()) {
    RejectCharacter(in_date < date.size() ? in_date : kIndividualPlace + in_individual);
    return false;
  }
  // The individual number is odd for men.
  fields_.gender = GenderByParity(DigitValue(individual.back()));
  fields_.identification_number = individual;
  return true;
}

// The date and the individual number, without the century sign, read as one
// number of nine digits.
std::int64_t HETU::LetterNumber(std::string_view payload) {
  std::int64_t number = 0;
  for (const std::string_view part :
       {Characters(payload, 1, 6), Characters(payload, kIndividualPlace + 1, 10)}) {
    for (const char c : part) {
      if (!IsDigit(c)) return kNoNumber;
      number = number * 10 + DigitValue(c);
    }
  }
  return number;
}

BirthDay HETU::Birthday() const {
  return SixDigitDate(BirthDate().Text(), true, Century());
}

}  // namespace numerant
