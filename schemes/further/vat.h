// SPDX-License-Identifier: MIT
// vat: a VAT number with its country prefix, answered by that country's
// format: the 27 member states of the EU (EL for Greece, which GR also
// names), XI for Northern Ireland and GB, CH (CHE-...), NO (...MVA) and AU.
// The prefix stays in the number the country's format reads, as each takes
// it, so that a place in an explanation counts in the text as typed.
//   Vat vat;
//   vat.Calculate("DE13669597");      // 6, by de.vat
//   vat.Check("EL 094259216");        // true, by gr.vat; Country "EL"
//   vat.Explain("QQ123");             // "unknown country prefix QQ"
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/field_value.h"
#include "core/finding.h"
#include "core/number_shape.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

class Vat final {
 public:
  Vat();
  Vat(const Vat&) = delete;
  Vat& operator=(const Vat&) = delete;

  // The country's check characters as a text ("6", "84", "K7"); nothing
  // while none is known, and for an unknown prefix.
  const FieldValue& CheckDigit() const { return check_digit_; }
  // The prefix as the country is named by it ("EL", "XI"); nothing when no
  // country has it.
  const FieldValue& Country() const { return country_; }
  // The lookup name of the format that answered ("gr.vat").
  const FieldValue& Format() const { return format_; }

  FieldValue Calculate(std::string_view number);
  bool Check(std::string_view number);
  Finding Explain(std::string_view number);
  // The country's complete number behind its prefix.
  std::string Complete(std::string_view payload);
  const NumberShape& Shape() const { return shape_; }
  // The prefix as the country writes it, before the country format's
  // compact or written form; without blanks and upper-cased for an unknown
  // prefix.
  std::string Compact(std::string_view number);
  std::string WrittenForm(std::string_view number);

  // The prefixes, in alphabetical order, and the formats that answer them.
  struct CountryFormat {
    std::string_view prefix;
    std::string_view format;
    SchemeFactory create;
    // Whether the format reads the prefix itself; otherwise it is given the
    // text after it.
    bool takes_prefix = true;
    // What the country writes before the number: the prefix, or CHE.
    std::string_view written = prefix;
  };
  static std::span<const CountryFormat> Countries();

 private:
  // The format for the number's prefix, with the fields Country and Format
  // set, the text it reads and how many typed characters stand before that
  // text; null for an unknown prefix, whose letters `prefix` then holds.
  Scheme* Dispatch(std::string_view number, std::string_view& text, std::size_t& offset,
                   std::string& prefix);
  // The country format's CheckDigit, read after a call.
  void ReadCheckDigit(const Scheme& format);

  std::array<std::unique_ptr<Scheme>, 33> formats_;
  FieldValue check_digit_;
  FieldValue country_;
  FieldValue format_;
  std::string_view written_;
  NumberShape shape_;
};

template <>
struct Descriptor<Vat> {
  static constexpr std::string_view kName = "vat";
  static constexpr std::string_view kDisplayName = "VAT number";
  static constexpr std::string_view kDescription =
      "VAT number of an EU member state, the UK, Switzerland, Norway or Australia, by its country "
      "prefix";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Vat::CheckDigit},
      Property{"Country", &Vat::Country},
      Property{"Format", &Vat::Format},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("DE136695976", R"(Country="DE" Format="de.vat")"),
      Valid("EL 094259216"),
      Valid("XI980780684"),
      Valid("CHE-107.787.577 MWST"),
      Valid("AU83914571673"),
      Calculates("DE13669597", "6"),
      Calculates("FR303265045", "40"),
      Invalid("QQ123", "unknown country prefix QQ"),
      Invalid("DE 136695978", "check digit should be 6, not 8"),
      Invalid("AU 8X914571673", "the letter X cannot stand at place 5"),
  };
  // Examples end
};

}  // namespace numerant
