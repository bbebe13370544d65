// SPDX-License-Identifier: MIT
// The ISO 7064 numbers: a payload followed by the check characters of one of
// the systems of ISO 7064 (core/iso7064.h). The building blocks, NIH, BZU,
// GRid, ISNI, ORCID, LEI, the creditor reference, the Croatian OIB, the
// Chinese identity number and the German tax numbers differ only in their
// system, shape and fields, in what the system reads and in how a check
// value is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/check_digit_number.h"
#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {

enum class Iso7064System { kMod11_2, kMod37_2, kMod97_10, kMod11_10, kMod37_36 };

// Whether the system reads capitals as well as digits.
constexpr bool ReadsLetters(Iso7064System system) {
  return system == Iso7064System::kMod37_2 || system == Iso7064System::kMod97_10 ||
         system == Iso7064System::kMod37_36;
}

// The check value of a payload: 0 to 10 (MOD 11-2), 0 to 36 (MOD 37-2), 2 to
// 98 (MOD 97-10), 0 to 9 (MOD 11,10) or 0 to 35 (MOD 37,36); nothing for an
// empty payload or one holding a character the system does not read.
inline std::optional<int> Iso7064CheckValue(Iso7064System system, std::string_view payload) {
  switch (system) {
    case Iso7064System::kMod11_2:
      return Mod112CheckValue(payload);
    case Iso7064System::kMod37_2:
      return Mod372CheckValue(payload);
    case Iso7064System::kMod97_10:
      return Mod9710CheckValue(payload);
    case Iso7064System::kMod11_10:
      return Mod1110CheckDigit(payload);
    case Iso7064System::kMod37_36:
      return Mod3736CheckValue(payload);
  }
  return std::nullopt;
}

// A check value written as ISO 7064 writes it: "X" for 10 under MOD 11-2,
// "*" for 36 under MOD 37-2, two digits under MOD 97-10, otherwise the
// character of that value among "0" to "9" and "A" to "Z".
inline std::string Iso7064CheckText(Iso7064System system, int value) {
  if (system == Iso7064System::kMod97_10) return TwoDigits(value);
  if (system == Iso7064System::kMod11_2 && value == 10) return "X";
  if (system == Iso7064System::kMod37_2 && value == 36) return "*";
  return std::string(1, kAlphanumeric[static_cast<std::size_t>(value)]);
}

// `Format` is the class of the format itself, which derives from this; the
// check digit is a number (std::int16_t) or a text (std::string).
template <typename Format, typename Value = std::string, typename Fields = NoFields>
class Iso7064Number : public CheckDigitNumber<Value, Fields> {
 protected:
  // `read_last`: how many of the payload's leading characters the system
  // reads after the others, for a rule that moves them (IBAN its country
  // code, ISO 11649 its "RF"). A character the system does not read is
  // still rejected at its place in the payload, whichever part it stands in.
  Iso7064Number(Iso7064System system, const NumberShape& shape, std::size_t read_last = 0)
      : CheckDigitNumber<Value, Fields>(shape), system_(system), read_last_(read_last) {}

  // The check digit of a check value; a scheme whose rule writes a value
  // otherwise gives its own.
  virtual Value CheckDigitOf(int value) const {
    if constexpr (std::is_same_v<Value, std::int16_t>) {
      return static_cast<std::int16_t>(value);
    } else {
      return Value(Iso7064CheckText(system_, value));
    }
  }

 private:
  std::optional<Value> ComputeCheckDigit(std::string_view payload) final {
    // Reached through the format's own class, when it is final, the hooks
    // are called directly rather than through the table of virtual
    // functions; a format that overrides them privately names this base its
    // friend.
    Format& self = static_cast<Format&>(*this);
    if (!self.DecodeFields(payload)) return std::nullopt;
    if (const auto value = SystemValue(payload)) return self.CheckDigitOf(*value);
    if (!ReadsLetters(system_)) return this->RejectNonDigit(payload);
    const std::size_t at = FirstNonAlphanumeric(payload);
    return at < payload.size() ? this->RejectCharacter(at) : std::nullopt;
  }

  // The system's check value of the payload, its first `read_last_`
  // characters read last.
  std::optional<int> SystemValue(std::string_view payload) const {
    if (read_last_ == 0 || read_last_ >= payload.size()) return Iso7064CheckValue(system_, payload);
    const std::string_view first(payload.data() + read_last_, payload.size() - read_last_);
    const std::string_view second(payload.data(), read_last_);
    // MOD 97-10 reads the two parts in turn; another system is given them
    // joined.
    if (system_ == Iso7064System::kMod97_10) return Mod9710CheckValue(first, second);
    return Iso7064CheckValue(system_, std::string(first).append(second));
  }

  Iso7064System system_;
  std::size_t read_last_;
};

}  // namespace numerant
