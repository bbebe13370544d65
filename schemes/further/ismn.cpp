// SPDX-License-Identifier: MIT
#include "schemes/further/ismn.h"

#include <array>
#include <string>

#include "core/alternating_weights.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::string_view kPrefix = "9790";
constexpr std::size_t kDigits = 8;

// The publisher's length by the first digits of the eight: 000-099 three,
// 1000-3999 four, 40000-69999 five, 700000-899999 six, 9000000-9999999
// seven. The first digit decides.
constexpr std::array<std::size_t, 10> kPublisherLength{3, 4, 4, 4, 5, 5, 5, 6, 6, 7};

}  // namespace

Ismn::Ismn()
    : CheckDigitNumber(
          {.separators = " -.",
           .upper_case = true,
           .payload_letters = true,
           .payload_lengths = {{1 + kDigits, 1 + kDigits},
                               {kPrefix.size() + kDigits, kPrefix.size() + kDigits}}}) {}

std::optional<std::int16_t> Ismn::ComputeCheckDigit(std::string_view payload) {
  const bool old_form = payload.size() == 1 + kDigits;
  const std::string_view opening = old_form ? std::string_view("M") : kPrefix;
  for (std::size_t i = 0; i < opening.size(); ++i) {
    if (payload[i] != opening[i]) return RejectCharacter(i);
  }
  const std::string_view digits = payload.substr(opening.size());
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (!IsDigit(digits[i])) return RejectCharacter(opening.size() + i);
  }
  const std::size_t publisher = kPublisherLength[static_cast<std::size_t>(DigitValue(digits[0]))];
  fields_.publisher = digits.substr(0, publisher);
  fields_.item = digits.substr(publisher);
  // Twelve digits fit the string's own space.
  std::string whole(kPrefix);
  whole.append(digits);
  return Modulo10CheckDigit(whole);
}

std::vector<WrittenPart> Descriptor<Ismn>::WrittenParts(std::string_view compact) {
  const bool old_form = compact.size() == 1 + kDigits + 1 && compact[0] == 'M';
  if (!old_form &&
      !(compact.size() == kPrefix.size() + kDigits + 1 && compact.starts_with(kPrefix)))
    return {};
  const std::string_view digits = compact.substr(old_form ? 1 : kPrefix.size());
  for (char c : digits) {
    if (!IsDigit(c)) return {};
  }
  const std::size_t publisher = kPublisherLength[static_cast<std::size_t>(DigitValue(digits[0]))];
  return {{"prefix", old_form ? "M" : "979-0"},
          {"publisher", std::string(digits.substr(0, publisher))},
          {"item", std::string(digits.substr(publisher, kDigits - publisher))},
          {"check_digit", std::string(digits.substr(kDigits))}};
}

std::string Descriptor<Ismn>::WrittenForm(std::string_view compact) {
  std::string written;
  for (const WrittenPart& part : WrittenParts(compact)) {
    if (!written.empty()) written += '-';
    written += part.text;
  }
  return written.empty() ? std::string(compact) : written;
}

}  // namespace numerant
