// Retail article numbers: `EAN` (EAN-13 and EAN-8) and `UPC` (UPC-A and the
// zero-suppressed UPC-E). Both take their check digit from a private
// `Modulo10` and split the number into number system, manufacturer and
// product; `UPC` also converts between its two forms.
//   EAN ean;
//   ean.Calculate("978-0-306-40615");   // 7; NumberSystem() == "978"
//   UPC upc;
//   upc.Calculate("0425261");           // 4, the check digit of 04210000526
//   upc.Convert("04252614");            // "042100005264"
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/general/code_on_block.h"
#include "schemes/general/modulo10.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class EAN final : public CodeOnBlock<Modulo10> {
 public:
  // The integer -1 for an EAN-8, which has no manufacturer code.
  const FieldValue& ManufacturerCode() const { return manufacturer_code_; }
  const FieldValue& NumberSystem() const { return number_system_; }
  const FieldValue& ProductCode() const { return product_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override { return length == 7 || length == 12; }
  void ResetFields() override;
  bool Prepare(std::string& stem) override;

  FieldValue manufacturer_code_{std::int16_t{0}};
  FieldValue number_system_{std::int16_t{0}};
  FieldValue product_code_{std::int16_t{0}};
};

class UPC final : public CodeOnBlock<Modulo10> {
 public:
  const FieldValue& ManufacturerCode() const { return manufacturer_code_; }
  std::uint8_t NumberSystem() const { return number_system_; }
  const FieldValue& ProductCode() const { return product_code_; }

  // A UPC-E number (7 characters, or 8 with its check digit) in its UPC-A
  // form, or a UPC-A number (11 or 12) in its UPC-E form; a check digit is
  // carried over unchanged. "" when the number has no other form.
  std::string Convert(std::string_view number);

 private:
  bool AcceptsStemLength(std::size_t length) const override { return length == 7 || length == 11; }
  void ResetFields() override;
  bool Prepare(std::string& stem) override;

  FieldValue manufacturer_code_{std::int16_t{0}};
  std::uint8_t number_system_ = 0;
  FieldValue product_code_{std::int16_t{0}};
};

template <>
struct Descriptor<EAN> {
  static constexpr std::string_view kName = "EAN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &EAN::CheckDigit},
                                          Property{"ManufacturerCode", &EAN::ManufacturerCode},
                                          Property{"NumberSystem", &EAN::NumberSystem},
                                          Property{"ProductCode", &EAN::ProductCode}};
};

template <>
struct Descriptor<UPC> {
  static constexpr std::string_view kName = "UPC";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &UPC::CheckDigit},
                                          Property{"ManufacturerCode", &UPC::ManufacturerCode},
                                          Property{"NumberSystem", &UPC::NumberSystem},
                                          Property{"ProductCode", &UPC::ProductCode}};
};

}  // namespace numerant
