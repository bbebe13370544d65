// SPDX-License-Identifier: MIT
// The areas the further formats are listed under, in their order: the list
// shows the 52 first, then these, each with its formats by name.
#pragma once

#include <array>
#include <string_view>

namespace numerant::area {

inline constexpr std::string_view kCompanies = "Companies and tax";
inline constexpr std::string_view kPayments = "Payments";
inline constexpr std::string_view kPersonal = "Personal numbers";
inline constexpr std::string_view kVat = "VAT numbers";

inline constexpr std::array<std::string_view, 4> kInOrder{kCompanies, kPayments, kPersonal, kVat};

}  // namespace numerant::area
