// SPDX-License-Identifier: MIT
// es.nif: the Spanish tax identification number (NIF), which is also the VAT
// number: a person's DNI (8 digits and the letter of their remainder modulo
// 23), a foreigner's NIE (X, Y or Z and 7 digits, read as 0, 1 or 2 and the
// digits), a company's CIF (es.cif), or K, L or M and seven digits with the
// DNI's letter of the seven.
//   EsNif nif;
//   nif.Calculate("X5253868");       // "R"
//   nif.Check("ES B-64717838");      // true
//   nif.Check("54362315K");          // true
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"
#include "schemes/further/es/nie.h"
#include "schemes/further/kinded_number.h"
#include "schemes/personal/dni.h"

namespace numerant {

// The check character is "" until known.
class EsNif final : public KindedNumber<std::string> {
 public:
  EsNif();
  // Kind(): "DNI", "NIE", "CIF" or "KLM"; nothing until read.

 private:
  std::optional<std::string> ComputeCheckDigitAgainst(std::string_view payload,
                                                      std::string_view found) override;
  DNI dni_;
  EsNie nie_;
};

template <>
struct Descriptor<EsNif> {
  static constexpr std::string_view kName = "es.nif";
  static constexpr std::string_view kDisplayName = "NIF (Spain)";
  static constexpr std::string_view kDescription =
      "Spanish tax number: DNI, NIE, CIF, or K, L or M and 7 digits; modulo 23 letter or "
      "Luhn-based";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &EsNif::CheckDigit},
      Property{"Kind", &EsNif::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("B64717838", R"(Kind="CIF")"),
      Valid("ES B-58378431"),
      Valid("54362315K", R"(Kind="DNI")"),
      Valid("X-5253868-R", R"(Kind="NIE")"),
      Valid("M-1234567-L", R"(Kind="KLM")"),
      Valid("Q2876031B"),
      Valid("B6471783H"),
      Calculates("X5253868", "R"),
      Invalid("B64717839", "check character should be 8, not 9"),
      Invalid("O12345674", "the letter O cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
