// SPDX-License-Identifier: MIT
#include "schemes/further/iso11649.h"

#include "core/iso7064.h"
#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::string_view kMark = "RF";
// 5 to 25 characters in all.
constexpr std::size_t kShortest = 3;
constexpr std::size_t kLongest = 23;

}  // namespace

Iso11649::Iso11649()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = {{kShortest, kLongest}},
                        .check_length = 2,
                        .check_place = kMark.size()}) {}

std::optional<std::string> Iso11649::ComputeCheckDigit(std::string_view payload) {
  const std::string_view reference = payload.substr(kMark.size());
  fields_.reference = reference;
  for (std::size_t i = 0; i < kMark.size(); ++i) {
    if (payload[i] != kMark[i]) return RejectCharacter(i);
  }
  if (const std::size_t at = FirstNonAlphanumeric(reference); at < reference.size())
    return RejectCharacter(kMark.size() + at);
  // The reference, then "RF", then the check digits' place.
  Remainder97Builder remainder;
  for (char c : payload.substr(kMark.size()))
    remainder.AppendAlphanumeric(c);
  for (char c : kMark)
    remainder.AppendAlphanumeric(c);
  remainder.AppendTwoDigits(0);
  return TwoDigits(98 - remainder.Remainder());
}

}  // namespace numerant
