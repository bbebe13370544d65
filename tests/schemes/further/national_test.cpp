// SPDX-License-Identifier: MIT
// The national tax and identity numbers: the samples the authorities and
// the peers publish, and each rule's edges (the repeated digit of the
// German tax ID, the palindrome of Aadhaar, the embedded PAN of GSTIN, the
// omocodia letters, the centuries read from the number or by the pivot, the
// D, H and coordination numbers, the prefixes of EIN).
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(NationalNumbersTest, PublishedSamples) {
  ExpectCheck({
      {"de.idnr", "36 574 261 809", "valid"},
      {"de.idnr", "65929970489", "valid"},
      {"de.idnr", "86095742719", "valid"},
      {"in.aadhaar", "2341 2341 2346", "valid"},
      {"in_.aadhaar", "298448863364", "valid"},
      {"in.gstin", "27AAPFU0939F1ZV", "valid", R"(StateCode="27" Pan="AAPFU0939F")"},
      {"in.gstin", "29aagcb7383j1z4", "valid"},
      {"in.pan", "ACUPA7085R", "valid", R"(HolderType="individual" CheckDigit="")"},
      {"in.pan", "AAKFD7113K", "valid", R"(HolderType="firm")"},
      {"cn.ric", "360426199101010071", "valid",
       R"(BirthDate="1991-01-01" Gender="male" Region="360426")"},
      {"cn.ric", "44011320141005001x", "valid", R"(BirthDate="2014-10-05" CheckDigit="X")"},
      {"it.codicefiscale", "RCCMNL83S18D969H", "valid",
       R"(BirthDate="1983-11-18" Gender="male" Municipality="D969" CenturyInferred=true)"},
      {"it.codicefiscale", "MRTNTN23M02D969P", "valid", R"(BirthDate="2023-08-02")"},
      {"it.codicefiscale", "CNTFNC84R44H5L1E", "valid",
       R"(BirthDate="1984-10-04" Gender="female" Municipality="H501")"},
      {"mx.curp", "BOXW310820HNERXN09", "valid",
       R"(BirthDate="1931-08-20" Gender="male" State="NE")"},
      {"mx.curp", "HEGG560427MVZRRL04", "valid", R"(Gender="female" State="VZ")"},
      {"mx.curp", "MASI050805MVZRLRA8", "valid", R"(BirthDate="2005-08-05")"},
      {"mx.rfc", "GODE 561231 GR8", "valid",
       R"(Date="1956-12-31" Kind="person" CheckCharacterFits=true CenturyInferred=true)"},
      {"mx.rfc", "VACE-460910-SX6", "valid", R"(Date="2046-09-10" CheckCharacterFits=false)"},
      {"mx.rfc", "MAB-930714-8T4", "valid", R"(Kind="company" Date="1993-07-14")"},
      {"mx.rfc", "COMG-600703", "valid", R"(CheckCharacterFits=false)"},
      {"no.fodselsnummer", "151086 95088", "valid",
       R"(BirthDate="1986-10-15" Gender="female" Kind="birth number")"},
      {"no.fodselsnummer", "10048744732", "valid"},
      {"se.personnummer", "880320-0016", "valid",
       R"(BirthDate="1988-03-20" Gender="male" CenturyInferred=true)"},
      {"se.personnummer", "811228-9841", "valid", R"(Gender="female")"},
      {"za.idnr", "7503305044089", "valid",
       R"(BirthDate="1975-03-30" Gender="male" Citizenship="citizen" CenturyInferred=true)"},
      {"za.idnr", "5306060050180", "valid", R"(BirthDate="1953-06-06" Gender="female")"},
      {"tr.tckimlik", "17291716060", "valid"},
      {"tr.tckimlik", "10010405214", "valid"},
      {"us.ein", "91-1144442", "valid", R"(Campus="Philadelphia")"},
      {"us.ein", "04-2103594", "valid", R"(Campus="Brookhaven")"},
      {"us.ein", "53-6904399", "valid", R"(Campus="Austin")"},
  });
}

TEST(NationalNumbersTest, RulesEdges) {
  ExpectCheck({
      // One digit twice or three times, not three in a row; the first not 0.
      {"de.idnr", "11213456783", "valid"},
      {"de.idnr", "11123456786", "invalid"},
      {"de.idnr", "36554266806", "invalid"},
      {"de.idnr", "12345678903", "invalid"},
      {"de.idnr", "06574261809", "invalid"},
      // Verhoeff passes, but no number reads the same backwards.
      {"in.aadhaar", "200009900002", "invalid"},
      {"in.aadhaar", "134123412346", "invalid"},
      {"in.gstin", "38AAPFU0939F1ZS", "valid"},  // Ladakh
      {"in.gstin", "97AAPFU0939F1ZO", "valid"},
      {"in.gstin", "27AAPFU0939F0ZW", "invalid"},  // registration 0
      {"in.gstin", "27AAPFU0939F1AA", "invalid"},
      {"in.gstin", "27AAXFU0939F1ZV", "invalid"},  // the PAN's holder type
      {"in.pan", "ABMXA3211G", "invalid"},
      {"in.pan", "ACUPA0000R", "invalid"},
      {"in.pan", "ABMPA32111", "invalid"},
      {"cn.ric", "360426199102300071", "invalid"},
      // Omocodia: any digit of year, day and municipality may be a letter.
      {"it.codicefiscale", "RCCMNL83S18D96NG", "valid", R"(Municipality="D969")"},
      {"it.codicefiscale", "RCCMNLUPSMUDVSVO", "valid", R"(BirthDate="1983-11-18")"},
      {"it.codicefiscale", "RCCMNL83F18D969H", "invalid"},  // F is no month
      {"it.codicefiscale", "RCCMNL00B70D969X", "invalid"},
      {"mx.curp", "BOXW310820XNERXN09", "invalid"},
      {"mx.curp", "BOXW310820HXXRXN09", "invalid"},
      {"mx.curp", "BOXW310230HNERXN09", "invalid"},
      {"mx.rfc", "GODE561331GR8", "invalid"},
      {"mx.rfc", "GOD1561231GR8", "invalid"},
      // D numbers add 40 to the day, H numbers 40 to the month.
      {"no.fodselsnummer", "55108695071", "valid", R"(Kind="D number" BirthDate="1986-10-15")"},
      {"no.fodselsnummer", "15508695060", "valid", R"(Kind="H number")"},
      {"no.fodselsnummer", "010120500 10", "valid", R"(BirthDate="2020-01-01")"},
      {"no.fodselsnummer", "15105080058", "invalid"},  // 800 has no century with YY 50
      {"no.fodselsnummer", "15108695077", "invalid"},
      // "+" one century earlier; twelve digits write the century.
      {"se.personnummer", "880320+0016", "valid", R"(BirthDate="1888-03-20")"},
      {"se.personnummer", "8803200016", "valid", R"(BirthDate="1988-03-20")"},
      {"se.personnummer", "19880320-0016", "valid",
       R"(BirthDate="1988-03-20" CenturyInferred=false)"},
      {"se.personnummer", "188803200016", "valid", R"(BirthDate="1888-03-20")"},
      {"se.personnummer", "880380-0013", "valid", R"(Kind="coordination number")"},
      {"se.personnummer", "000229-0021", "valid", R"(BirthDate="2000-02-29")"},
      {"se.personnummer", "000229+0021", "invalid"},  // 1900 had no 29 February
      {"se.personnummer", "880320*0016", "invalid"},
      {"se.personnummer", "88032-00016", "invalid"},
      {"za.idnr", "7503305044204", "valid", R"(Citizenship="refugee")"},
      {"za.idnr", "7503305044303", "invalid"},
      {"tr.tckimlik", "07291716092", "invalid"},
      {"tr.tckimlik", "17291716050", "invalid"},
      {"us.ein", "07-1144442", "invalid"},
      {"us.ein", "911144442", "valid"},
      {"us.ein", "46-1144442", "valid", R"(Campus="Internet or Philadelphia")"},
  });
}

TEST(NationalNumbersTest, Calculate) {
  ExpectCalculate({
      {"de.idnr", "3657426180", "9"},
      {"in.aadhaar", "23412341234", "6"},
      {"in.aadhaar", "20000990000", "-1"},  // the palindrome 200009900002
      {"in.gstin", "27AAPFU0939F1Z", "V"},
      {"cn.ric", "44011320141005001", "X"},
      {"it.codicefiscale", "RCCMNL83S18D969", "H"},
      {"mx.curp", "BOXW310820HNERXN0", "9"},
      {"no.fodselsnummer", "151086950", "88"},
      {"se.personnummer", "880320-001", "6"},
      {"za.idnr", "750330504408", "9"},
      {"tr.tckimlik", "172917160", "60"},
      {"mx.rfc", "GODE561231GR", ""},  // no check character
      {"us.ein", "911144442", ""},
      {"in.pan", "ACUPA7085R", ""},
  });
}

TEST(NationalNumbersTest, CompletePutsTheCheckCharactersInTheirPlace) {
  const struct {
    const char* scheme;
    const char* payload;
    const char* complete;
  } cases[] = {
      {"in.gstin", "27AAPFU0939F1Z", "27AAPFU0939F1ZV"},
      {"cn.ric", "44011320141005001", "44011320141005001X"},
      {"tr.tckimlik", "172917160", "17291716060"},
      {"se.personnummer", "880320+001", "880320+0016"},
      {"in.aadhaar", "20000990000", ""},
      {"no.fodselsnummer", "151050800", ""},
      {"us.ein", "911144442", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Create(c.scheme)->Complete(c.payload), c.complete) << c.scheme << " " << c.payload;
  }
}

TEST(NationalNumbersTest, Explain) {
  ExpectExplain({
      {"de.idnr", "36554266806", "the digit 6 cannot stand at place 7"},
      {"de.idnr", "11123456786", "the digit 1 cannot stand at place 3"},
      {"de.idnr", "12345678903", "the digit 0 cannot stand at place 10"},
      {"in.aadhaar", "200009900002", "no check digit exists for this number"},
      {"in.gstin", "27AAXFU0939F1ZV", "the letter X cannot stand at place 5"},
      {"cn.ric", "360426199102300071", "no such date: 1991-02-30"},
      {"it.codicefiscale", "RCCMNL83F18D969H", "the letter F cannot stand at place 9"},
      {"mx.curp", "BOXW310820HXXRXN09", "the letter X cannot stand at place 12"},
      {"mx.rfc", "GODE561331GR8", "no such date: 1956-13-31"},
      {"no.fodselsnummer", "15105080058", "the digit 8 cannot stand at place 7"},
      {"se.personnummer", "000229+0021", "no such date: 1900-02-29"},
      {"se.personnummer", "880320*0016", "the character \"*\" cannot stand at place 7"},
      {"za.idnr", "7503305044303", "the digit 3 cannot stand at place 11"},
      {"us.ein", "07-1144442", "the digit 7 cannot stand at place 2"},
      {"us.ein", "91-1144442", "valid (no check digit)"},
  });
}

TEST(NationalNumbersTest, IndiaIsFoundWithAndWithoutItsUnderscore) {
  for (const char* name : {"in.aadhaar", "IN_.AADHAAR", "In.Aadhaar"}) {
    ASSERT_NE(FindScheme(name), nullptr) << name;
    EXPECT_EQ(FindScheme(name)->name, "in_.aadhaar");
  }
  EXPECT_EQ(FindScheme("PNR")->name, "PNR");  // the 52's Swedish number keeps its name
  EXPECT_EQ(FindScheme("in."), nullptr);
}

}  // namespace
}  // namespace numerant::testing
