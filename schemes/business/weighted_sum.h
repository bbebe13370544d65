// Business numbers with a weighted digit sum: each digit of the stem is
// multiplied by the weight of its position, the products are added, and the
// sum is reduced and mapped to the one check digit. ACN, BI, BSN, NHS, NIP,
// REGON and TFN differ only in their separators, stem lengths, weights and
// mapping, rows of the table that `LegacyWeightedSumNumber` works from; each keeps
// its own class.
//   BI bi;
//   bi.Calculate("12345678");    // 9
//   bi.Calculate("00000000");    // 11: no final digit makes this stem valid
//   BSN bsn;
//   bsn.Check("111.222.333");    // true
#pragma once

#include <string_view>
#include <tuple>

#include "schemes/general/legacy_weighted_sum_number.h"
#include "core/scheme.h"

namespace numerant {

// Australian company number.
class ACN final : public LegacyWeightedSumNumber {
 public:
  ACN();
};

class BI final : public LegacyWeightedSumNumber {
 public:
  BI();
};

// Dutch citizen service number; full stops, not hyphens, separate its groups.
class BSN final : public LegacyWeightedSumNumber {
 public:
  BSN();
};

// British health service number.
class NHS final : public LegacyWeightedSumNumber {
 public:
  NHS();
};

// Polish tax identification number.
class NIP final : public LegacyWeightedSumNumber {
 public:
  NIP();
};

// Polish business register number, of 9 or 14 digits.
class REGON final : public LegacyWeightedSumNumber {
 public:
  REGON();
};

// Australian tax file number, of 8 or 9 digits.
class TFN final : public LegacyWeightedSumNumber {
 public:
  TFN();
};

template <>
struct Descriptor<ACN> {
  static constexpr std::string_view kName = "ACN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ACN::CheckDigit}};
};

template <>
struct Descriptor<BI> {
  static constexpr std::string_view kName = "BI";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BI::CheckDigit}};
};

template <>
struct Descriptor<BSN> {
  static constexpr std::string_view kName = "BSN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BSN::CheckDigit}};
};

template <>
struct Descriptor<NHS> {
  static constexpr std::string_view kName = "NHS";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NHS::CheckDigit}};
};

template <>
struct Descriptor<NIP> {
  static constexpr std::string_view kName = "NIP";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NIP::CheckDigit}};
};

template <>
struct Descriptor<REGON> {
  static constexpr std::string_view kName = "REGON";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &REGON::CheckDigit}};
};

template <>
struct Descriptor<TFN> {
  static constexpr std::string_view kName = "TFN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &TFN::CheckDigit}};
};

}  // namespace numerant
