// SPDX-License-Identifier: MIT
#include "schemes/further/de/idnr.h"

#include <array>

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 10;

}  // namespace

DeIdnr::DeIdnr()
    : Iso7064Number(Iso7064System::kMod11_10,
                    {.separators = " -./", .payload_lengths = Lengths::Exactly(kPayload)}) {}

// The digits themselves must follow the rules of repetition.
bool DeIdnr::DecodeFields(std::string_view payload) {
  const auto Reject = [this](std::size_t at) {
    RejectCharacter(at);
    return false;
  };
  if (payload.size() != kPayload) return false;
  std::array<int, 10> seen{};
  int repeated = -1;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i]) || (i == 0 && payload[i] == '0')) return Reject(i);
    const int digit = DigitValue(payload[i]);
    const int count = ++seen[static_cast<std::size_t>(digit)];
    if (count == 2) {
      // A second digit that repeats.
      if (repeated >= 0) return Reject(i);
      repeated = digit;
    }
    if (count > 3) return Reject(i);
    if (count == 3 && payload[i - 1] == payload[i] && payload[i - 2] == payload[i])
      return Reject(i);
  }
  // Ten different digits: the last should have repeated one of the others.
  if (repeated < 0) return Reject(kPayload - 1);
  return true;
}

}  // namespace numerant
