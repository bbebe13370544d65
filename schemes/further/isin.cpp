// SPDX-License-Identifier: MIT
#include "schemes/further/isin.h"

#include <algorithm>
#include <array>

#include "core/alternating_weights.h"
#include "core/iso7064.h"
#include "core/text.h"
#include "schemes/further/securities.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 11;

// ISO 3166-1 alpha-2, with the codes of withdrawn countries still found in
// old numbers (AN, CS) and those the numbering agencies use besides: EU, XS
// (international securities), XA to XD and XF (substitute agencies), XK,
// QS and QT. In order, for a binary search.
constexpr auto kCountries = std::to_array<std::string_view>({
    "AD", "AE", "AF", "AG", "AI", "AL", "AM", "AN", "AO", "AQ", "AR", "AS", "AT", "AU", "AW", "AX",
    "AZ", "BA", "BB", "BD", "BE", "BF", "BG", "BH", "BI", "BJ", "BL", "BM", "BN", "BO", "BQ", "BR",
    "BS", "BT", "BV", "BW", "BY", "BZ", "CA", "CC", "CD", "CF", "CG", "CH", "CI", "CK", "CL", "CM",
    "CN", "CO", "CR", "CS", "CU", "CV", "CW", "CX", "CY", "CZ", "DE", "DJ", "DK", "DM", "DO", "DZ",
    "EC", "EE", "EG", "EH", "ER", "ES", "ET", "EU", "FI", "FJ", "FK", "FM", "FO", "FR", "GA", "GB",
    "GD", "GE", "GF", "GG", "GH", "GI", "GL", "GM", "GN", "GP", "GQ", "GR", "GS", "GT", "GU", "GW",
    "GY", "HK", "HM", "HN", "HR", "HT", "HU", "ID", "IE", "IL", "IM", "IN", "IO", "IQ", "IR", "IS",
    "IT", "JE", "JM", "JO", "JP", "KE", "KG", "KH", "KI", "KM", "KN", "KP", "KR", "KW", "KY", "KZ",
    "LA", "LB", "LC", "LI", "LK", "LR", "LS", "LT", "LU", "LV", "LY", "MA", "MC", "MD", "ME", "MF",
    "MG", "MH", "MK", "ML", "MM", "MN", "MO", "MP", "MQ", "MR", "MS", "MT", "MU", "MV", "MW", "MX",
    "MY", "MZ", "NA", "NC", "NE", "NF", "NG", "NI", "NL", "NO", "NP", "NR", "NU", "NZ", "OM", "PA",
    "PE", "PF", "PG", "PH", "PK", "PL", "PM", "PN", "PR", "PS", "PT", "PW", "PY", "QA", "QS", "QT",
    "RE", "RO", "RS", "RU", "RW", "SA", "SB", "SC", "SD", "SE", "SG", "SH", "SI", "SJ", "SK", "SL",
    "SM", "SN", "SO", "SR", "SS", "ST", "SV", "SX", "SY", "SZ", "TC", "TD", "TF", "TG", "TH", "TJ",
    "TK", "TL", "TM", "TN", "TO", "TR", "TT", "TV", "TW", "TZ", "UA", "UG", "UM", "US", "UY", "UZ",
    "VA", "VC", "VE", "VG", "VI", "VN", "VU", "WF", "WS", "XA", "XB", "XC", "XD", "XF", "XK", "XS",
    "YE", "YT", "ZA", "ZM", "ZW",
});
static_assert(std::is_sorted(kCountries.begin(), kCountries.end()));

bool KnownCountry(std::string_view code) {
  return std::binary_search(kCountries.begin(), kCountries.end(), code);
}

// The Luhn digit of eleven digits and capitals, each capital read as its two
// digits 10 to 35; nothing for any other character.
std::optional<std::int16_t> LuhnOfAlphanumerics(std::string_view payload) {
  // Eleven characters make at most 22 digits.
  std::array<char, 2 * kPayloadLength> digits{};
  std::size_t count = 0;
  for (char c : payload) {
    const int value = AlphanumericValue(c);
    if (value < 0) return std::nullopt;
    if (value >= 10) digits[count++] = static_cast<char>('0' + value / 10);
    digits[count++] = static_cast<char>('0' + value % 10);
  }
  return LuhnCheckDigit(std::string_view(digits.data(), count));
}

}  // namespace

Isin::Isin()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

bool Isin::IsValid(std::string_view number) {
  // Two capitals, nine digits or capitals and the check digit: judged on the
  // caller's text, without the fields or the embedded number's check.
  if (number.size() == kPayloadLength + 1 && IsUpperLetter(number[0]) && IsUpperLetter(number[1]) &&
      IsDigit(number[kPayloadLength])) {
    const std::string_view payload = number.substr(0, kPayloadLength);
    if (FirstNonAlphanumeric(payload) == kPayloadLength) {
      if (!KnownCountry(payload.substr(0, 2))) return false;
      const auto check_digit = LuhnOfAlphanumerics(payload);
      return check_digit && DigitMatches(number[kPayloadLength], *check_digit);
    }
  }
  return CheckDigitNumber::IsValid(number);
}

std::optional<std::int16_t> Isin::ComputeCheckDigit(std::string_view payload) {
  const std::string_view country = payload.substr(0, 2);
  const std::string_view nsin = payload.substr(2);
  if (!fieldless_) {
    fields_.country_code = country;
    fields_.nsin = nsin;
  }
  for (std::size_t i = 0; i < 2; ++i) {
    if (!IsUpperLetter(payload[i])) return RejectCharacter(i);
  }
  if (!KnownCountry(country)) {
    // The first letter that no code has there.
    const bool first_fits = std::any_of(kCountries.begin(), kCountries.end(),
                                        [&](std::string_view c) { return c[0] == country[0]; });
    return RejectCharacter(first_fits ? 1 : 0);
  }
  if (const std::size_t at = FirstNonAlphanumeric(payload); at < payload.size())
    return RejectCharacter(at);

  if (fieldless_) return LuhnOfAlphanumerics(payload);
  if (country == "US" || country == "CA") {
    fields_.embedded_code = "CUSIP";
    const auto check =
        securities::DoubleAddCheckDigit(nsin.substr(0, 8), securities::kCusipAlphabet);
    fields_.embedded_valid = check && DigitMatches(nsin[8], *check);
  } else if (country == "GB" || country == "IE") {
    fields_.embedded_code = "SEDOL";
    const std::string_view sedol = nsin.substr(2);
    const auto check = securities::SedolCheckDigit(sedol.substr(0, 6));
    fields_.embedded_valid = nsin.substr(0, 2) == "00" &&
                             securities::SedolFault(sedol.substr(0, 6)) == 6 && check &&
                             DigitMatches(sedol[6], *check);
  }

  return LuhnOfAlphanumerics(payload);
}

}  // namespace numerant
