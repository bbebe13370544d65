#include "schemes/personal/pnr.h"

#include <cstddef>

#include "schemes/personal/gender.h"
#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kBodyLength = 9;
constexpr std::size_t kBirthDateLength = 6;

}  // namespace

bool PNR::AcceptsStemLength(std::size_t length) const {
  return length == kBodyLength;
}

void PNR::ResetFields() {
  gender_ = 0;
  birth_date_ = std::int16_t{0};
}

bool PNR::Prepare(std::string& body) {
  // The fields are read before the Luhn object sees the digits, so a number
  // with a bad digit still shows its birth date and sex.
  birth_date_ = Characters(body, 1, kBirthDateLength);
  if (body.empty() || !IsDigit(body.back())) return false;
  // The last serial digit is odd for men.
  gender_ = GenderByParity(DigitValue(body.back()));
  return true;
}

}  // namespace numerant
