// SPDX-License-Identifier: MIT
#include "schemes/further/iso11649.h"

#include "core/iso7064.h"

namespace numerant {
namespace {

constexpr std::string_view kMark = "RF";
// 5 to 25 characters in all.
constexpr std::size_t kShortest = 3;
constexpr std::size_t kLongest = 23;

}  // namespace

Iso11649::Iso11649()
    : Iso7064Number(Iso7064System::kMod97_10,
                    {.separators = " -",
                     .upper_case = true,
                     .payload_letters = true,
                     .payload_lengths = {{kShortest, kLongest}},
                     .check_length = 2,
                     .check_place = kMark.size()},
                    // The reference, then "RF"; the check digits follow.
                    kMark.size()) {}

bool Iso11649::DecodeFields(std::string_view payload) {
  const std::string_view reference = payload.substr(kMark.size());
  fields_.reference = reference;
  for (std::size_t i = 0; i < kMark.size(); ++i) {
    if (payload[i] != kMark[i]) {
      RejectCharacter(i);
      return false;
    }
  }
  if (const std::size_t at = FirstNonAlphanumeric(reference); at < reference.size()) {
    RejectCharacter(kMark.size() + at);
    return false;
  }
  return true;
}

}  // namespace numerant
