// SPDX-License-Identifier: MIT
#include "schemes/further/us/ein.h"

#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kLength = 9;

// The IRS's list of prefixes, by campus; nothing for a prefix not given.
std::string_view CampusOf(int prefix) {
  switch (prefix) {
    case 10:
    case 12:
      return "Andover";
    case 60:
    case 67:
      return "Atlanta";
    case 50:
    case 53:
      return "Austin";
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 11:
    case 13:
    case 14:
    case 16:
    case 21:
    case 22:
    case 23:
    case 25:
    case 34:
    case 51:
    case 52:
    case 54:
    case 55:
    case 56:
    case 57:
    case 58:
    case 59:
    case 65:
      return "Brookhaven";
    case 30:
    case 32:
    case 35:
    case 36:
    case 37:
    case 38:
    case 61:
      return "Cincinnati";
    case 15:
    case 24:
      return "Fresno";
    case 40:
    case 44:
      return "Kansas City";
    case 94:
    case 95:
      return "Memphis";
    case 80:
    case 90:
      return "Ogden";
    case 33:
    case 39:
    case 41:
    case 42:
    case 43:
    case 48:
    case 62:
    case 63:
    case 64:
    case 66:
    case 68:
    case 71:
    case 72:
    case 73:
    case 74:
    case 75:
    case 76:
    case 77:
    case 85:
    case 86:
    case 87:
    case 88:
    case 91:
    case 92:
    case 93:
    case 98:
    case 99:
      return "Philadelphia";
    case 46:
      return "Internet or Philadelphia";
    case 20:
    case 26:
    case 27:
    case 45:
    case 47:
    case 81:
    case 82:
    case 83:
    case 84:
      return "Internet";
    case 31:
      return "Small Business Administration";
    default:
      return {};
  }
}

}  // namespace

UsEin::UsEin()
    : CheckDigitNumber(
          {.separators = " -", .payload_lengths = Lengths::Exactly(kLength), .check_length = 0}) {}

std::optional<std::string> UsEin::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kLength) return std::nullopt;
  if (auto bad = RejectNonDigit(payload); rejected_at_) return bad;
  const std::string_view campus = CampusOf(DigitPairValue(payload, 0));
  // Every first digit opens some prefix, so the second is the one at fault.
  if (campus.empty()) return RejectCharacter(1);
  fields_.campus = campus;
  return std::string();
}

}  // namespace numerant
