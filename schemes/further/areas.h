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

// The international identifiers, and the building blocks they share.
inline constexpr std::string_view kSecurities = "Securities and finance";
inline constexpr std::string_view kTrade = "Trade and logistics";
inline constexpr std::string_view kPublishing = "Publishing, media and research";
inline constexpr std::string_view kBuildingBlocks = "Building blocks";

inline constexpr std::array<std::string_view, 8> kInOrder{
    kCompanies, kPayments, kPersonal, kVat, kSecurities, kTrade, kPublishing, kBuildingBlocks};

}  // namespace numerant::area
