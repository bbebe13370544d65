#include "shell/catalogue.h"

#include <array>
#include <cctype>

#include "schemes/general/luhn.h"
#include "schemes/general/verhoeff.h"
#include "schemes/personal/ak_ik.h"
#include "schemes/personal/cpr_ahv.h"
#include "schemes/personal/hetu_nid.h"
#include "schemes/personal/pesel_cnp_jmbg.h"
#include "schemes/personal/vsnr.h"
#include "schemes/personal/wsdln.h"

namespace numerant {
namespace {

// The window's list. A row whose class is null creates nothing, and the
// window treats it as no selection.
// clang-format off
constexpr std::array<CatalogueEntry, 52> kSchemeList{{
    {"ACL", nullptr},  // 0
    {"ACN", nullptr},  // 1
    {"AHV", MakeScheme<AHV>},  // 2
    {"AK", MakeScheme<AK>},  // 3
    {"BI", nullptr},  // 4
    {"BIC", nullptr},  // 5
    {"BOL", nullptr},  // 6
    {"BSN", nullptr},  // 7
    {"BTW", nullptr},  // 8
    {"BZU", nullptr},  // 9
    {"CAS", nullptr},  // 10
    {"CNP", MakeScheme<CNP>},  // 11
    {"CPF", nullptr},  // 12
    {"CPR", MakeScheme<CPR>},  // 13
    {"Creditcard", nullptr},  // 14
    {"DEA", nullptr},  // 15
    {"DNI", nullptr},  // 16
    {"DUNS", nullptr},  // 17
    {"EAN", nullptr},  // 18
    {"EUR", nullptr},  // 19
    {"GRid", nullptr},  // 20
    {"HETU", MakeScheme<HETU>},  // 21
    {"IBAN", nullptr},  // 22
    {"IK", MakeScheme<IK>},  // 23
    {"INSZ", nullptr},  // 24
    {"ISBN", nullptr},  // 25
    {"ISSN", nullptr},  // 26
    {"JMBG", MakeScheme<JMBG>},  // 27
    {"MRN", nullptr},  // 28
    {"NHS", nullptr},  // 29
    {"NID", MakeScheme<NID>},  // 30
    {"NIH", nullptr},  // 31
    {"NIP", nullptr},  // 32
    {"NPI", nullptr},  // 33
    {"OGM", nullptr},  // 34
    {"OPC", nullptr},  // 35
    {"PESEL", MakeScheme<PESEL>},  // 36
    {"PNR", nullptr},  // 37
    {"PPS", nullptr},  // 38
    {"PZN", nullptr},  // 39
    {"REGON", nullptr},  // 40
    {"RUN", nullptr},  // 41
    {"SIN", nullptr},  // 42
    {"SIREN", nullptr},  // 43
    {"SIS", nullptr},  // 44
    {"TFN", nullptr},  // 45
    {"UIC", nullptr},  // 46
    {"UPC", nullptr},  // 47
    {"Verhoeff", MakeScheme<Verhoeff>},  // 48
    {"VIN", nullptr},  // 49
    {"VSNR", MakeScheme<VSNR>},  // 50
    {"WSDLN", MakeScheme<WSDLN>},  // 51
}};
// clang-format on

constexpr std::array<CatalogueEntry, 3> kBuildingBlocks{{
    {"Luhn", MakeScheme<Luhn>},
    {"Modulo10", nullptr},
    {"Modulo97", nullptr},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::span<const CatalogueEntry> SchemeList() { return kSchemeList; }

std::span<const CatalogueEntry> BuildingBlocks() { return kBuildingBlocks; }

std::unique_ptr<Scheme> CreateScheme(int position) {
  if (position < 0 || position >= static_cast<int>(kSchemeList.size())) return nullptr;
  const SchemeFactory create = kSchemeList[static_cast<std::size_t>(position)].create;
  return create != nullptr ? create() : nullptr;
}

const CatalogueEntry* FindScheme(std::string_view name) {
  for (const CatalogueEntry& entry : kSchemeList) {
    if (SameIgnoringCase(entry.name, name)) return &entry;
  }
  for (const CatalogueEntry& entry : kBuildingBlocks) {
    if (SameIgnoringCase(entry.name, name)) return &entry;
  }
  return nullptr;
}

}  // namespace numerant
