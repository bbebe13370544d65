// SPDX-License-Identifier: MIT
// The scheme library for the browser: the catalogue and the `Scheme`
// interface, bound with embind. The page asks these and nothing else.
//
// Text crosses as the window hands it over: JavaScript strings arrive as
// UTF-32 (embind's std::wstring) and reach the schemes as ISO-8859-1 bytes,
// each character outside ISO-8859-1 becoming "?"; what the schemes give back
// travels the other way. Findings and fields arrive as plain objects in the
// form that numerant-cli --json writes them.
//
// From JavaScript:
//   const numerant = await createNumerant();
//   numerant.version                 "1.0.0"
//   numerant.schemeList()            ["ACL", "ACN", ...], the 52 names in list order
//   numerant.buildingBlocks()        ["Luhn", "Modulo10", "Modulo97"]
//   const s = numerant.createScheme(22);   // a fresh IBAN; null outside the list
//   const t = numerant.findScheme("iban"); // by name, any case; null when unknown
//   s.name()                         "IBAN"
//   s.calculate("DE..")              the check digit(s) as the window shows them
//   s.check("DE89...")               true or false
//   s.explain("DE88...")             {kind: "check-digit", expected: "89", found: "88",
//                                     description: "check digits should be 89, not 88"}
//   s.complete("DE3704...")          "DE89370400440532013000"
//   s.fields()                       {AccountNumber: "...", CheckDigit: "89", ...}
//   s.delete()                       every scheme object must be deleted
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/finding.h"
#include "core/scheme.h"
#include "core/version.h"
#include "schemes/catalogue.h"

namespace numerant::web {
namespace {

using emscripten::val;

// One ISO-8859-1 byte per character; "?" for a character outside that set.
std::string ToLatin1(const std::wstring& text) {
  std::string latin1(text.size(), '?');
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] >= 0 && text[i] <= 0xFF) latin1[i] = static_cast<char>(text[i]);
  }
  return latin1;
}

std::wstring FromLatin1(std::string_view latin1) {
  std::wstring text(latin1.size(), L'\0');
  for (std::size_t i = 0; i < latin1.size(); ++i)
    text[i] = static_cast<wchar_t>(static_cast<unsigned char>(latin1[i]));
  return text;
}

val Text(std::string_view latin1) {
  return val(FromLatin1(latin1));
}

// A property value as numerant-cli --json writes a field: booleans, numbers
// and strings as themselves, and a FieldValue as its string once the number
// has set one, null before (it holds the integer it was reset to).
val PropertyToJs(const PropertyValue& value) {
  return std::visit(
      [](const auto& held) -> val {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          return val(held);
        } else if constexpr (std::is_same_v<T, std::string>) {
          return Text(held);
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          return held.IsString() ? Text(held.Text()) : val::null();
        } else {
          return val(static_cast<int>(held));
        }
      },
      value);
}

val LengthsToJs(const Lengths& lengths) {
  val ranges = val::array();
  for (const LengthRange& range : lengths.ranges()) {
    val pair = val::array();
    pair.call<void>("push", static_cast<double>(range.min));
    pair.call<void>("push", range.max == LengthRange::kUnbounded
                                ? val::null()
                                : val(static_cast<double>(range.max)));
    ranges.call<void>("push", pair);
  }
  return ranges;
}

// A finding with the members that apply to its kind, as numerant-cli --json
// writes its "reason", and `description`, the finding in the library's words.
val FindingToJs(const Finding& finding) {
  val object = val::object();
  object.set("kind", std::string(KindName(finding.kind)));
  switch (finding.kind) {
    case Finding::Kind::kWrongLength:
      object.set("length", static_cast<double>(finding.length));
      object.set("lengths", LengthsToJs(finding.lengths));
      break;
    case Finding::Kind::kBadCharacter:
      object.set("place", static_cast<double>(finding.place));
      object.set("character", Text(std::string_view(&finding.character, 1)));
      break;
    case Finding::Kind::kWrongCheckDigit:
      object.set("expected", Text(finding.expected));
      object.set("found", Text(finding.found));
      break;
    case Finding::Kind::kNoSuchDate:
      object.set("date", Text(finding.date));
      break;
    case Finding::Kind::kUnknownPrefix:
      object.set("found", Text(finding.found));
      break;
    case Finding::Kind::kValid:
    case Finding::Kind::kEmpty:
    case Finding::Kind::kNoCheckDigit:
      break;
  }
  object.set("description", Text(Describe(finding)));
  return object;
}

std::wstring Calculate(Scheme& scheme, const std::wstring& number) {
  return FromLatin1(scheme.CalculateText(ToLatin1(number)));
}

bool Check(Scheme& scheme, const std::wstring& number) {
  return scheme.Check(ToLatin1(number));
}

// The finding behind Check's answer; leaves the object as Check does.
val Explain(Scheme& scheme, const std::wstring& number) {
  return FindingToJs(scheme.Explain(ToLatin1(number)));
}

// The number with its check characters in place; "" when there are none.
std::wstring Complete(Scheme& scheme, const std::wstring& payload) {
  return FromLatin1(scheme.Complete(ToLatin1(payload)));
}

std::string Name(const Scheme& scheme) {
  return std::string(scheme.Name());
}

// Every public property of the scheme object after its last call, by name.
val Fields(const Scheme& scheme) {
  val fields = val::object();
  scheme.VisitProperties([&fields](std::string_view name, const PropertyValue& value) {
    fields.set(std::string(name), PropertyToJs(value));
  });
  return fields;
}

val Names(std::span<const CatalogueEntry> entries) {
  val names = val::array();
  for (const CatalogueEntry& entry : entries)
    names.call<void>("push", std::string(entry.name));
  return names;
}

val SchemeListNames() {
  return Names(SchemeList());
}

val BuildingBlockNames() {
  return Names(BuildingBlocks());
}

// JavaScript owns the object it receives and frees it with delete().
Scheme* CreateAt(int position) {
  return CreateScheme(position).release();
}

Scheme* CreateByName(const std::string& name) {
  const CatalogueEntry* entry = FindScheme(name);
  return entry != nullptr && entry->create != nullptr ? entry->create().release() : nullptr;
}

}  // namespace

EMSCRIPTEN_BINDINGS(numerant) {
  using emscripten::allow_raw_pointers;
  emscripten::constant("version", std::string(kVersion));
  emscripten::function("schemeList", &SchemeListNames);
  emscripten::function("buildingBlocks", &BuildingBlockNames);
  emscripten::function("createScheme", &CreateAt, allow_raw_pointers());
  emscripten::function("findScheme", &CreateByName, allow_raw_pointers());
  emscripten::class_<Scheme>("Scheme")
      .function("name", &Name)
      .function("calculate", &Calculate)
      .function("check", &Check)
      .function("explain", &Explain)
      .function("complete", &Complete)
      .function("fields", &Fields);
}

}  // namespace numerant::web
