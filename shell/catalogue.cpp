#include "shell/catalogue.h"

#include <array>
#include <cctype>

#include "schemes/articles/acl_bol_opc.h"
#include "schemes/articles/ean_upc.h"
#include "schemes/articles/isbn_issn.h"
#include "schemes/general/creditcard.h"
#include "schemes/general/luhn.h"
#include "schemes/general/modulo10.h"
#include "schemes/general/verhoeff.h"

namespace numerant {
namespace {

// The window's list. A row whose class is null creates nothing, and the
// window treats it as no selection.
// clang-format off
constexpr std::array<CatalogueEntry, 52> kSchemeList{{
    {"ACL", MakeScheme<ACL>},  // 0
    {"ACN", nullptr},  // 1
    {"AHV", nullptr},  // 2
    {"AK", nullptr},  // 3
    {"BI", nullptr},  // 4
    {"BIC", nullptr},  // 5
    {"BOL", MakeScheme<BOL>},  // 6
    {"BSN", nullptr},  // 7
    {"BTW", nullptr},  // 8
    {"BZU", nullptr},  // 9
    {"CAS", nullptr},  // 10
    {"CNP", nullptr},  // 11
    {"CPF", nullptr},  // 12
    {"CPR", nullptr},  // 13
    {"Creditcard", MakeScheme<Creditcard>},  // 14
    {"DEA", nullptr},  // 15
    {"DNI", nullptr},  // 16
    {"DUNS", nullptr},  // 17
    {"EAN", MakeScheme<EAN>},  // 18
    {"EUR", nullptr},  // 19
    {"GRid", nullptr},  // 20
    {"HETU", nullptr},  // 21
    {"IBAN", nullptr},  // 22
    {"IK", nullptr},  // 23
    {"INSZ", nullptr},  // 24
    {"ISBN", MakeScheme<ISBN>},  // 25
    {"ISSN", MakeScheme<ISSN>},  // 26
    {"JMBG", nullptr},  // 27
    {"MRN", nullptr},  // 28
    {"NHS", nullptr},  // 29
    {"NID", nullptr},  // 30
    {"NIH", nullptr},  // 31
    {"NIP", nullptr},  // 32
    {"NPI", nullptr},  // 33
    {"OGM", nullptr},  // 34
    {"OPC", MakeScheme<OPC>},  // 35
    {"PESEL", nullptr},  // 36
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
    {"UPC", MakeScheme<UPC>},  // 47
    {"Verhoeff", MakeScheme<Verhoeff>},  // 48
    {"VIN", nullptr},  // 49
    {"VSNR", nullptr},  // 50
    {"WSDLN", nullptr},  // 51
}};
// clang-format on

constexpr std::array<CatalogueEntry, 3> kBuildingBlocks{{
    {"Luhn", MakeScheme<Luhn>},
    {"Modulo10", MakeScheme<Modulo10>},
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
