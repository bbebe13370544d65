// Numbers whose two trailing check digits come from the remainder of the
// number divided by 97, worked out by a private Modulo97 object:
//   OGM  Belgian structured payment reference: ten digits, remainder.
//   BTW  Belgian VAT number: seven digits, 97 minus the remainder.
//   SIS  Belgian social-insurance card: eight digits, remainder.
// They differ only in the marks they strip, their length and the direction
// of the check number, so one implementation serves all three.
//   OGM ogm;
//   ogm.Calculate("012/3456/789");   // "39"
//   BTW btw;
//   btw.Check("123.45.67-49");       // true
#pragma once

#include <cstddef>
#include <string_view>
#include <tuple>

#include "schemes/general/code_on_block.h"
#include "schemes/general/modulo97.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct Modulo97Layout {
  // Removed from the typed number, each kind in turn.
  std::string_view separators;
  // The digits before the two check digits.
  std::size_t stem_length;
  // The check number is 97 minus the remainder instead of the remainder.
  bool reverse;
};

// The one implementation behind OGM, BTW and SIS. The check digit is the
// integer -1 until check digits are known, then a text of two digits.
class Modulo97Number : public CodeOnBlock<Modulo97> {
 protected:
  explicit Modulo97Number(const Modulo97Layout& layout);

 private:
  bool AcceptsStemLength(std::size_t length) const override;

  std::size_t stem_length_;
};

class OGM final : public Modulo97Number {
 public:
  OGM();
};

class BTW final : public Modulo97Number {
 public:
  BTW();
};

class SIS final : public Modulo97Number {
 public:
  SIS();
};

template <>
struct Descriptor<OGM> {
  static constexpr std::string_view kName = "OGM";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &OGM::CheckDigit}};
};

template <>
struct Descriptor<BTW> {
  static constexpr std::string_view kName = "BTW";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BTW::CheckDigit}};
};

template <>
struct Descriptor<SIS> {
  static constexpr std::string_view kName = "SIS";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIS::CheckDigit}};
};

}  // namespace numerant
