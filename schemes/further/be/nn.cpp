// SPDX-License-Identifier: MIT
#include "schemes/further/be/nn.h"

#include <cstdint>

#include "core/calendar.h"
#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 9;

int TwoDigitValue(std::string_view text, std::size_t at) {
  return DigitValue(text[at]) * 10 + DigitValue(text[at + 1]);
}

}  // namespace

BeNn::BeNn()
    : CheckDigitNumber(
          {.separators = " -.", .payload_lengths = Lengths::Exactly(kPayload), .check_length = 2}) {
}

std::optional<std::string> BeNn::Reading(std::string_view payload, int century_start) {
  const int year = century_start + TwoDigitValue(payload, 0);
  int month = TwoDigitValue(payload, 2);
  const int day = TwoDigitValue(payload, 4);
  const int serial = TwoDigitValue(payload, 6) * 10 + DigitValue(payload[8]);
  fields_.kind = "national number";
  fields_.gender = serial % 2 == 1 ? "male" : "female";
  if (month >= 40) {
    fields_.kind = "BIS";
    month -= 40;
  } else if (month >= 20) {
    fields_.kind = "BIS";
    fields_.gender = FieldValue();
    month -= 20;
  }
  fields_.serial = payload.substr(6, 3);
  // The register writes an unknown month or day as 00; a known month and
  // day must make a date of the year.
  const bool known = month != 0 && day != 0;
  if (month > 12 || day > 31 || (known && !DateExists(year, month, day)))
    return RejectDate(DateAsWritten(year, month, day));
  // A day without its month is no date the register writes.
  fields_.birth_date = DateText(year, month, month == 0 ? 0 : day);
  Remainder97Builder remainder;
  if (century_start == 2000) remainder.AppendDigit(2);
  for (char c : payload)
    remainder.AppendDigit(static_cast<unsigned>(DigitValue(c)));
  return TwoDigits(97 - remainder.Remainder());
}

std::optional<std::string> BeNn::ComputeCheckDigit(std::string_view payload) {
  return ComputeCheckDigitAgainst(payload, {});
}

std::optional<std::string> BeNn::ComputeCheckDigitAgainst(std::string_view payload,
                                                          std::string_view found) {
  if (payload.size() != kPayload) return std::nullopt;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  // The check digits tell the century; without them, the reading before
  // 2000 is the answer unless its date does not exist (29 February 1900).
  if (auto before_2000 = Reading(payload, 1900); before_2000 && *before_2000 == found)
    return before_2000;
  if (auto from_2000 = Reading(payload, 2000); from_2000 && *from_2000 == found) return from_2000;
  impossible_date_.reset();
  if (auto before_2000 = Reading(payload, 1900)) return before_2000;
  const std::optional<std::string> date_error = impossible_date_;
  impossible_date_.reset();
  if (auto from_2000 = Reading(payload, 2000)) return from_2000;
  // Neither century has the date: the first reading names it.
  if (date_error) impossible_date_ = date_error;
  return std::nullopt;
}

}  // namespace numerant
