// SPDX-License-Identifier: MIT
#include "core/finding.h"

#include <string>

namespace numerant {
namespace {

std::string Number(std::size_t n) {
  return std::to_string(n);
}

// "check digit", "check digits", "check character", "check characters".
std::string CheckNoun(const NumberShape& shape) {
  std::string noun =
      shape.check_characters == CheckCharacters::kDigits ? "check digit" : "check character";
  if (shape.check_length > 1) noun += 's';
  return noun;
}

std::string DescribeCharacter(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (c >= '0' && c <= '9') return std::string("the digit ") + c;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return std::string("the letter ") + c;
  if (c == ' ') return "a blank";
  if (code < 0x20 || code == 0x7f) return "the control character " + Number(code);
  std::string text = "the character \"";
  text += c;
  return text + "\"";
}

}  // namespace

std::string_view KindName(Finding::Kind kind) {
  switch (kind) {
    case Finding::Kind::kValid:
      return "valid";
    case Finding::Kind::kEmpty:
      return "empty";
    case Finding::Kind::kWrongLength:
      return "length";
    case Finding::Kind::kBadCharacter:
      return "character";
    case Finding::Kind::kNoCheckDigit:
      return "no-check-digit";
    case Finding::Kind::kWrongCheckDigit:
      return "check-digit";
    case Finding::Kind::kNoSuchDate:
      return "date";
    case Finding::Kind::kUnknownPrefix:
      return "prefix";
  }
  return "valid";
}

std::string DescribeLengths(const Lengths& lengths) {
  const auto ranges = lengths.ranges();
  if (ranges.empty()) return "no";
  if (ranges.size() == 1 && ranges[0].max == LengthRange::kUnbounded) {
    return "at least " + Number(ranges[0].min);
  }
  if (ranges.size() == 1 && ranges[0].min != ranges[0].max) {
    return Number(ranges[0].min) + " to " + Number(ranges[0].max);
  }
  std::string text;
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    if (i > 0) text += i + 1 == ranges.size() ? " or " : ", ";
    const LengthRange& range = ranges[i];
    text += Number(range.min);
    if (range.max == LengthRange::kUnbounded) {
      text += " or more";
    } else if (range.max != range.min) {
      text += " to " + Number(range.max);
    }
  }
  return text;
}

std::string Describe(const Finding& finding) {
  switch (finding.kind) {
    case Finding::Kind::kValid:
      return finding.shape.check_length == 0 ? "valid (no check digit)" : "valid";
    case Finding::Kind::kEmpty:
      return "no number typed";
    case Finding::Kind::kWrongLength:
      return DescribeLengths(finding.lengths) +
             (finding.shape.payload_letters ? " characters" : " digits") + " expected, " +
             Number(finding.length) + " typed";
    case Finding::Kind::kBadCharacter:
      return DescribeCharacter(finding.character) + " cannot stand at place " +
             Number(finding.place);
    case Finding::Kind::kNoCheckDigit:
      return "no " + CheckNoun(finding.shape) +
             (finding.shape.check_length > 1 ? " exist" : " exists") + " for this number";
    case Finding::Kind::kWrongCheckDigit:
      return CheckNoun(finding.shape) + " should be " + finding.expected + ", not " + finding.found;
    case Finding::Kind::kNoSuchDate:
      return "no such date: " + finding.date;
    case Finding::Kind::kUnknownPrefix:
      return "unknown country prefix " + finding.found;
  }
  return "valid";
}

}  // namespace numerant
