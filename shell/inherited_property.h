// Descriptor entries for properties that a scheme class inherits from a base
// it shares with the other classes of its family.
//
// `Property{"Century", &AK::Century}` would name the base class when the
// getter is inherited, and the adapter reads properties of the described class
// itself; InheritedProperty<AK, &AK::Century>("Century") names AK. The getter
// is a template argument because the compiler converts a member pointer to
// the derived class in a constant expression only from a constant.
#pragma once

#include <string_view>

#include "shell/scheme.h"

namespace numerant {
namespace inherited_property_internal {

// Declared only, for its type.
template <typename Class, typename Base, typename Result>
Property<Class, Result> PropertyOf(Result (Base::*read)() const);

}  // namespace inherited_property_internal

template <typename Class, auto kRead>
constexpr auto InheritedProperty(std::string_view name) {
  using Entry = decltype(inherited_property_internal::PropertyOf<Class>(kRead));
  return Entry{name, kRead};
}

}  // namespace numerant
