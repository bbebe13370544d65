#include "schemes/business/iban.h"

#include <array>

#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kCountryLength = 2;
constexpr std::size_t kCheckLength = 2;
// Bounds of the country code with the account part.
constexpr std::size_t kShortestStem = kCountryLength;
constexpr std::size_t kLongestStem = 32;

}  // namespace

IBAN::IBAN()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .check_length = kCheckLength,
                        .check_place = kCountryLength}) {}

bool IBAN::AcceptsStemLength(std::size_t length) const {
  return length >= kShortestStem && length <= kLongestStem;
}

void IBAN::ResetFields() {
  account_number_.clear();
  country_code_.clear();
}

std::optional<FieldValue> IBAN::ComputeCheckDigit(std::string_view stem) {
  country_code_ = Characters(stem, 1, kCountryLength);
  account_number_ = Characters(stem, kCountryLength + 1, stem.size());

  // The country code moves behind the account part, letters become 10 to 35,
  // and "00" holds the place of the check digits. Each character gives at
  // most two digits.
  std::array<char, 2 * kLongestStem + kCheckLength> digits{};
  std::size_t length = 0;
  for (std::string_view part :
       {std::string_view(account_number_), std::string_view(country_code_)}) {
    for (char c : part) {
      if (IsDigit(c)) {
        digits[length++] = c;
      } else if (IsUpperLetter(c)) {
        const int value = c - 'A' + 10;
        digits[length++] = static_cast<char>('0' + value / 10);
        digits[length++] = static_cast<char>('0' + value % 10);
      } else {
        return std::nullopt;
      }
    }
  }
  digits[length++] = '0';
  digits[length++] = '0';
  const auto remainder =
      ParseDecimal16(modulo97_.Calculate(std::string_view(digits.data(), length)).Text());
  if (!remainder) return std::nullopt;
  return FieldValue(TwoDigits(98 - *remainder));
}

}  // namespace numerant
