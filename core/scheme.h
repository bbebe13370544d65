// SPDX-License-Identifier: MIT
// The common face of the scheme classes, seen from the window and the
// command line.
//
// Every scheme class is a plain class with the same public face:
//   - read-only properties in alphabetical order, `CheckDigit` among them;
//   - `Calculate(number)`, returning the check digit(s) in the class's kind
//     (std::int16_t, std::string or FieldValue);
//   - `Check(number)`, returning bool;
//   - `IsValid(number)`, the same answer by the fieldless route: no fields
//     cut, no check digit kept, nothing for an explanation;
//   - `Explain(number)`, the finding behind `Check`'s answer, and
//     `Complete(payload)`, the payload with its check characters;
//   - `Compact(number)`, the number as the scheme reads it.
// How a number is written for people is said by its `Descriptor`: a pattern
// `kWrittenForm` (core/written_form.h), or for an irregular form a function
// `WrittenForm(compact)`; a scheme without either is written compact.
// Neither operation ever throws; unusable input gives the unset check digit
// and false. Beside each class stands its `Descriptor` specialisation, which
// names the class and lists its public properties; `SchemeAdapter` turns any
// described class into a `Scheme`, the one interface the window and the
// command line drive.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/example.h"
#include "core/facts.h"
#include "core/field_value.h"
#include "core/finding.h"
#include "core/number_shape.h"
#include "core/written_form.h"

namespace numerant {

// The value of one public property: a boolean, a byte, an integer, a long, a
// string or a FieldValue.
using PropertyValue =
    std::variant<bool, std::uint8_t, std::int16_t, std::int32_t, std::string, FieldValue>;

// One read-only public property of a scheme class: its name and its getter.
// The getter may belong to a base that the class shares with its family.
template <typename Class, typename Result>
struct Property {
  std::string_view name;
  Result (Class::*read)() const;
};
template <typename Class, typename Result>
Property(std::string_view, Result (Class::*)() const) -> Property<Class, Result>;

// Specialised beside each scheme class: the class name, a one-line
// description (UTF-8, as the README's scheme table shows it), the public
// properties and the worked examples (core/example.h).
//   template <> struct Descriptor<Luhn> {
//     static constexpr std::string_view kName = "Luhn";
//     static constexpr std::string_view kDescription = "...";
//     static constexpr std::tuple kProperties{Property{"CheckDigit", &Luhn::CheckDigit}};
//     static constexpr Example kExamples[] = {Valid("79927398713")};
//   };
template <typename SchemeClass>
struct Descriptor;

// A written form given as a pattern, or as a function of the compact form.
template <typename T>
concept WrittenAsPattern = requires {
  { Descriptor<T>::kWrittenForm } -> std::convertible_to<std::string_view>;
};
template <typename T>
concept WrittenByFunction = requires(std::string_view compact) {
  { Descriptor<T>::WrittenForm(compact) } -> std::convertible_to<std::string>;
};
// A country prefix people write before the number that the scheme itself
// does not strip; `Compact` removes it.
template <typename T>
concept HasCountryPrefix = requires {
  { Descriptor<T>::kCountryPrefix } -> std::convertible_to<std::string_view>;
};

template <typename T>
concept DescribedScheme = requires(T scheme, std::string_view text) {
  { Descriptor<T>::kName } -> std::convertible_to<std::string_view>;
  { Descriptor<T>::kDescription } -> std::convertible_to<std::string_view>;
  Descriptor<T>::kProperties;
  {std::span<const Example>(Descriptor<T>::kExamples)};
  scheme.Calculate(text);
  { scheme.Check(text) } -> std::same_as<bool>;
};

// The text form of a `Calculate` result, as the window shows it.
inline std::string ResultText(std::int16_t value) {
  return std::to_string(value);
}
inline std::string ResultText(const std::string& value) {
  return value;
}
inline std::string ResultText(const FieldValue& value) {
  return value.ToString();
}

// One named part of a number as it is written: ISBN's "group" or
// "registrant", in the order they are written.
struct WrittenPart {
  std::string_view name;
  std::string text;

  friend bool operator==(const WrittenPart&, const WrittenPart&) = default;
};

// A format whose written form falls into named parts gives them from its
// compact form in its `Descriptor`, as
//   static std::vector<WrittenPart> WrittenParts(std::string_view compact);
// with nothing for a number it cannot split.
template <typename T>
concept WrittenInParts = requires(std::string_view compact) {
  { Descriptor<T>::WrittenParts(compact) } -> std::same_as<std::vector<WrittenPart>>;
};

// The interface through which the window and the command line drive any
// scheme object without knowing its class.
class Scheme {
 public:
  virtual ~Scheme() = default;

  virtual std::string_view Name() const = 0;
  // `Calculate`, its result in text form ("-1", "", "07", "X").
  virtual std::string CalculateText(std::string_view number) = 0;
  virtual bool Check(std::string_view number) = 0;
  // Whether the number is valid: always `Check`'s answer, reached without
  // cutting fields or keeping the check digit, for the callers that want
  // the verdict alone (a batch of numbers, a database column). The
  // properties are left unspecified; read them after `Check`.
  virtual bool IsValid(std::string_view number) = 0;
  // Whether the number is valid, and if not, the first reason why; leaves
  // the object as `Check` leaves it.
  virtual Finding Explain(std::string_view number) = 0;
  // The payload with its check characters in their place; empty when it
  // has none.
  virtual std::string Complete(std::string_view payload) = 0;
  // Separators, lengths and check characters of the scheme's numbers.
  virtual const NumberShape& Shape() const = 0;
  // Calls visit(name, value) for each public property, in declaration order.
  virtual void VisitProperties(
      const std::function<void(std::string_view, const PropertyValue&)>& visit) const = 0;

  // The number as the scheme stores it: without separators, upper-cased
  // where the scheme folds case, without a country prefix. Compacting twice
  // changes nothing.
  virtual std::string Compact(std::string_view number) = 0;
  // The number in its customary written form, made from its compact form
  // with only characters that `Compact` removes again; the compact form
  // where there is no customary one, or where the number does not fit it.
  virtual std::string Format(std::string_view number) = 0;

  // The parts of the written form, for a format that names them (ISBN's
  // prefix, group, registrant, publication and check digit); nothing for
  // any other, and for a number the format cannot split.
  virtual std::vector<WrittenPart> FormatParts(std::string_view number) = 0;

  // The same over UTF-8 text, in which look-alikes of ASCII characters
  // (dashes, spaces of other widths, full-width digits and letters) are
  // taken as those characters first; the answer is UTF-8 too.
  // (core/translation.cpp)
  std::string CompactUtf8(std::string_view utf8);
  std::string FormatUtf8(std::string_view utf8);

  // What the decoded number tells, for each face to put into words: the
  // fields that hold something, a birth date as a date, a gender, a
  // country.
  virtual Facts Tell() const = 0;
};

// The facts of the fields, each read by its name: `BirthDate` through
// `birth_day` when the format can tell the day (else as its digits),
// `Gender` as a word, the field named `country_field` as a country. The
// check digit, and `Century` when the date holds it, are left out.
Facts FactsOfProperties(const Scheme& scheme, const BirthDay* birth_day,
                        std::string_view country_field);

// A format whose birth date is a day of the calendar says which:
//   BirthDay Birthday() const;
template <typename T>
concept TellsBirthDay = requires(const T& scheme) {
  { scheme.Birthday() } -> std::same_as<BirthDay>;
};

// A format whose field holds an ISO 3166 country code names it in its
// Descriptor: static constexpr std::string_view kCountryField = "CountryCode";
template <typename T>
concept NamesCountryField = requires {
  { Descriptor<T>::kCountryField } -> std::convertible_to<std::string_view>;
};

template <DescribedScheme T>
class SchemeAdapter final : public Scheme {
 public:
  std::string_view Name() const override { return Descriptor<T>::kName; }
  std::string CalculateText(std::string_view number) override {
    return ResultText(scheme_.Calculate(number));
  }
  bool Check(std::string_view number) override { return scheme_.Check(number); }
  bool IsValid(std::string_view number) override {
    // A class outside the common course answers by its `Check`.
    if constexpr (requires { scheme_.IsValid(number); }) {
      return scheme_.IsValid(number);
    } else {
      return scheme_.Check(number);
    }
  }
  Finding Explain(std::string_view number) override { return scheme_.Explain(number); }
  std::string Complete(std::string_view payload) override { return scheme_.Complete(payload); }
  const NumberShape& Shape() const override { return scheme_.Shape(); }
  void VisitProperties(
      const std::function<void(std::string_view, const PropertyValue&)>& visit) const override {
    std::apply(
        [&](const auto&... property) { (visit(property.name, ReadProperty(property)), ...); },
        Descriptor<T>::kProperties);
  }

  Facts Tell() const override {
    BirthDay day;
    const BirthDay* birth_day = nullptr;
    if constexpr (TellsBirthDay<T>) {
      day = scheme_.Birthday();
      birth_day = &day;
    }
    std::string_view country_field;
    if constexpr (NamesCountryField<T>) country_field = Descriptor<T>::kCountryField;
    return FactsOfProperties(*this, birth_day, country_field);
  }

  std::string Compact(std::string_view number) override {
    // A class of another program's that does not compact keeps the number.
    std::string compact;
    if constexpr (requires { scheme_.Compact(number); }) {
      compact = scheme_.Compact(number);
    } else {
      compact = std::string(number);
    }
    if constexpr (HasCountryPrefix<T>) {
      // Removed once, and only where that leaves no second prefix, so that
      // compacting again changes nothing.
      constexpr std::string_view prefix = Descriptor<T>::kCountryPrefix;
      if (compact.starts_with(prefix) && !compact.substr(prefix.size()).starts_with(prefix)) {
        compact.erase(0, prefix.size());
      }
    }
    return compact;
  }
  std::string Format(std::string_view number) override {
    if constexpr (requires { scheme_.WrittenForm(number); }) {
      return scheme_.WrittenForm(number);
    } else {
      std::string compact = Compact(number);
      std::string written;
      if constexpr (WrittenByFunction<T>) {
        written = Descriptor<T>::WrittenForm(compact);
      } else if constexpr (WrittenAsPattern<T>) {
        written = ApplyWrittenForm(Descriptor<T>::kWrittenForm, compact);
      } else {
        return compact;
      }
      // A form that would read back as another number (a prefix written
      // before a number that already starts with one) is not used.
      return Compact(written) == compact ? written : compact;
    }
  }

  std::vector<WrittenPart> FormatParts(std::string_view number) override {
    if constexpr (WrittenInParts<T>) {
      return Descriptor<T>::WrittenParts(Compact(number));
    } else {
      return {};
    }
  }

  T& scheme() { return scheme_; }

 private:
  template <typename Class, typename Result>
  PropertyValue ReadProperty(const Property<Class, Result>& property) const {
    static_assert(std::is_base_of_v<Class, T>, "a property of another class");
    using Value = std::remove_cvref_t<Result>;
    return PropertyValue(std::in_place_type<Value>, (scheme_.*property.read)());
  }

  T scheme_;
};

using SchemeFactory = std::unique_ptr<Scheme> (*)();

template <DescribedScheme T>
std::unique_ptr<Scheme> MakeScheme() {
  return std::make_unique<SchemeAdapter<T>>();
}

}  // namespace numerant
