// DEA: a registration number of two letters (the registrant type "A" or "B"
// and the initial of the last name), six digits and a check digit, the last
// decimal digit of the odd-placed digits plus twice the even-placed ones.
//   DEA dea;
//   dea.Calculate("AB123456");   // 3
//   dea.Check("ab123456-3");     // true: upper-cased, hyphen stripped
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class DEA final : public CheckDigitNumber<std::int16_t> {
 public:
  DEA();

  const std::string& LastNameInitial() const { return last_name_initial_; }
  // The integer 0 until a number has been parsed, then its six digits' text.
  const FieldValue& PrescriberNumber() const { return prescriber_number_; }
  const std::string& RegistrantType() const { return registrant_type_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) override;
  void ResetFields() override;

  std::string last_name_initial_;
  FieldValue prescriber_number_{std::int16_t{0}};
  std::string registrant_type_;
};

template <>
struct Descriptor<DEA> {
  static constexpr std::string_view kName = "DEA";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DEA::CheckDigit},
                                          Property{"LastNameInitial", &DEA::LastNameInitial},
                                          Property{"PrescriberNumber", &DEA::PrescriberNumber},
                                          Property{"RegistrantType", &DEA::RegistrantType}};
};

}  // namespace numerant
