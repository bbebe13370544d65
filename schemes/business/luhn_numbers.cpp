#include "schemes/business/luhn_numbers.h"

#include "core/text.h"

namespace numerant {
namespace {

constexpr LuhnLayout kSIREN{8, "", false};
constexpr LuhnLayout kDUNS{8, "", false};
// The identifier is registered under the card issuer prefix 80840 (80 for
// health care, 840 for the United States), and its digit covers it too.
constexpr LuhnLayout kNPI{9, "80840", false};
constexpr LuhnLayout kSIN{8, "", true};

}  // namespace

bool LuhnNumber::AcceptsStemLength(std::size_t length) const {
  return length == layout_.stem_length;
}

void LuhnNumber::ResetFields() {
  first_digit_ = 0;
}

bool LuhnNumber::Prepare(std::string& stem) {
  // The region is shown even when a later character spoils the number.
  if (layout_.region_code && !stem.empty() && IsDigit(stem.front())) {
    first_digit_ = static_cast<std::uint8_t>(DigitValue(stem.front()));
  }
  stem.insert(0, layout_.prefix);
  return true;
}

SIREN::SIREN() : LuhnNumber(kSIREN) {}
DUNS::DUNS() : LuhnNumber(kDUNS) {}
NPI::NPI() : LuhnNumber(kNPI) {}
SIN::SIN() : LuhnNumber(kSIN) {}

}  // namespace numerant
