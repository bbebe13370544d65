// SPDX-License-Identifier: MIT
// libFuzzer target over every scheme class.
//
// The first byte picks a class (the 52 listed schemes, then the building
// blocks); the rest is the text. Each input goes through `Calculate` and
// `Check` on a fresh object and on one that has seen other numbers before,
// every property is read after each call, and `UPC.Convert` sees the same
// text. Beyond the sanitizers' findings, the target stops on:
//   - a `Calculate` result that differs from the `CheckDigit` it leaves;
//   - a result that depends on an earlier call on the same object;
//   - an `Explain` whose verdict or fields differ from `Check`'s, or whose
//     place does not point at the character it names;
//   - a `Complete` number that fails `Check`;
//   - a written form that does not read back: `Compact` of it that differs
//     from the number's, a valid number whose written form fails `Check`,
//     `Format` of a written form that writes it otherwise, and the same over
//     the text read as UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "schemes/catalogue.h"
#include "schemes/products/ean_upc.h"

namespace {

using numerant::CatalogueEntry;
using numerant::PropertyValue;
using numerant::Scheme;

std::vector<const CatalogueEntry*> AllClasses() {
  std::vector<const CatalogueEntry*> classes;
  for (const auto& list :
       {numerant::SchemeList(), numerant::BuildingBlocks(), numerant::FurtherFormats()}) {
    for (const CatalogueEntry& entry : list)
      classes.push_back(&entry);
  }
  return classes;
}

// Every property in text form, so that reading them cannot be optimised away
// and two objects can be compared.
std::string Snapshot(const Scheme& scheme) {
  std::string snapshot;
  scheme.VisitProperties([&snapshot](std::string_view name, const PropertyValue& value) {
    snapshot += name;
    snapshot += '=';
    std::visit(
        [&snapshot](const auto& held) {
          using T = std::decay_t<decltype(held)>;
          if constexpr (std::is_same_v<T, std::string>) {
            snapshot += held;
          } else if constexpr (std::is_same_v<T, numerant::FieldValue>) {
            snapshot += std::to_string(static_cast<int>(held.kind())) + ':' + held.ToString();
          } else {
            snapshot += std::to_string(held);
          }
        },
        value);
    snapshot += ';';
  });
  return snapshot;
}

std::string CheckDigitText(const Scheme& scheme) {
  std::string text;
  scheme.VisitProperties([&text](std::string_view name, const PropertyValue& value) {
    if (name != "CheckDigit") return;
    std::visit(
        [&text](const auto& held) {
          using T = std::decay_t<decltype(held)>;
          if constexpr (std::is_same_v<T, std::string>) {
            text = held;
          } else if constexpr (std::is_same_v<T, numerant::FieldValue>) {
            text = held.ToString();
          } else {
            text = std::to_string(held);
          }
        },
        value);
  });
  return text;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<const CatalogueEntry*> classes = AllClasses();
  // One object per class that lives across inputs, to catch state that
  // survives from one call into the next.
  static std::vector<std::unique_ptr<Scheme>> seasoned = [] {
    std::vector<std::unique_ptr<Scheme>> objects;
    for (const CatalogueEntry* entry : classes)
      objects.push_back(entry->create());
    return objects;
  }();
  static numerant::UPC seasoned_upc;

  if (size == 0) return 0;
  const std::size_t index = data[0] % classes.size();
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  Scheme& old = *seasoned[index];
  const std::unique_ptr<Scheme> fresh = classes[index]->create();

  const std::string calculated = fresh->CalculateText(text);
  Require(calculated == CheckDigitText(*fresh));
  const std::string after_calculate = Snapshot(*fresh);
  Require(old.CalculateText(text) == calculated);
  Require(Snapshot(old) == after_calculate);

  const bool valid = fresh->Check(text);
  const std::string after_check = Snapshot(*fresh);
  Require(old.Check(text) == valid);
  Require(Snapshot(old) == after_check);

  const numerant::Finding finding = old.Explain(text);
  Require(finding.valid() == valid);
  Require(Snapshot(old) == after_check);
  if (finding.kind == numerant::Finding::Kind::kBadCharacter) {
    Require(finding.place >= 1 && finding.place <= text.size());
    Require(text[finding.place - 1] == finding.character);
  }
  const std::string complete = fresh->Complete(text);
  if (!complete.empty()) Require(classes[index]->create()->Check(complete));

  const std::string compact = fresh->Compact(text);
  const std::string written = fresh->Format(text);
  Require(fresh->Compact(compact) == compact);
  Require(fresh->Compact(written) == compact);
  Require(fresh->Format(written) == written);
  if (valid) Require(classes[index]->create()->Check(written));
  const std::string written_utf8 = fresh->FormatUtf8(text);
  Require(fresh->FormatUtf8(written_utf8) == written_utf8);
  Require(fresh->CompactUtf8(written_utf8) == fresh->CompactUtf8(text));

  numerant::UPC upc;
  const std::string converted = upc.Convert(text);
  Require(seasoned_upc.Convert(text) == converted);
  Require(upc.CheckDigit() == seasoned_upc.CheckDigit());
  return 0;
}
