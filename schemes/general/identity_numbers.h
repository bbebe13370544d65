// Three national identity numbers of a fixed length, with check characters
// from a weighted sum or a remainder looked up in a small table:
//   CPF  Brazilian taxpayer number: nine digits, two check digits modulo 11;
//   DNI  Spanish identity number: eight digits, a check letter modulo 23;
//   RUN  Chilean national number: eight digits, a check character "0" to "9"
//        or "K" modulo 11.
// They share one frame: strip the separators, require the exact length,
// compute on the payload, compare the trailing check text exactly.
//   CPF().Calculate("123.456.789");  // "09"
//   DNI().Calculate("12345678");     // "Z"
//   RUN().Check("12.345.678 5");     // true; a hyphen before the 5 is not stripped
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "shell/field_value.h"
#include "shell/scheme.h"

namespace numerant {

class CPF {
 public:
  // The integer -1 until computed, then two digits ("09").
  const FieldValue& CheckDigit() const { return check_digit_; }

  FieldValue Calculate(std::string_view number);
  bool Check(std::string_view number);

 private:
  FieldValue check_digit_{std::int16_t{-1}};
};

class DNI {
 public:
  // One capital letter, or "" when none is known.
  const std::string& CheckDigit() const { return check_digit_; }

  std::string Calculate(std::string_view code);
  bool Check(std::string_view code);

 private:
  std::string check_digit_;
};

class RUN {
 public:
  // "0" to "9" or "K"; "" before the first call and "-1" when a call computed
  // nothing.
  const std::string& CheckDigit() const { return check_digit_; }

  std::string Calculate(std::string_view code);
  bool Check(std::string_view code);

 private:
  std::string check_digit_;
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
