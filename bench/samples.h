// One valid number for every scheme class of the catalogue: its payload (the
// text `Calculate` takes) and the complete number (the text `Check` takes),
// which is the payload with the check character(s) put in their place. The
// benchmarks time `Calculate` and `Check` on them; bench start-up and
// tests/bench_samples_test.cpp make sure each is valid.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "shell/catalogue.h"

namespace numerant::bench {

struct Sample {
  std::string_view scheme;
  std::string_view payload;
  std::string_view number;
};

// clang-format off
inline constexpr std::array<Sample, 55> kSamples{{
    {"ACL", "340156000000", "3401560000009"},
    {"ACN", "00408561", "004085616"},
    {"AHV", "7823465201", "78234652019"},
    {"AK", "3900101000", "39001010000"},
    {"BI", "12345678", "123456789"},
    {"BIC", "CSQU305438", "CSQU3054383"},
    {"BOL", "0123456789012345", "01234567890123452"},
    {"BSN", "11122233", "111222333"},
    {"BTW", "1234567", "123456749"},
    {"BZU", "123456789012", "1234567890124"},
    {"CAS", "773218", "7732185"},
    {"CNP", "185031512345", "1850315123455"},
    {"CPF", "123456789", "12345678909"},
    {"CPR", "150385412", "1503854127"},
    {"Creditcard", "411111111111111", "4111111111111111"},
    {"DEA", "AB123456", "AB1234563"},
    {"DNI", "12345678", "12345678Z"},
    {"DUNS", "15048378", "150483782"},
    {"EAN", "400638133393", "4006381333931"},
    {"EUR", "X0123456789", "X01234567892"},
    {"GRid", "A12425GABC1234002", "A12425GABC1234002M"},
    {"HETU", "010100A123", "010100A123D"},
    {"IBAN", "DE370400440532013000", "DE89370400440532013000"},
    {"IK", "3900101000", "39001010000"},
    {"INSZ", "850315123", "85031512369"},
    {"ISBN", "030640615", "0306406152"},
    {"ISSN", "0317847", "03178471"},
    {"JMBG", "150398571012", "1503985710126"},
    {"MRN", "7992739871", "79927398713"},
    {"NHS", "943476591", "9434765919"},
    {"NID", "850315123", "850315123G"},
    {"NIH", "123456789", "1234567897"},
    {"NIP", "123456321", "1234563218"},
    {"NPI", "123456789", "1234567893"},
    {"OGM", "0123456789", "012345678939"},
    {"OPC", "123456789", "1234567897"},
    {"PESEL", "8503151234", "85031512344"},
    {"PNR", "850315123", "8503151238"},
    {"PPS", "1234567", "1234567T"},
    {"PZN", "490880", "4908802"},
    {"REGON", "12345678", "123456785"},
    {"RUN", "12345678", "123456785"},
    {"SIN", "04645428", "046454286"},
    {"SIREN", "73282932", "732829320"},
    {"SIS", "12345678", "1234567803"},
    {"TFN", "12345678", "123456782"},
    {"UIC", "21812471217", "218124712173"},
    {"UPC", "03600029145", "036000291452"},
    {"Verhoeff", "236", "2363"},
    {"VIN", "1M8GDM9AKP042788", "1M8GDM9AXKP042788"},
    {"VSNR", "15070649C10", "15070649C103"},
    {"WSDLN", "SMITHJA55BG", "SMITHJA557BG"},
    {"Luhn", "7992739871", "79927398713"},
    {"Modulo10", "400638133393", "4006381333931"},
    {"Modulo97", "123456789", "12345678939"},
}};
// clang-format on

// Why a sample is not a valid number of its scheme, or "" when it is: `Check`
// accepts the number, and the number is the payload with `Calculate`'s result
// put in at one place (the end, or inside as for IBAN and VIN). A scheme
// whose row has no class yet passes.
inline std::string SampleFault(const Sample& sample) {
  const CatalogueEntry* entry = FindScheme(sample.scheme);
  if (entry == nullptr) return "no scheme of this name";
  if (entry->create == nullptr) return "";
  const std::unique_ptr<Scheme> scheme = entry->create();
  if (!scheme->Check(sample.number)) return "Check rejects the number";
  const std::string result = scheme->CalculateText(sample.payload);
  const std::string_view payload = sample.payload;
  const std::string_view number = sample.number;
  if (number.size() == payload.size() + result.size() && !result.empty()) {
    for (std::size_t at = 0; at <= payload.size(); ++at) {
      if (number.substr(0, at) == payload.substr(0, at) &&
          number.substr(at, result.size()) == result &&
          number.substr(at + result.size()) == payload.substr(at)) {
        return "";
      }
    }
  }
  return "Calculate gives '" + result + "', which does not make the number";
}

}  // namespace numerant::bench
