// SPDX-License-Identifier: MIT
#include "schemes/catalogue.h"

#include <array>
#include <cctype>
#include <string>

#include "schemes/companies/acn.h"
#include "schemes/companies/btw.h"
#include "schemes/companies/duns.h"
#include "schemes/companies/nip.h"
#include "schemes/companies/regon.h"
#include "schemes/companies/siren.h"
#include "schemes/further/au/abn.h"
#include "schemes/further/be/nn.h"
#include "schemes/further/be/vat.h"
#include "schemes/further/br/cnpj.h"
#include "schemes/further/ca/bn.h"
#include "schemes/further/ch/ssn.h"
#include "schemes/further/cl/rut.h"
#include "schemes/further/dk/cpr.h"
#include "schemes/further/eu/banknote.h"
#include "schemes/further/ie/pps.h"
#include "schemes/general/luhn.h"
#include "schemes/general/modulo10.h"
#include "schemes/general/modulo97.h"
#include "schemes/general/verhoeff.h"
#include "schemes/health/dea.h"
#include "schemes/health/mrn.h"
#include "schemes/health/nhs.h"
#include "schemes/health/nih.h"
#include "schemes/health/npi.h"
#include "schemes/payments/bzu.h"
#include "schemes/payments/creditcard.h"
#include "schemes/payments/eur.h"
#include "schemes/payments/iban.h"
#include "schemes/payments/ogm.h"
#include "schemes/personal/ahv.h"
#include "schemes/personal/ak_ik.h"
#include "schemes/personal/bi.h"
#include "schemes/personal/bsn.h"
#include "schemes/personal/cpf.h"
#include "schemes/personal/cpr.h"
#include "schemes/personal/dni.h"
#include "schemes/personal/hetu.h"
#include "schemes/personal/insz.h"
#include "schemes/personal/nid.h"
#include "schemes/personal/pesel_cnp_jmbg.h"
#include "schemes/personal/pnr.h"
#include "schemes/personal/pps.h"
#include "schemes/personal/run.h"
#include "schemes/personal/sin.h"
#include "schemes/personal/sis.h"
#include "schemes/personal/tfn.h"
#include "schemes/personal/vsnr.h"
#include "schemes/personal/wsdln.h"
#include "schemes/products/acl.h"
#include "schemes/products/ean_upc.h"
#include "schemes/products/grid.h"
#include "schemes/products/isbn_issn.h"
#include "schemes/products/opc.h"
#include "schemes/products/pzn_cas.h"
#include "schemes/transport/bic.h"
#include "schemes/transport/bol.h"
#include "schemes/transport/uic.h"
#include "schemes/transport/vin.h"

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

constexpr std::array<std::string_view, 3> kAreas{"Companies and tax", "Payments",
                                                 "Personal numbers"};

// The further formats, area by area, by name within an area.
template <typename T>
constexpr CatalogueEntry Further(std::string_view display_name, std::string_view description,
                                 std::size_t area) {
  return {Descriptor<T>::kName, MakeScheme<T>, display_name, description, kAreas[area]};
}
constexpr std::size_t kCompanies = 0;
constexpr std::size_t kPayments = 1;
constexpr std::size_t kPersonal = 2;

const std::array kFurtherFormats{
    Further<AuAbn>("ABN", "Australian Business Number", kCompanies),
    Further<BeVat>("Belgian VAT", "Belgian enterprise and VAT number, 0- and 1-series", kCompanies),
    Further<BrCnpj>("CNPJ", "Brazilian company number, numeric or alphanumeric", kCompanies),
    Further<CaBn>("BN", "Canadian Business Number, alone or with its program account", kCompanies),
    Further<EuBanknote>("Euro banknote", "Euro banknote serial number, 2002 and Europa series",
                        kPayments),
    Further<BeNn>("Belgian NN", "Belgian national register number and BIS number", kPersonal),
    Further<ChSsn>("AHV-13", "Swiss social security number, 756.xxxx.xxxx.xx", kPersonal),
    Further<ClRut>("RUT", "Chilean RUT/RUN as written, 12.531.909-2", kPersonal),
    Further<DkCpr>("CPR", "Danish personal number as issued since 2007", kPersonal),
    Further<IePps>("PPS", "Irish personal public service number with its second letter", kPersonal),
};

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

std::span<const CatalogueEntry> FurtherFormats() {
  return kFurtherFormats;
}

std::span<const std::string_view> Areas() {
  return kAreas;
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
  // python-stdnum writes India's modules "in_", as "in" is a word of its
  // language; both spellings are taken.
  std::string spelled(name);
  if (spelled.size() > 3 && SameIgnoringCase(spelled.substr(0, 3), "in.")) spelled.insert(2, "_");
  for (const CatalogueEntry& entry : kFurtherFormats) {
    if (SameIgnoringCase(entry.name, spelled)) return &entry;
  }
  return nullptr;
}

}  // namespace numerant
