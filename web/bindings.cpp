// SPDX-License-Identifier: MIT
// The scheme library for the browser: the catalogue and the `Scheme`
// interface, bound with embind. The page asks these and nothing else.
//
// JavaScript strings arrive as UTF-8 and reach the schemes as ISO-8859-1
// bytes, the same conversion the command line makes (a character outside
// ISO-8859-1 becomes "?"); what the schemes give back travels the other way.
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
//   s.fields()                       {AccountNumber: "...", CheckDigit: null, ...}
//   s.delete()                       every scheme object must be deleted
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "cli/encoding.h"
#include "shell/catalogue.h"
#include "shell/scheme.h"
#include "shell/version.h"

namespace numerant::web {
namespace {

using emscripten::val;

std::string ToUtf8(std::string_view latin1) {
  std::string utf8;
  cli::AppendLatin1AsUtf8(utf8, latin1);
  return utf8;
}

// A property value as the command line's JSON writes it: booleans, numbers
// and strings as themselves, and a FieldValue as its string when it holds
// one, otherwise null (an integer there means "not decoded yet").
val PropertyToJs(const PropertyValue& value) {
  return std::visit(
      [](const auto& held) -> val {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          return val(held);
        } else if constexpr (std::is_same_v<T, std::string>) {
          return val(ToUtf8(held));
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          return held.IsString() ? val(ToUtf8(held.Text())) : val::null();
        } else {
          return val(static_cast<int>(held));
        }
      },
      value);
}

std::string Calculate(Scheme& scheme, const std::string& utf8) {
  std::string storage;
  return ToUtf8(scheme.CalculateText(cli::Utf8ToLatin1(utf8, storage)));
}

bool Check(Scheme& scheme, const std::string& utf8) {
  std::string storage;
  return scheme.Check(cli::Utf8ToLatin1(utf8, storage));
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

// ---- Explain and Complete -------------------------------------------------
// The Scheme interface does not have them yet. When it does, bind them to
// the class below as
//   .function("explain", &Explain)    Explain(utf8): the finding as a plain
//       object in the JSON form of the command line's "reason": {kind,
//       expected, found, place, character, length, lengths}, only the members
//       that apply, strings as UTF-8;
//   .function("complete", &Complete)  Complete(utf8): the number with its
//       check characters in place, as UTF-8; "" when there are none.
// Both take their text through cli::Utf8ToLatin1 like Check. The page looks
// for these two functions and shows the reason of a failed check and the
// complete number as soon as they exist; until then it hides both.
// ---------------------------------------------------------------------------

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
      .function("fields", &Fields);
}

}  // namespace numerant::web
