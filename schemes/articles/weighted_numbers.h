// Two numbers with a plain weighted digit sum and no fields:
//   PZN  pharmaceutical article number: six digits weighted 2 to 7 from the
//        left, the check value is the sum modulo 11 (10 is matched by no
//        digit);
//   CAS  chemical registry number: three to eight digits weighted 1, 2, 3 ...
//        from the right, the check digit is the sum modulo 10.
//   PZN().Calculate("490880");   // 2
//   CAS().Check("7732-18-5");    // true
#pragma once

#include <string_view>
#include <tuple>

#include "schemes/general/legacy_weighted_sum_number.h"
#include "core/scheme.h"

namespace numerant {

class PZN final : public LegacyWeightedSumNumber {
 public:
  PZN();
};

class CAS final : public LegacyWeightedSumNumber {
 public:
  CAS();
};

template <>
struct Descriptor<PZN> {
  static constexpr std::string_view kName = "PZN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &PZN::CheckDigit}};
};

template <>
struct Descriptor<CAS> {
  static constexpr std::string_view kName = "CAS";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &CAS::CheckDigit}};
};

}  // namespace numerant
