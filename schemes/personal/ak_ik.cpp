#include "schemes/personal/ak_ik.h"

#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::int16_t kFirstWeights[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1};
constexpr std::int16_t kSecondWeights[10] = {3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
// The check digit is the remainder itself; only IK ever keeps 10.
constexpr std::int16_t kRemainderItself[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

constexpr Weights kOneLength[] = {kFirstWeights};

constexpr WeightedSumRule kAkRule{" -", kOneLength, kRemainderItself, kSecondWeights};
constexpr WeightedSumRule kIkRule{" -", kOneLength, kRemainderItself};

// AK's first digits come in pairs per century, odd for men and even for
// women: 1 and 2 give 18, 3 and 4 give 19 and so on, from 17 for 0 up to 22
// for 9; 0 and 9 belong to neither sex.
constexpr std::array<std::uint8_t, 10> AkCenturies() {
  std::array<std::uint8_t, 10> centuries{};
  for (int d = 0; d < 10; ++d) {
    centuries[static_cast<std::size_t>(d)] = static_cast<std::uint8_t>(17 + (d + d % 2) / 2);
  }
  return centuries;
}

constexpr ElevenDigitPersonalCode::FirstDigitMeaning kAkFirstDigit{AkCenturies(),
                                                                   {0, 1, 2, 1, 2, 1, 2, 1, 2, 0}};

// IK knows the first digits 1 to 6 only for the century, while its sex
// follows the parity of any first digit.
constexpr ElevenDigitPersonalCode::FirstDigitMeaning kIkFirstDigit{
    {0, 19, 19, 20, 20, 21, 21, 0, 0, 0}, {2, 1, 2, 1, 2, 1, 2, 1, 2, 1}};

}  // namespace

AK::AK() : ElevenDigitPersonalCode(kAkRule, kAkFirstDigit) {}

IK::IK() : ElevenDigitPersonalCode(kIkRule, kIkFirstDigit) {}

void ElevenDigitPersonalCode::ResetFields() {
  birth_date_ = std::int16_t{0};
  century_ = 0;
  gender_ = 0;
  serial_number_ = std::int16_t{0};
}

bool ElevenDigitPersonalCode::DecodeFields(std::string_view body) {
  birth_date_ = Characters(body, 2, 7);
  if (!IsDigit(body[0])) return false;
  const auto d = static_cast<std::size_t>(DigitValue(body[0]));
  century_ = first_digit_->century[d];
  gender_ = first_digit_->gender[d];
  serial_number_ = Characters(body, 8, 10);
  return true;
}

}  // namespace numerant
