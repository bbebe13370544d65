// Three national identity numbers of a fixed length, with check characters
// from a weighted sum or a remainder looked up in a small table:
//   CPF  Brazilian taxpayer number: nine digits, two check digits modulo 11;
//   DNI  Spanish identity number: eight digits, a check letter modulo 23;
//   RUN  Chilean national number: eight digits, a check character "0" to "9"
//        or "K" modulo 11.
//   CPF().Calculate("123.456.789");  // "09"
//   DNI().Calculate("12345678");     // "Z"
//   RUN().Check("12.345.678 5");     // true; a hyphen before the 5 is not stripped
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is the integer -1 until computed, then two digits ("09").
class CPF final : public CheckDigitNumber<FieldValue> {
 public:
  CPF();

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<FieldValue> ComputeCheckDigit(std::string_view payload) override;
};

// The check digit is one capital letter, or "" when none is known.
class DNI final : public CheckDigitNumber<std::string> {
 public:
  DNI();

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

// The check digit is "0" to "9" or "K"; "" before the first call and "-1"
// when a call computed nothing.
class RUN final : public CheckDigitNumber<std::string> {
 public:
  RUN();

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<CPF> {
  static constexpr std::string_view kName = "CPF";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &CPF::CheckDigit}};
};

template <>
struct Descriptor<DNI> {
  static constexpr std::string_view kName = "DNI";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DNI::CheckDigit}};
};

template <>
struct Descriptor<RUN> {
  static constexpr std::string_view kName = "RUN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &RUN::CheckDigit}};
};

}  // namespace numerant
