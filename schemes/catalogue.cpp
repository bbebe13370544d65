// SPDX-License-Identifier: MIT
#include "schemes/catalogue.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "schemes/companies/acn.h"
#include "schemes/companies/btw.h"
#include "schemes/companies/duns.h"
#include "schemes/companies/nip.h"
#include "schemes/companies/regon.h"
#include "schemes/companies/siren.h"
#include "schemes/further/areas.h"
#include "schemes/further/au/abn.h"
#include "schemes/further/be/nn.h"
#include "schemes/further/be/vat.h"
#include "schemes/further/br/cnpj.h"
#include "schemes/further/ca/bn.h"
#include "schemes/further/ch/ssn.h"
#include "schemes/further/cl/rut.h"
#include "schemes/further/cn/ric.h"
#include "schemes/further/de/idnr.h"
#include "schemes/further/cusip.h"
#include "schemes/further/dk/cpr.h"
#include "schemes/further/eu/banknote.h"
#include "schemes/further/figi.h"
#include "schemes/further/gb/sedol.h"
#include "schemes/further/gtin.h"
#include "schemes/further/ie/pps.h"
#include "schemes/further/in/aadhaar.h"
#include "schemes/further/in/gstin.h"
#include "schemes/further/in/pan.h"
#include "schemes/further/it/codicefiscale.h"
#include "schemes/further/mx/curp.h"
#include "schemes/further/mx/rfc.h"
#include "schemes/further/no/fodselsnummer.h"
#include "schemes/further/se/personnummer.h"
#include "schemes/further/tr/tckimlik.h"
#include "schemes/further/us/ein.h"
#include "schemes/further/za/idnr.h"
#include "schemes/further/imei.h"
#include "schemes/further/isan.h"
#include "schemes/further/isin.h"
#include "schemes/further/ismn.h"
#include "schemes/further/isni.h"
#include "schemes/further/iso11649.h"
#include "schemes/further/iswc.h"
#include "schemes/further/lei.h"
#include "schemes/further/s10.h"
#include "schemes/further/us/rtn.h"
#include "schemes/general/damm.h"
#include "schemes/general/iso7064.h"
#include "schemes/further/vat_formats.h"
#include "schemes/general/luhn.h"
#include "schemes/general/luhn_mod_n.h"
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
    Entry<ACL>(),  // 0
    Entry<ACN>(),  // 1
    Entry<AHV>(),  // 2
    Entry<AK>(),  // 3
    Entry<BI>(),  // 4
    Entry<BIC>(),  // 5
    Entry<BOL>(),  // 6
    Entry<BSN>(),  // 7
    Entry<BTW>(),  // 8
    Entry<BZU>(),  // 9
    Entry<CAS>(),  // 10
    Entry<CNP>(),  // 11
    Entry<CPF>(),  // 12
    Entry<CPR>(),  // 13
    Entry<Creditcard>(),  // 14
    Entry<DEA>(),  // 15
    Entry<DNI>(),  // 16
    Entry<DUNS>(),  // 17
    Entry<EAN>(),  // 18
    Entry<EUR>(),  // 19
    Entry<GRid>(),  // 20
    Entry<HETU>(),  // 21
    Entry<IBAN>(),  // 22
    Entry<IK>(),  // 23
    Entry<INSZ>(),  // 24
    Entry<ISBN>(),  // 25
    Entry<ISSN>(),  // 26
    Entry<JMBG>(),  // 27
    Entry<MRN>(),  // 28
    Entry<NHS>(),  // 29
    Entry<NID>(),  // 30
    Entry<NIH>(),  // 31
    Entry<NIP>(),  // 32
    Entry<NPI>(),  // 33
    Entry<OGM>(),  // 34
    Entry<OPC>(),  // 35
    Entry<PESEL>(),  // 36
    Entry<PNR>(),  // 37
    Entry<PPS>(),  // 38
    Entry<PZN>(),  // 39
    Entry<REGON>(),  // 40
    Entry<RUN>(),  // 41
    Entry<SIN>(),  // 42
    Entry<SIREN>(),  // 43
    Entry<SIS>(),  // 44
    Entry<TFN>(),  // 45
    Entry<UIC>(),  // 46
    Entry<UPC>(),  // 47
    Entry<Verhoeff>(),  // 48
    Entry<VIN>(),  // 49
    Entry<VSNR>(),  // 50
    Entry<WSDLN>(),  // 51
}};
// clang-format on

constexpr std::array<CatalogueEntry, 3> kBuildingBlocks{{
    Entry<Luhn>(),
    Entry<Modulo10>(),
    Entry<Modulo97>(),
}};

// The further formats, a block for each family of formats; the catalogue
// lists them sorted (kFurtherFormats below).
constexpr std::array kFormatsValidToday{
    FurtherEntry<AuAbn>(), FurtherEntry<BeVat>(),      FurtherEntry<BrCnpj>(),
    FurtherEntry<CaBn>(),  FurtherEntry<EuBanknote>(), FurtherEntry<BeNn>(),
    FurtherEntry<ChSsn>(), FurtherEntry<ClRut>(),      FurtherEntry<DkCpr>(),
    FurtherEntry<IePps>(),
};

// The VAT numbers, country by country, and `vat`, which answers by the
// country prefix.
constexpr std::array kVatNumbers{
    FurtherEntry<AtUid>(),
    FurtherEntry<BgVat>(),
    FurtherEntry<ChVat>(),
    FurtherEntry<CyVat>(),
    FurtherEntry<CzDic>(),
    FurtherEntry<DeVat>(),
    FurtherEntry<DkCvr>(),
    FurtherEntry<EeKmkr>(),
    FurtherEntry<EsCif>(),
    FurtherEntry<EsNie>(),
    FurtherEntry<EsNif>(),
    FurtherEntry<FiAlv>(),
    FurtherEntry<FrTva>(),
    FurtherEntry<GbVat>(),
    FurtherEntry<GrVat>(),
    FurtherEntry<HrOib>(),
    FurtherEntry<HuAnum>(),
    FurtherEntry<IeVat>(),
    FurtherEntry<ItIva>(),
    FurtherEntry<LtPvm>(),
    FurtherEntry<LuTva>(),
    FurtherEntry<LvPvn>(),
    FurtherEntry<MtVat>(),
    FurtherEntry<NlBtw>(),
    FurtherEntry<NoMva>(),
    FurtherEntry<PlNip>(),
    FurtherEntry<PtNif>(),
    FurtherEntry<RoCf>(),
    FurtherEntry<SeVat>(),
    FurtherEntry<SiDdv>(),
    FurtherEntry<SkDph>(),
    FurtherEntry<Vat>(),
};

// Securities and finance; trade and logistics; publishing, media and
// research; the building blocks they share.
// clang-format off
constexpr std::array kIdentifiers{
    FurtherEntry<Cusip>(), FurtherEntry<Figi>(), FurtherEntry<GbSedol>(), FurtherEntry<Isin>(),
    FurtherEntry<Iso11649>(), FurtherEntry<Lei>(), FurtherEntry<UsRtn>(),
    FurtherEntry<Gln>(), FurtherEntry<Gtin>(), FurtherEntry<Imei>(), FurtherEntry<S10>(),
    FurtherEntry<Sscc>(),
    FurtherEntry<Isan>(), FurtherEntry<Ismn>(), FurtherEntry<Isni>(), FurtherEntry<Iswc>(),
    FurtherEntry<Orcid>(),
    FurtherEntry<Damm>(), FurtherEntry<Iso7064Mod1110>(), FurtherEntry<Iso7064Mod112>(),
    FurtherEntry<Iso7064Mod372>(), FurtherEntry<Iso7064Mod3736>(), FurtherEntry<Iso7064Mod9710>(),
    FurtherEntry<LuhnModN>(),
};
// clang-format on

// National tax and identity numbers.
constexpr std::array kNationalNumbers{
    FurtherEntry<CnRic>(),          FurtherEntry<DeIdnr>(),     FurtherEntry<InAadhaar>(),
    FurtherEntry<InGstin>(),        FurtherEntry<InPan>(),      FurtherEntry<ItCodicefiscale>(),
    FurtherEntry<MxCurp>(),         FurtherEntry<MxRfc>(),      FurtherEntry<NoFodselsnummer>(),
    FurtherEntry<SePersonnummer>(), FurtherEntry<TrTckimlik>(), FurtherEntry<UsEin>(),
    FurtherEntry<ZaIdnr>(),
};

constexpr std::size_t AreaRank(std::string_view area) {
  return static_cast<std::size_t>(std::find(area::kInOrder.begin(), area::kInOrder.end(), area) -
                                  area::kInOrder.begin());
}

// The blocks joined, area by area in the order of `Areas`, by name within
// an area.
template <std::size_t... N>
constexpr auto SortedFurtherFormats(const std::array<CatalogueEntry, N>&... blocks) {
  std::array<CatalogueEntry, (N + ...)> all{};
  std::size_t at = 0;
  ((std::copy(blocks.begin(), blocks.end(), all.begin() + static_cast<std::ptrdiff_t>(at)),
    at += N),
   ...);
  std::sort(all.begin(), all.end(), [](const CatalogueEntry& a, const CatalogueEntry& b) {
    const std::size_t rank_a = AreaRank(a.area);
    const std::size_t rank_b = AreaRank(b.area);
    return rank_a != rank_b ? rank_a < rank_b : a.name < b.name;
  });
  return all;
}

constexpr auto kFurtherFormats = SortedFurtherFormats(kFormatsValidToday, kVatNumbers, kIdentifiers, kNationalNumbers);

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
  return area::kInOrder;
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
