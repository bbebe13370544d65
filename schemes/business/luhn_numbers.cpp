#include "schemes/business/luhn_numbers.h"

#include "shell/text.h"

namespace numerant {
namespace {

constexpr LuhnLayout kSIREN{8, "", false};
constexpr LuhnLayout kDUNS{8, "", false};
// The identifier is registered under the card issuer prefix 80840 (80 for
// health care, 840 for the United States), and its digit covers it too.
constexpr LuhnLayout kNPI{9, "80840", false};
constexpr LuhnLayout kSIN{8, "", true};

}  // namespace

std::int16_t LuhnNumber::Calculate(std::string_view number) {
  const std::string stem = Normalise(number);
  if (stem.size() == layout_.stem_length) Compute(stem);
  return check_digit_;
}

bool LuhnNumber::Check(std::string_view number) {
  const std::string text = Normalise(number);
  if (text.size() != layout_.stem_length + 1) return false;
  if (!Compute(std::string_view(text).substr(0, layout_.stem_length))) return false;
  return DigitMatches(text.back(), check_digit_);
}

std::string LuhnNumber::Normalise(std::string_view number) {
  check_digit_ = -1;
  first_digit_ = 0;
  return RemoveSeparators(number, " -");
}

bool LuhnNumber::Compute(std::string_view stem) {
  // The region is shown even when a later character spoils the number.
  if (layout_.region_code && !stem.empty() && IsDigit(stem.front())) {
    first_digit_ = static_cast<std::uint8_t>(DigitValue(stem.front()));
  }
  if (!luhn_) luhn_.emplace();
  std::string payload(layout_.prefix);
  payload.append(stem);
  if (luhn_->Calculate(payload) == -1) return false;
  check_digit_ = luhn_->CheckDigit();
  return true;
}

SIREN::SIREN() : LuhnNumber(kSIREN) {}
DUNS::DUNS() : LuhnNumber(kDUNS) {}
NPI::NPI() : LuhnNumber(kNPI) {}
SIN::SIN() : LuhnNumber(kSIN) {}

}  // namespace numerant
