// SPDX-License-Identifier: MIT
// The VAT numbers beyond the worked examples beside each rule: each rule's
// edges (the forms a country has besides the common one, the remainders
// that give no digit), `Complete` with the check characters inside or in
// front, and `vat`, which answers by the prefix with the country's own
// reason and names the country.
#include "schemes/further/vat.h"

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(VatFormatsTest, RulesEdges) {
  ExpectCheck({
      {"at.uid", "AT 13585627", "invalid"},  // the U is part of the number
      {"cy.vat", "12000139V", "invalid"},    // no number starts with 12
      {"cz.dic", "95123891", "invalid"},     // nor a company's with 9
      {"cz.dic", "7113192745", "invalid"},   // month 13
      {"de.vat", "036695976", "invalid"},
      {"fr.tva", "84 323 140 391", "invalid"},  // the SIREN's Luhn digit
      {"fr.tva", "IO334175221", "invalid"},     // keys have no I and no O
      {"fr.tva", "34000123456", "valid"},       // Monaco: no SIREN, no Luhn digit
      {"ie.vat", "6433435OC", "invalid"},
      {"it.iva", "00743110157", "valid"},
      {"it.iva", "00743115001", "invalid"},  // office 500
      {"lt.pvm", "119511525", "invalid"},    // the 8th digit is 1
      {"lv.pvn", "161375-19997", "invalid"},
      {"nl.btw", "004495445B00", "invalid"},  // a BSN's serial starts at 01
      {"nl.btw", "NL4495445B01", "invalid"},  // nine digits
      {"gb.vat", "GD500", "invalid"},
      {"gb.vat", "HA499", "invalid"},
      {"gb.vat", "099999990", "invalid"},  // the 2009 form only from 100
      {"ch.vat", "CHE-107.787.577 VAT", "invalid"},
      {"no.mva", "995525828", "invalid"},  // MVA closes the number
      {"se.vat", "123456789702", "invalid"},
      {"es.cif", "O12345674", "invalid"},
      {"es.nif", "B6471783H", "valid"},  // a letter for the digit 8
  });
}

TEST(VatFormatsTest, Calculate) {
  ExpectCalculate({
      {"at.uid", "U1358562", "7"},
      {"bg.vat", "17507475", "2"},
      {"cy.vat", "10259033", "P"},
      {"cz.dic", "2512389", "1"},
      {"de.vat", "13669597", "6"},
      {"dk.cvr", "1358562", "8"},
      {"dk.cvr", "1000005", "-1"},  // 11 minus remainder 1 is no digit
      {"es.nif", "X5253868", "R"},
      {"es.cif", "Q2876031", "B"},  // other bodies carry the letter
      {"es.cif", "B6471783", "8"},
      {"fr.tva", "303265045", "40"},
      {"gb.vat", "9807806", "84"},
      {"gb.vat", "3408043", "84"},  // the classic value, not the 2009 29
      {"gr.vat", "09425921", "6"},
      {"ie.vat", "6433435A", "O"},
      {"lu.tva", "150274", "42"},
      {"mt.vat", "116791", "12"},
      {"nl.btw", "002455799B", "11"},
      {"pl.nip", "856734621", "5"},
      {"pl.nip", "100000016", "-1"},  // remainder 10: never issued
      {"ro.cf", "1854729", "0"},
      {"se.vat", "12345678901", "7"},
      {"si.ddv", "5022305", "4"},
      {"ch.vat", "CHE-107.787.57", "7"},
      {"no.mva", "99552582MVA", "8"},
      {"vat", "DE13669597", "6"},
      {"vat", "FR303265045", "40"},
      {"vat", "QQ1234", ""},
  });
}

TEST(VatFormatsTest, Complete) {
  const struct {
    const char* scheme;
    const char* payload;
    const char* complete;
  } cases[] = {
      {"fr.tva", "FR 303 265 045", "40303265045"},
      {"gb.vat", "980 7806 001", "980780684001"},
      {"ch.vat", "CHE-107.787.57 MWST", "107787577MWST"},
      {"vat", "CHE-107.787.57", "CHE107787577"},
      {"vat", "AU 914 571 673", "AU83914571673"},
      {"vat", "EL09425921", "EL094259216"},
      {"vat", "GD001", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Create(c.scheme)->Complete(c.payload), c.complete) << c.scheme << " " << c.payload;
  }
}

TEST(VatFormatsTest, Explain) {
  ExpectExplain({
      {"gb.vat", "GD001", "valid (no check digit)"},
      {"gb.vat", "GB GD501", "the digit 5 cannot stand at place 6"},
      {"lv.pvn", "161375-19997", "no such date: 1975-13-16"},
      {"pl.nip", "1000000160", "no check digit exists for this number"},
      {"fr.tva", "IO334175221", "check characters should be 23, not IO"},
      {"ie.vat", "8?79739J", "the character \"?\" cannot stand at place 2"},
      {"no.mva", "995525828MVB", "the letter B cannot stand at place 12"},
      {"vat", "QQ123", "unknown country prefix QQ"},
      {"vat", "", "no number typed"},
      {"vat", "DE 136695978", "check digit should be 6, not 8"},
      {"vat", "AU 93 914 571 673", "check digits should be 83, not 93"},
      {"vat", "AU 8X914571673", "the letter X cannot stand at place 5"},
      {"vat", "CY-12000139V", "the digit 2 cannot stand at place 5"},
  });
}

TEST(VatFormatsTest, VatAnswersByThePrefixAndNamesTheCountry) {
  ExpectCheck({
      {"vat", "DE136695976", "valid", R"(Country="DE" Format="de.vat" CheckDigit="6")"},
      {"vat", "el 094259216", "valid", R"(Country="EL" Format="gr.vat")"},
      {"vat", "GR094259216", "valid", R"(Country="GR")"},
      {"vat", "XI980780684", "valid", R"(Country="XI" Format="gb.vat" CheckDigit="84")"},
      {"vat", "GBGD001", "valid"},
      {"vat", "CHE-107.787.577 MWST", "valid", R"(Country="CH" Format="ch.vat")"},
      {"vat", "NO 995 525 828 MVA", "valid"},
      {"vat", "AU83914571673", "valid", R"(Format="au.abn")"},
      {"vat", "BE0403019261", "valid", R"(Format="be.vat")"},
      {"vat", "FRK7399859412", "valid", R"(CheckDigit="K7")"},
      {"vat", "ESX5253868R", "valid", R"(Format="es.nif")"},
      {"vat", "NL002455799B11", "valid"},
      {"vat", "136695976", "invalid", "Country=nothing Format=nothing CheckDigit=nothing"},
      {"vat", "US136695976", "invalid"},
  });
  // Every prefix names a format the catalogue has.
  for (const auto& country : Vat::Countries()) {
    EXPECT_NE(FindScheme(country.format), nullptr) << country.prefix;
  }
}

}  // namespace
}  // namespace numerant::testing
