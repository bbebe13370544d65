// SPDX-License-Identifier: MIT
// The numbers of several kinds, each kind with its own rule, whose check
// character is worked out against the one typed: some kinds take either of
// two characters, and the one typed decides. The kind read is a field.
#pragma once

#include <optional>
#include <string_view>

#include "core/check_digit_number.h"
#include "core/field_value.h"

namespace numerant {

struct KindFields {
  FieldValue kind;
};

template <typename Value>
class KindedNumber : public CheckDigitNumber<Value, KindFields> {
 public:
  // The kind read; nothing until read.
  const FieldValue& Kind() const { return this->fields().kind; }

 protected:
  using CheckDigitNumber<Value, KindFields>::CheckDigitNumber;

 private:
  // Without a typed character, each kind's usual one.
  std::optional<Value> ComputeCheckDigit(std::string_view payload) final {
    return this->ComputeCheckDigitAgainst(payload, {});
  }
};

}  // namespace numerant
