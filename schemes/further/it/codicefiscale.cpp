// SPDX-License-Identifier: MIT
#include "schemes/further/it/codicefiscale.h"

#include <array>

#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 15;
constexpr std::size_t kMonthPlace = 8;
constexpr std::size_t kMunicipalityPlace = 11;

// The letters that stand for the digits 0 to 9 under omocodia.
constexpr std::string_view kOmocodia = "LMNPQRSTUV";
// The month letters, January to December.
constexpr std::string_view kMonths = "ABCDEHLMPRST";
// The value of a character in an odd place (the 1st, 3rd, ...), by its
// rank: 0 to 9 share the values of A to J.
constexpr std::array<int, 26> kOddValues{1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                         20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

// The places where a digit, or its omocodia letter, stands.
constexpr bool IsDigitPlace(std::size_t i) {
  return i == 6 || i == 7 || i == 9 || i == 10 || i >= 12;
}

// The digit a character in a digit place stands for; -1 for none.
int DigitOf(char c) {
  if (IsDigit(c)) return DigitValue(c);
  const std::size_t at = kOmocodia.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

ItCodicefiscale::ItCodicefiscale()
    : CheckLetterNumber({.separators = " -",
                         .upper_case = true,
                         .payload_letters = true,
                         .payload_lengths = Lengths::Exactly(kPayload),
                         .check_characters = CheckCharacters::kLetters},
                        {.letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}) {}

bool ItCodicefiscale::DecodeFields(std::string_view payload) {
  if (payload.size() != kPayload) return false;
  std::array<int, kPayload> digit{};
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    if (IsDigitPlace(i)) {
      digit[i] = DigitOf(c);
      if (digit[i] < 0) {
        RejectCharacter(i);
        return false;
      }
    } else if (!IsUpperLetter(c) || (i == kMonthPlace && kMonths.find(c) == kMonths.npos)) {
      RejectCharacter(i);
      return false;
    }
  }
  std::string municipality(1, payload[kMunicipalityPlace]);
  for (std::size_t i = kMunicipalityPlace + 1; i < kPayload; ++i)
    municipality += static_cast<char>('0' + digit[i]);
  fields_.municipality = municipality;
  const int year = PivotYear(digit[6] * 10 + digit[7]);
  const int month = static_cast<int>(kMonths.find(payload[kMonthPlace])) + 1;
  int day = digit[9] * 10 + digit[10];
  fields_.gender = day > 40 ? "female" : "male";
  if (day > 40) day -= 40;
  fields_.century_inferred = true;
  if (!DateExists(year, month, day)) {
    RejectDate(DateAsWritten(year, month, day));
    return false;
  }
  fields_.birth_date = DateText(year, month, day);
  return true;
}

// Each character by its rank, 0 to 9 as A to J: in an odd place through its
// own table, in an even place as it is.
std::int64_t ItCodicefiscale::LetterNumber(std::string_view payload) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    const int rank = IsDigit(c) ? DigitValue(c) : c - 'A';
    sum +=
        static_cast<std::uint32_t>(i % 2 == 0 ? kOddValues[static_cast<std::size_t>(rank)] : rank);
  }
  return sum;
}

}  // namespace numerant
