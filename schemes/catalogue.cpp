#include "schemes/catalogue.h"

#include <array>
#include <cctype>

#include "schemes/articles/acl_bol_opc.h"
#include "schemes/articles/bic.h"
#include "schemes/articles/ean_upc.h"
#include "schemes/articles/grid.h"
#include "schemes/articles/isbn_issn.h"
#include "schemes/articles/uic.h"
#include "schemes/articles/vin.h"
#include "schemes/articles/weighted_numbers.h"
#include "schemes/business/dea.h"
#include "schemes/business/eur.h"
#include "schemes/business/iban.h"
#include "schemes/business/luhn_numbers.h"
#include "schemes/business/mod11_10.h"
#include "schemes/business/modulo97_numbers.h"
#include "schemes/business/mrn.h"
#include "schemes/business/pps.h"
#include "schemes/business/weighted_sum.h"
#include "schemes/general/creditcard.h"
#include "schemes/general/identity_numbers.h"
#include "schemes/general/luhn.h"
#include "schemes/general/modulo10.h"
#include "schemes/general/modulo97.h"
#include "schemes/general/verhoeff.h"
#include "schemes/personal/ak_ik.h"
#include "schemes/personal/cpr_ahv.h"
#include "schemes/personal/hetu_nid.h"
#include "schemes/personal/insz.h"
#include "schemes/personal/pesel_cnp_jmbg.h"
#include "schemes/personal/pnr.h"
#include "schemes/personal/vsnr.h"
#include "schemes/personal/wsdln.h"

namespace numerant {
namespace {

// The window's list.
// clang-format off
constexpr std::array<CatalogueEntry, 52> kSchemeList{{
    {"ACL", MakeScheme<ACL>},  // 0
    {"ACN", MakeScheme<ACN>},  // 1
    {"AHV", MakeScheme<AHV>},  // 2
    {"AK", MakeScheme<AK>},  // 3
    {"BI", MakeScheme<BI>},  // 4
    {"BIC", MakeScheme<BIC>},  // 5
    {"BOL", MakeScheme<BOL>},  // 6
    {"BSN", MakeScheme<BSN>},  // 7
    {"BTW", MakeScheme<BTW>},  // 8
    {"BZU", MakeScheme<BZU>},  // 9
    {"CAS", MakeScheme<CAS>},  // 10
    {"CNP", MakeScheme<CNP>},  // 11
    {"CPF", MakeScheme<CPF>},  // 12
    {"CPR", MakeScheme<CPR>},  // 13
    {"Creditcard", MakeScheme<Creditcard>},  // 14
    {"DEA", MakeScheme<DEA>},  // 15
    {"DNI", MakeScheme<DNI>},  // 16
    {"DUNS", MakeScheme<DUNS>},  // 17
    {"EAN", MakeScheme<EAN>},  // 18
    {"EUR", MakeScheme<EUR>},  // 19
    {"GRid", MakeScheme<GRid>},  // 20
    {"HETU", MakeScheme<HETU>},  // 21
    {"IBAN", MakeScheme<IBAN>},  // 22
    {"IK", MakeScheme<IK>},  // 23
    {"INSZ", MakeScheme<INSZ>},  // 24
    {"ISBN", MakeScheme<ISBN>},  // 25
    {"ISSN", MakeScheme<ISSN>},  // 26
    {"JMBG", MakeScheme<JMBG>},  // 27
    {"MRN", MakeScheme<MRN>},  // 28
    {"NHS", MakeScheme<NHS>},  // 29
    {"NID", MakeScheme<NID>},  // 30
    {"NIH", MakeScheme<NIH>},  // 31
    {"NIP", MakeScheme<NIP>},  // 32
    {"NPI", MakeScheme<NPI>},  // 33
    {"OGM", MakeScheme<OGM>},  // 34
    {"OPC", MakeScheme<OPC>},  // 35
    {"PESEL", MakeScheme<PESEL>},  // 36
    {"PNR", MakeScheme<PNR>},  // 37
    {"PPS", MakeScheme<PPS>},  // 38
    {"PZN", MakeScheme<PZN>},  // 39
    {"REGON", MakeScheme<REGON>},  // 40
    {"RUN", MakeScheme<RUN>},  // 41
    {"SIN", MakeScheme<SIN>},  // 42
    {"SIREN", MakeScheme<SIREN>},  // 43
    {"SIS", MakeScheme<SIS>},  // 44
    {"TFN", MakeScheme<TFN>},  // 45
    {"UIC", MakeScheme<UIC>},  // 46
    {"UPC", MakeScheme<UPC>},  // 47
    {"Verhoeff", MakeScheme<Verhoeff>},  // 48
    {"VIN", MakeScheme<VIN>},  // 49
    {"VSNR", MakeScheme<VSNR>},  // 50
    {"WSDLN", MakeScheme<WSDLN>},  // 51
}};
// clang-format on

constexpr std::array<CatalogueEntry, 3> kBuildingBlocks{{
    {"Luhn", MakeScheme<Luhn>},
    {"Modulo10", MakeScheme<Modulo10>},
    {"Modulo97", MakeScheme<Modulo97>},
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

std::span<const CatalogueEntry> SchemeList() {
  return kSchemeList;
}

std::span<const CatalogueEntry> BuildingBlocks() {
  return kBuildingBlocks;
}

std::unique_ptr<Scheme> CreateScheme(int position) {
  if (position < 0 || position >= static_cast<int>(kSchemeList.size())) return nullptr;
  return kSchemeList[static_cast<std::size_t>(position)].create();
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
