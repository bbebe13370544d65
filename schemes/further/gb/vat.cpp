// SPDX-License-Identifier: MIT
#include "schemes/further/gb/vat.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::size_t kDigits = 7;
constexpr std::size_t kBranchDigits = 3;
constexpr std::array<std::int16_t, kDigits> kWeights{8, 7, 6, 5, 4, 3, 2};
// Government departments and health authorities: two letters and three
// digits.
constexpr std::size_t kDepartmentLength = 5;

}  // namespace

GbVat::GbVat()
    : KindedNumber({.separators = " -.",
                    .upper_case = true,
                    .prefixes = {"GB", "XI"},
                    .payload_lengths = {{kDigits, kDigits},
                                        {kDigits + kBranchDigits, kDigits + kBranchDigits}},
                    .check_length = 2,
                    .check_place = kDigits}) {}

std::optional<Finding> GbVat::DepartmentFinding(std::string_view number) {
  const std::string_view text = Normalise(number);
  if (text.size() != kDepartmentLength) return std::nullopt;
  const bool government = text.starts_with("GD");
  if (!government && !text.starts_with("HA")) return std::nullopt;
  fields_.kind = government ? "government department" : "health authority";
  Finding finding;
  finding.shape = Shape();
  finding.shape.check_length = 0;
  for (std::size_t i = 2; i < kDepartmentLength; ++i) {
    // GD000 to GD499, HA500 to HA999.
    const bool fits = IsDigit(text[i]) && (i > 2 || (government ? text[i] < '5' : text[i] >= '5'));
    if (!fits) {
      finding.kind = Finding::Kind::kBadCharacter;
      finding.place = TypedPlace(number, i);
      finding.character = number[finding.place - 1];
      return finding;
    }
  }
  return finding;
}

bool GbVat::Check(std::string_view number) {
  if (auto finding = DepartmentFinding(number)) return finding->valid();
  return CheckDigitNumber::Check(number);
}

bool GbVat::IsValid(std::string_view number) {
  if (auto finding = DepartmentFinding(number)) return finding->valid();
  return CheckDigitNumber::IsValid(number);
}

Finding GbVat::Explain(std::string_view number) {
  if (auto finding = DepartmentFinding(number)) return *finding;
  return CheckDigitNumber::Explain(number);
}

std::optional<std::string> GbVat::ComputeCheckDigitAgainst(std::string_view payload,
                                                           std::string_view found) {
  fields_.kind = payload.size() == kDigits ? "standard" : "branch";
  const auto sum = WeightedDigitSum(payload.substr(0, kDigits), kWeights);
  if (!sum) return RejectNonDigit(payload);
  for (std::size_t i = kDigits; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  // The classic check digits bring the total to a multiple of 97; those of
  // the numbers from November 2009, 100 0000 00 and above, to 42 modulo 97.
  std::string classic = TwoDigits((97 - *sum % 97) % 97);
  if (found.size() == 2 && payload.substr(0, 3) >= "100") {
    std::string from_2009 = TwoDigits((42 + 97 - *sum % 97) % 97);
    if (found == from_2009) return from_2009;
  }
  return classic;
}

}  // namespace numerant
