// HETU and NID: personal numbers whose check is one character, so that the
// check digit, `Calculate` and the comparison in `Check` work on strings, and
// that show the same fields of birth date, century, sex and serial.
//
// HETU  DDMMYY C ZZZ Q   C the century sign ("+" 1800s, "-" 1900s, "A" 2000s),
//                        ZZZ odd for men; Q picked by the nine digits mod 31
// NID   D Y MM DD SSS Q  D the decade, its kind the century (digit, "A" to
//                        "J", "K" to "T"); MM raised by 50 for women; Q from
//                        a position-weighted sum modulo 23
// The hyphen is a HETU century sign and so stays in the text; NID strips it.
//   HETU hetu;
//   hetu.Calculate("010100A123");    // "D"
//   NID nid;
//   nid.Check("850315123G");         // true
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

class CheckCharacterCode : public CheckDigitNumber<std::string> {
 public:
  const FieldValue& BirthDate() const { return birth_date_; }
  std::uint8_t Century() const { return century_; }
  std::int32_t Gender() const { return gender_; }

 protected:
  CheckCharacterCode(std::string_view separators, std::size_t body_length)
      : CheckDigitNumber({.separators = separators}), body_length_(body_length) {}

  FieldValue birth_date_ = std::int16_t{0};
  std::uint8_t century_ = 0;
  std::int32_t gender_ = 0;
  // The individual number of HETU, the sequence number of NID.
  FieldValue serial_ = std::int16_t{0};

 private:
  bool AcceptsStemLength(std::size_t length) const override { return length == body_length_; }
  void ResetFields() override;

  std::size_t body_length_;
};

class HETU final : public CheckCharacterCode {
 public:
  HETU() : CheckCharacterCode(" ", 10) {}

  const FieldValue& IdentificationNumber() const { return serial_; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view body) override;
};

class NID final : public CheckCharacterCode {
 public:
  NID() : CheckCharacterCode(" -", 9) {}

  const FieldValue& SequenceNumber() const { return serial_; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view body) override;
};

template <>
struct Descriptor<HETU> {
  static constexpr std::string_view kName = "HETU";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &HETU::BirthDate}, Property{"Century", &HETU::Century},
      Property{"CheckDigit", &HETU::CheckDigit}, Property{"Gender", &HETU::Gender},
      Property{"IdentificationNumber", &HETU::IdentificationNumber}};
};

template <>
struct Descriptor<NID> {
  static constexpr std::string_view kName = "NID";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &NID::BirthDate}, Property{"Century", &NID::Century},
      Property{"CheckDigit", &NID::CheckDigit}, Property{"Gender", &NID::Gender},
      Property{"SequenceNumber", &NID::SequenceNumber}};
};

}  // namespace numerant
