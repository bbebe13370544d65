// SPDX-License-Identifier: MIT
#include "schemes/further/mx/rfc.h"

#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPersonShort = 10;
constexpr std::size_t kCompany = 12;
constexpr std::size_t kPerson = 13;
constexpr char kEnye = '\xD1';  // Ñ in ISO-8859-1

// The ranks of the check character's sum, 0 to 38; the rank 10 is also
// the check character A that stands for the remainder 10.
constexpr std::string_view kAlphabet = "0123456789ABCDEFGHIJKLMN&OPQRSTUVWXYZ \xD1";

bool IsNameLetter(char c) {
  return IsUpperLetter(c) || c == '&' || c == kEnye;
}

// The check character of the first eleven or twelve characters: the key,
// blanks before it to twelve, weighted 13 down to 2; 11 minus the sum
// modulo 11, taken modulo 11.
char CheckCharacterOf(std::string_view key) {
  int sum = 0;
  const std::size_t blanks = 12 - key.size();
  for (std::size_t i = 0; i < key.size(); ++i) {
    const std::size_t rank = kAlphabet.find(key[i]);
    sum += static_cast<int>(rank) * static_cast<int>(13 - blanks - i);
  }
  // The blanks themselves count 37 each.
  for (std::size_t i = 0; i < blanks; ++i)
    sum += 37 * static_cast<int>(13 - i);
  return kAlphabet[static_cast<std::size_t>((11 - sum % 11) % 11)];
}

}  // namespace

MxRfc::MxRfc()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = {{kPersonShort, kPersonShort}, {kCompany, kPerson}},
                        .check_length = 0}) {}

std::optional<std::string> MxRfc::ComputeCheckDigit(std::string_view payload) {
  const std::size_t letters = payload.size() == kCompany ? 3 : 4;
  fields_.kind = letters == 3 ? "company" : "person";
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    const bool fits = i < letters       ? IsNameLetter(c)
                      : i < letters + 6 ? IsDigit(c)
                                        : IsDigit(c) || IsUpperLetter(c);
    if (!fits) return RejectCharacter(i);
  }
  const int year = PivotYear(DigitPairValue(payload, letters));
  const int month = DigitPairValue(payload, letters + 2);
  const int day = DigitPairValue(payload, letters + 4);
  fields_.century_inferred = true;
  if (!DateExists(year, month, day)) return RejectDate(DateAsWritten(year, month, day));
  fields_.date = DateText(year, month, day);
  if (payload.size() > kPersonShort) {
    fields_.check_character_fits =
        CheckCharacterOf(payload.substr(0, payload.size() - 1)) == payload.back();
  }
  return std::string();
}

}  // namespace numerant
