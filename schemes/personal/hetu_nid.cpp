#include "schemes/personal/hetu_nid.h"

#include <array>

#include "schemes/personal/gender.h"
#include "core/characters.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

// By n mod 31: the digits, then the letters but G, I, O, Q and Z.
constexpr std::string_view kHetuCheckCharacters = "0123456789ABCDEFHJKLMNPRSTUVWXY";
constexpr int kHetuModulus = 31;
static_assert(kHetuCheckCharacters.size() == kHetuModulus);

struct CenturySign {
  char sign;
  std::uint8_t century;
};
constexpr std::array<CenturySign, 3> kHetuCenturySigns{{{'+', 19}, {'-', 20}, {'A', 21}}};

// The first NID character carries the decade of birth, and by the range it
// comes from the century: 0 to 9 for the 1900s, A to J for the 2000s, K to T
// for the 2100s.
struct DecadeRange {
  char first;
  char last;
  std::uint8_t century;
};
constexpr std::array<DecadeRange, 3> kNidDecades{{{'0', '9', 19}, {'A', 'J', 20}, {'K', 'T', 21}}};

// Women's months are raised by 50.
constexpr int kNidFemaleMonthOffset = 50;
constexpr int kNidModulus = 23;

}  // namespace

void CheckCharacterCode::ResetFields() {
  birth_date_ = std::int16_t{0};
  century_ = 0;
  gender_ = 0;
  serial_ = std::int16_t{0};
}

std::optional<std::string> HETU::ComputeCheckDigit(std::string_view body) {
  birth_date_ = Characters(body, 1, 6);
  // An unknown sign leaves the century open but still computes.
  for (const CenturySign& sign : kHetuCenturySigns) {
    if (body[6] == sign.sign) century_ = sign.century;
  }
  const std::string_view individual = Characters(body, 8, 10);
  const auto n = ParseDecimal32(std::string(Characters(body, 1, 6)).append(individual));
  if (!n) return std::nullopt;
  const auto individual_value = ParseDecimal16(individual);
  if (!individual_value) return std::nullopt;
  gender_ = GenderByParity(*individual_value);
  serial_ = individual;
  return std::string(kHetuCheckCharacters.substr(static_cast<std::size_t>(*n % kHetuModulus), 1));
}

std::optional<std::string> NID::ComputeCheckDigit(std::string_view body) {
  const char first = body[0];
  const auto month = ParseDecimal16(Characters(body, 3, 4));
  if (!month) return std::nullopt;
  for (const DecadeRange& range : kNidDecades) {
    if (first < range.first || first > range.last) continue;
    birth_date_ = std::to_string(first - range.first) + body[1] +
                  TwoDigits(*month % kNidFemaleMonthOffset) + std::string(Characters(body, 5, 6));
    century_ = range.century;
  }
  if (*month >= 1 && *month <= 12) gender_ = 1;
  if (*month >= 1 + kNidFemaleMonthOffset && *month <= 12 + kNidFemaleMonthOffset) gender_ = 2;
  serial_ = Characters(body, 7, 9);

  // The first character counts by its code from "A" = 1, so a digit counts
  // -16 to -7; the others are digits weighted by their position 2 to 9.
  Int16 sum = static_cast<unsigned char>(first) - 'A' + 1;
  for (std::size_t i = 1; i < body.size(); ++i) {
    if (!IsDigit(body[i])) return std::nullopt;
    sum += Int16(DigitValue(body[i])) * static_cast<int>(i + 1);
  }
  // The remainder keeps the sign of the sum, and the check character is the
  // one that many places from "@": "A" for 1, "@" itself for 0, and the
  // characters below it for a negative sum.
  const Int16 remainder = sum % kNidModulus;
  if (!remainder.ok()) return std::nullopt;
  return std::string(1, static_cast<char>('@' + remainder.value()));
}

}  // namespace numerant
