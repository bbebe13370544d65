// Three codes whose check digit comes whole from a building block, adding only
// a length and a split into fields: `ACL` (13-digit article code with a
// four-digit prefix and a one-digit category, `Modulo10`), `BOL` (17 digits,
// `Modulo10`) and `OPC` (10 digits: five of manufacturer, four of product,
// `Luhn`).
//   ACL acl;
//   acl.Calculate("340156000000");   // 9; PrefixCode() == "3401", CategoryCode() == 5
//   OPC opc;
//   opc.Check("12345-6789-7");       // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/general/code_on_block.h"
#include "schemes/general/luhn.h"
#include "schemes/general/modulo10.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class ACL final : public CodeOnBlock<Modulo10> {
 public:
  std::uint8_t CategoryCode() const { return category_code_; }
  const FieldValue& PrefixCode() const { return prefix_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override { return length == 12; }
  void ResetFields() override;
  bool Prepare(std::string& stem) override;

  std::uint8_t category_code_ = 0;
  FieldValue prefix_code_{std::int16_t{0}};
};

class BOL final : public CodeOnBlock<Modulo10> {
 private:
  bool AcceptsStemLength(std::size_t length) const override { return length == 16; }
};

class OPC final : public CodeOnBlock<Luhn> {
 public:
  const FieldValue& ManufacturerCode() const { return manufacturer_code_; }
  const FieldValue& ProductCode() const { return product_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override { return length == 9; }
  void ResetFields() override;
  bool Prepare(std::string& stem) override;

  FieldValue manufacturer_code_{std::int16_t{0}};
  FieldValue product_code_{std::int16_t{0}};
};

template <>
struct Descriptor<ACL> {
  static constexpr std::string_view kName = "ACL";
  static constexpr std::tuple kProperties{Property{"CategoryCode", &ACL::CategoryCode},
                                          Property{"CheckDigit", &ACL::CheckDigit},
                                          Property{"PrefixCode", &ACL::PrefixCode}};
};

template <>
struct Descriptor<BOL> {
  static constexpr std::string_view kName = "BOL";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BOL::CheckDigit}};
};

template <>
struct Descriptor<OPC> {
  static constexpr std::string_view kName = "OPC";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &OPC::CheckDigit},
                                          Property{"ManufacturerCode", &OPC::ManufacturerCode},
                                          Property{"ProductCode", &OPC::ProductCode}};
};

}  // namespace numerant
