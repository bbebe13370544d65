// SPDX-License-Identifier: MIT
// The further formats: the numbers the issue names, the samples that the
// authorities and the peers publish, and each rule's edges (the series of
// the Belgian VAT number, the centuries of the Belgian national number, the
// check digit 0 of a banknote, the second letter of a PPS number, the
// century digit of a CPR number).
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "schemes/further/vat.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

// A row: the format, the input, the answer of `Calculate` (text form) or of
// `Check` ("valid" / "invalid"), and the fields it names with their values.
struct Case {
  std::string_view scheme;
  std::string_view input;
  std::string_view answer;
  std::string_view fields = {};
};

// Each row on a fresh object, as the faces run every number.
void Expect(bool check, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    const auto scheme = Create(c.scheme);
    ASSERT_NE(scheme, nullptr) << c.scheme;
    const std::string input(c.input);
    const std::string answer = !check                 ? scheme->CalculateText(input)
                               : scheme->Check(input) ? "valid"
                                                      : "invalid";
    EXPECT_EQ(answer, c.answer) << c.scheme << " '" << input << "'";
    if (!c.fields.empty()) {
      EXPECT_EQ(NamedFields(*scheme, c.fields), c.fields) << c.scheme << " '" << input << "'";
    }
  }
}
void ExpectCalculate(std::initializer_list<Case> cases) {
  Expect(false, cases);
}
void ExpectCheck(std::initializer_list<Case> cases) {
  Expect(true, cases);
}

// The input and the finding in words.
void ExpectExplain(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    const auto scheme = Create(c.scheme);
    ASSERT_NE(scheme, nullptr) << c.scheme;
    EXPECT_EQ(Describe(scheme->Explain(std::string(c.input))), c.answer)
        << c.scheme << " '" << c.input << "'";
  }
}

TEST(FurtherFormatsTest, NumbersValidToday) {
  ExpectCheck({
      {"be.vat", "0403019261", "valid"},
      {"be.vat", "1001686633", "valid"},
      {"be.nn", "17073003384", "valid", R"(BirthDate="2017-07-30" Gender="male" Serial="033")"},
      {"eu.banknote", "EA4100181598", "valid", R"(PrinterCode="E" SerialLetter="A")"},
      {"ie.pps", "6433435OA", "valid", R"(SecondLetter="A")"},
      {"ie.pps", "1234567OB", "valid", R"(SecondLetter="B")"},
      {"cl.rut", "12.531.909-2", "valid"},
      {"cl.rut", "7.727.230-5", "valid"},
      {"dk.cpr", "010180-1234", "valid", R"(BirthDate="1980-01-01" Modulus11=false)"},
  });
}

TEST(FurtherFormatsTest, PublishedSamples) {
  ExpectCheck({
      {"be.vat", "BE1000003682", "valid"},
      {"be.vat", "BE403019261", "valid"},  // the 9-digit form
      {"be.vat", "BE 0417.497.106", "valid"},
      {"be.vat", "BE0428759497", "valid"},  // check digits 97
      {"be.vat", "be(0)403019261", "valid"},
      {"be.nn", "00000000128", "valid", R"(BirthDate="2000" Kind="national number")"},
      {"be.nn", "00010000135", "valid", R"(BirthDate="2000-01")"},
      {"be.nn", "20070199951", "valid", R"(BirthDate="2020-07-01")"},
      {"be.nn", "20070199922", "valid", R"(BirthDate="1920-07-01")"},
      {"be.nn", "85.07.30-033.28", "valid", R"(BirthDate="1985-07-30" Gender="male")"},
      {"eu.banknote", "SD9103468574", "valid"},
      {"eu.banknote", "VA0436214792", "valid"},
      {"eu.banknote", "UF9073937437", "valid"},
      {"eu.banknote", "P36007033744", "valid", R"(CountryCode="P" PrinterCode=nothing)"},
      {"eu.banknote", "U02401890701", "valid"},
      {"eu.banknote", "X00025041809", "valid"},
      {"ie.pps", "6433435IH", "valid"},
      {"ie.pps", "1234567FA", "valid"},
      {"ie.pps", "1234567WH", "valid"},
      {"ie.pps", "1234577IA", "valid"},
      {"ie.pps", "6433435FW", "valid"},
      {"ie.pps", "6433435FT", "valid"},
      {"ie.pps", "1234567T", "valid", "SecondLetter=nothing"},
      {"cl.rut", "76.086.428-5", "valid"},
      {"cl.rut", "10.626.628-K", "valid"},
      {"cl.rut", "10626628k", "valid"},
      {"cl.rut", "3528355-2", "valid"},
      {"dk.cpr", "211062-0629", "valid", R"(Gender="male" Modulus11=false)"},
      {"dk.cpr", "211062-5629", "valid", R"(BirthDate="1862-10-21" Modulus11=true)"},
      {"ch.ssn", "756.9217.0769.85", "valid"},
      {"ch.ssn", "756.9203.3850.60", "valid"},
      {"br.cnpj", "16.727.230/0001-97", "valid", R"(Base="16727230" Branch="0001")"},
      {"br.cnpj", "12.ABC.345/01DE-35", "valid", R"(Base="12ABC345" Branch="01DE")"},
      {"au.abn", "83 914 571 673", "valid"},
      {"au.abn", "51 824 753 556", "valid"},
      {"au.abn", "12 123 552 732", "valid"},
      {"ca.bn", "12302 6635", "valid", "Program=nothing"},
      {"ca.bn", "123026635RC0001", "valid", R"(Program="RC" Reference="0001")"},
      {"ca.bn", "100007780RC0001", "valid"},
      {"ca.bn", "123026635RZ0001", "valid"},
  });
}

TEST(FurtherFormatsTest, RulesEdges) {
  ExpectCheck({
      // Only the 0- and the 1-series are issued; 00 is no check for 97.
      {"be.vat", "2403019261", "invalid"},
      {"be.vat", "0428759400", "invalid"},
      {"be.vat", "1403019261", "invalid"},  // the 0-series digits with a 1
      // 29 February: 1900 had none, 2000 had one.
      {"be.nn", "00022900116", "invalid"},
      {"be.nn", "00022900145", "valid", R"(BirthDate="2000-02-29")"},
      {"be.nn", "17133003397", "invalid"},  // month 13
      // BIS numbers: month + 20 without the sex, + 40 with it.
      {"be.nn", "17273003301", "valid", R"(Gender=nothing Kind="BIS")"},
      {"be.nn", "17473003344", "valid", R"(Gender="male" Kind="BIS" BirthDate="1917-07-30")"},
      // The digits and the letter codes add up to 0 modulo 9 with a 0 as with a 9.
      {"eu.banknote", "X00025041800", "valid"},
      {"eu.banknote", "AA0000000000", "invalid"},
      {"ie.pps", "1234567OC", "invalid"},  // no second letter C
      {"ie.pps", "1234567TX", "valid"},
      {"cl.rut", "12531909-3", "invalid"},
      {"cl.rut", "123456789-0", "invalid"},
      // The century digit: 4 and 9 up to YY 36, 5 to 8 up to YY 57.
      {"dk.cpr", "290236-4000", "valid", R"(BirthDate="2036-02-29")"},
      {"dk.cpr", "290237-4000", "invalid"},  // 1937 had no 29 February
      {"dk.cpr", "010158-5000", "valid", R"(BirthDate="1858-01-01")"},
      {"dk.cpr", "310480-1234", "invalid"},
      {"ch.ssn", "757.9217.0769.85", "invalid"},
      {"ch.ssn", "756.9217.0769.84", "invalid"},
      {"br.cnpj", "16.727.230/0001-98", "invalid"},
      {"au.abn", "93 914 571 673", "invalid"},
      {"ca.bn", "123026635RX0001", "invalid"},
      {"ca.bn", "123026635RC000A", "invalid"},
  });
}

TEST(FurtherFormatsTest, Calculate) {
  ExpectCalculate({
      {"be.vat", "04030192", "61"},
      {"be.vat", "10016866", "33"},
      {"be.nn", "170730033", "55"},  // the reading before 2000
      {"be.nn", "000229001", "45"},  // 1900-02-29 does not exist
      {"be.nn", "171330033", ""},
      {"eu.banknote", "X0002504180", "9"},
      {"eu.banknote", "EA410018159", "8"},
      {"ie.pps", "6433435A", "O"},
      {"ie.pps", "1234567", "T"},
      {"cl.rut", "10.626.628", "K"},
      {"cl.rut", "7727230", "5"},
      {"dk.cpr", "0101801234", ""},  // no check digit
      {"ch.ssn", "756921707698", "5"},
      {"ch.ssn", "757921707698", "-1"},
      {"br.cnpj", "12ABC34501DE", "35"},
      {"au.abn", "914571673", "83"},
      {"ca.bn", "12302663", "5"},
      {"ca.bn", "12302663RT0001", "5"},
  });
}

TEST(FurtherFormatsTest, CompletePutsTheCheckCharactersInTheirPlace) {
  const struct {
    const char* scheme;
    const char* payload;
    const char* complete;
  } cases[] = {
      {"au.abn", "914571673", "83914571673"},
      {"ie.pps", "6433435A", "6433435OA"},
      {"ca.bn", "12302663RC0001", "123026635RC0001"},
      {"be.vat", "BE04030192", "0403019261"},
      {"dk.cpr", "0101801234", ""},
      {"be.nn", "171330033", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Create(c.scheme)->Complete(c.payload), c.complete) << c.scheme << " " << c.payload;
  }
}

TEST(FurtherFormatsTest, Explain) {
  ExpectExplain({
      {"dk.cpr", "010180-1234", "valid (no check digit)"},
      {"dk.cpr", "300280-1234", "no such date: 1980-02-30"},
      {"be.nn", "17133003397", "no such date: 1917-13-30"},
      {"be.nn", "00022900116", "check digits should be 45, not 16"},
      {"be.vat", "2403019261", "the digit 2 cannot stand at place 1"},
      {"be.vat", "BE 2403019261", "the digit 2 cannot stand at place 4"},
      {"ie.pps", "1234567OC", "the letter C cannot stand at place 9"},
      {"ch.ssn", "757.9217.0769.85", "the digit 7 cannot stand at place 3"},
      {"ca.bn", "123026635RX0001", "the letter X cannot stand at place 11"},
      {"au.abn", "93 914 571 673", "check digits should be 83, not 93"},
      {"eu.banknote", "X00025041801", "check digit should be 9, not 1"},
  });
}

// On the ISO 7064 and check-letter bases, a rule's own tests come before
// the system reads the payload: the first fault found is the rule's.
TEST(FurtherFormatsTest, TheRulesOwnTestsComeFirst) {
  ExpectExplain({
      {"cn.ric", "11010519491331002X", "no such date: 1949-13-31"},
      {"cn.ric", "1101051949123A0025", "the letter A cannot stand at place 14"},
      {"de.vat", "DE012345678", "the digit 0 cannot stand at place 3"},
      {"de.vat", "DE1234A5678", "the letter A cannot stand at place 7"},
      {"de.idnr", "12345678903", "the digit 0 cannot stand at place 10"},
      {"es.nie", "A2482300W", "the letter A cannot stand at place 1"},
      {"es.nie", "A24A2300W", "the letter A cannot stand at place 4"},
      {"lei", "213800KUD8LAJWSQ*D15", "the character \"*\" cannot stand at place 17"},
      {"orcid", "0000-0002-1694-233Y", "check character should be X, not Y"},
  });
}

// A CIF takes its digit or the letter of the same value, whatever the
// entity mostly carries: the character typed decides which is expected.
TEST(FurtherFormatsTest, TheTypedCheckCharacterDecides) {
  ExpectExplain({
      {"es.cif", "Q2876031B", "valid"},
      {"es.cif", "Q28760312", "valid"},
      {"es.cif", "Q28760313", "check character should be 2, not 3"},
      {"es.cif", "Q2876031C", "check character should be 2, not C"},
      {"es.nif", "B6471783H", "valid"},
      {"es.nif", "B6471783I", "check character should be 8, not I"},
  });
}

TEST(FurtherFormatsTest, NamesAreFoundInAnyCaseAndThe52KeepTheirs) {
  ASSERT_NE(FindScheme("BE.VAT"), nullptr);
  EXPECT_EQ(FindScheme("BE.VAT")->name, "be.vat");
  EXPECT_EQ(FindScheme("Dk.Cpr")->name, "dk.cpr");
  EXPECT_EQ(FindScheme("cpr")->name, "CPR");
  EXPECT_EQ(FindScheme("pps")->name, "PPS");
  EXPECT_EQ(FindScheme("bic")->name, "BIC");  // the container code, not SWIFT
  EXPECT_EQ(FindScheme("in.nothing"), nullptr);
  EXPECT_EQ(FindScheme("be."), nullptr);
}

TEST(FurtherFormatsTest, AreasInOrderAndNamesInOrderWithinEach) {
  const auto formats = FurtherFormats();
  const auto areas = Areas();
  for (std::size_t i = 1; i < formats.size(); ++i) {
    const auto area = [&](std::size_t at) {
      return std::find(areas.begin(), areas.end(), formats[at].area) - areas.begin();
    };
    ASSERT_LT(area(i), static_cast<std::ptrdiff_t>(areas.size())) << formats[i].name;
    EXPECT_TRUE(area(i - 1) < area(i) ||
                (area(i - 1) == area(i) && formats[i - 1].name < formats[i].name))
        << formats[i - 1].name << " before " << formats[i].name;
    EXPECT_FALSE(formats[i].display_name.empty() || formats[i].description.empty());
  }
}

// VAT numbers beyond the worked examples beside each rule: each rule's edges
// (the forms a country has besides the common one, the remainders that give
// no digit), `Complete` with the check characters inside or in front, and
// `vat`, which answers by the prefix with the country's own reason and names
// the country.

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
      {"dk.cvr", "1000005", "10"},  // 11 minus remainder 1 is no digit
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
      {"pl.nip", "100000016", "10"},  // remainder 10: never issued
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
