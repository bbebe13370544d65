// SPDX-License-Identifier: MIT
// The securities, trade, logistics, publishing and research identifiers and
// the building blocks they share: the numbers the issue names, the samples
// that the standards and the peers publish, and each rule's edges (the
// embedded CUSIP and SEDOL of an ISIN, the prefixes FIGI leaves to ISIN, the
// IMEISV without a check digit, the mapping of S10's 10 and 11, the two
// check characters of an ISAN).
#include "schemes/general/luhn_mod_n.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(IdentifiersTest, NumbersTheIssueNames) {
  ExpectCheck({
      {"isin", "US0378331005", "valid",
       R"(CountryCode="US" NSIN="037833100" EmbeddedCode="CUSIP" EmbeddedValid=true)"},
      {"lei", "213800KUD8LAJWSQ9D15", "valid", R"(LouPrefix="2138" EntityPart="00KUD8LAJWSQ9D")"},
      {"gtin", "98412345678908", "valid", R"(IndicatorDigit="9" GS1Prefix="841")"},
      {"sscc", "376130321109103420", "valid", R"(ExtensionDigit="3" GS1Prefix="761")"},
      {"imei", "490154203237518", "valid",
       R"(Kind="IMEI" HasCheckDigit=true ReportingBody="49" TAC="49015420" Serial="323751")"},
      {"s10", "RB123456785GB", "valid",
       R"(ServiceIndicator="RB" Serial="12345678" CountryCode="GB")"},
      {"ismn", "979-0-3452-4680-5", "valid", R"(Publisher="3452" Item="4680")"},
      {"orcid", "0000-0002-1825-0097", "valid"},
      {"iso11649", "RF18 5390 0754 7034", "valid", R"(Reference="539007547034")"},
  });
}

TEST(IdentifiersTest, PublishedSamples) {
  ExpectCheck({
      {"isin", "AU0000XVGZA3", "valid", "EmbeddedCode=nothing EmbeddedValid=false"},
      {"isin", "GB0002634946", "valid", R"(EmbeddedCode="SEDOL" EmbeddedValid=true)"},
      {"isin", "GB00BYXJL758", "valid"},
      {"isin", "us0378331005", "valid"},
      {"cusip", "DUS0421C5", "valid", R"(Issuer="DUS042" Issue="1C")"},
      {"cusip", "00141V267", "valid"},
      {"cusip", "17275R102", "valid"},
      {"gb.sedol", "B15KXQ8", "valid"},
      {"gb.sedol", "0016308", "valid"},
      {"gb.sedol", "0059585", "valid"},
      {"figi", "BBG000BLNQ16", "valid", R"(Prefix="BB")"},
      {"figi", "BBG000002KG4", "valid"},
      {"figi", "BBG00002MG40", "valid"},
      {"lei", "5493001KJTIIGC8Y1R12", "valid"},
      {"us.rtn", "111000025", "valid", R"(RoutingSymbol="1110")"},
      {"iso11649", "RF18 5390 0754 70Y", "valid"},
      {"iso11649", "RF97XX5ZIC", "valid"},
      {"iso11649", "RF03SW3EZRUFBK", "valid"},
      {"gtin", "4006381333931", "valid", R"(IndicatorDigit=nothing GS1Prefix="400")"},
      {"gtin", "036000291452", "valid", R"(GS1Prefix="003")"},
      {"gtin", "96385074", "valid", R"(GS1Prefix="963")"},
      {"gln", "4012345123456", "valid", R"(GS1Prefix="401")"},
      {"imei", "35-686800-004141-8", "valid"},
      {"imei", "3568680000414120", "valid",
       R"(Kind="IMEISV" HasCheckDigit=false SoftwareVersion="20" TAC="35686800")"},
      {"s10", "RB123456785US", "valid"},
      {"s10", "ee 123 456 785 us", "valid"},
      {"ismn", "979-0-3217-6543-6", "valid", R"(Publisher="3217")"},
      {"ismn", "M321765474", "valid"},
      {"ismn", "M-3452-4680-5", "valid"},
      {"isni", "0000 0001 2281 955X", "valid"},
      {"isni", "ISNI 0000 0001 2281 955X", "valid"},
      {"orcid", "0000-0002-1694-233X", "valid"},
      {"isan", "0000-0000-D07A-0090-Q-0000-0000-X", "valid",
       R"(Root="00000000D07A" Episode="0090")"},
      {"isan", "1881-66C7-3420-6541-Y-9F3A-0245-O", "valid", R"(Version="9F3A0245")"},
      {"isan", "0000-0001-8CFA-0000-I-0000-0000-K", "valid"},
      {"isan", "ISAN 0000-0001-8CFA-0000-I", "valid", "Version=nothing"},
      {"iswc", "T-034.524.680-1", "valid"},
      {"iswc", "T-011.618.240-1", "valid"},
      {"damm", "5724", "valid"},
      {"damm", "438812345679", "valid"},
      {"iso7064.mod_11_2", "079X", "valid"},
      {"iso7064.mod_37_2", "G123489654321Y", "valid"},
      {"iso7064.mod_97_10", "213800KUD8LAJWSQ9D15", "valid"},
      {"iso7064.mod_11_10", "07945", "valid"},
      {"iso7064.mod_37_36", "A12425GABC1234002M", "valid"},
      {"luhn_mod_n", "27AAPFU0939F1ZV", "valid"},
  });
}

TEST(IdentifiersTest, RulesEdges) {
  ExpectCheck({
      // The embedded number is judged apart from the ISIN's own check digit.
      {"isin", "US0378331013", "valid", "EmbeddedValid=false"},
      {"isin", "GB00BYXJL750", "invalid"},
      {"isin", "ZZ0378331005", "invalid"},  // no such country
      {"isin", "US037833100A", "invalid"},
      {"cusip", "DUS0421CN", "invalid"},
      {"cusip", "DUS0421C*", "invalid"},
      {"gb.sedol", "B15KXQ7", "invalid"},
      {"gb.sedol", "A15KXQ8", "invalid"},  // a vowel
      {"gb.sedol", "0B5KXQ8", "invalid"},  // a letter after a leading digit
      {"figi", "BBG000BLNQ14", "invalid"},
      {"figi", "BSG000BLNQ16", "invalid"},  // a prefix that is an ISIN country
      {"figi", "BBA000BLNQ16", "invalid"},  // no G third
      {"figi", "BBG000ALNQ16", "invalid"},  // a vowel
      {"lei", "213800KUD8LXJWSQ9D15", "invalid"},
      {"us.rtn", "112000025", "invalid"},
      {"us.rtn", "11100002B", "invalid"},
      {"iso11649", "RF17 5390 0754 7034", "invalid"},
      {"iso11649", "RG18 5390 0754 7034", "invalid"},
      {"iso11649", "RF181", "invalid"},  // 5 characters is the least
      {"iso11649", "RF1", "invalid"},
      {"gtin", "98412345678907", "invalid"},
      {"gtin", "984123456789080", "invalid"},  // 15 digits
      {"sscc", "376130321109103421", "invalid"},
      {"imei", "490154203237519", "invalid"},
      {"imei", "49015420323751", "invalid"},  // 14 digits: no check digit to check
      {"imei", "356868000041412X", "invalid"},
      // 10 gives 0 and 11 gives 5.
      {"s10", "EE000000080GB", "valid"},
      {"s10", "EE000000005GB", "valid"},
      {"s10", "RB123456784GB", "invalid"},
      {"s10", "R1123456785GB", "invalid"},
      {"ismn", "979-1-3452-4680-5", "invalid"},  // 979-1 is an ISBN
      {"ismn", "9790345246806", "invalid"},
      {"ismn", "N345246805", "invalid"},
      {"orcid", "0000-0002-1694-2330", "invalid"},
      {"isan", "0000-0000-D07A-0090-R-0000-0000-X", "invalid"},
      {"isan", "0000-0000-D07A-0090-Q-0000-0000-Y", "invalid"},
      {"isan", "0000-0000-G07A-0090-Q", "invalid"},
      {"iswc", "T-034.524.680-2", "invalid"},
      {"iswc", "X-034.524.680-1", "invalid"},
      {"damm", "5723", "invalid"},
      {"iso7064.mod_97_10", "213800KUD8LAJWSQ9D16", "invalid"},
  });
}

TEST(IdentifiersTest, Calculate) {
  ExpectCalculate({
      {"isin", "US037833100", "5"},
      {"isin", "GB00BYXJL75", "8"},
      {"cusip", "03783310", "0"},
      {"gb.sedol", "B15KXQ", "8"},
      {"gb.sedol", "B15KAQ", "-1"},
      {"figi", "BBG000BLNQ1", "6"},
      {"lei", "213800KUD8LAJWSQ9D", "15"},
      {"us.rtn", "11100002", "5"},
      {"iso11649", "RF539007547034", "18"},
      {"gtin", "9841234567890", "8"},
      {"sscc", "37613032110910342", "0"},
      {"gln", "401234512345", "6"},
      {"imei", "49015420323751", "8"},
      {"imei", "356868000041412", "-1"},  // an IMEISV has none
      {"s10", "RB12345678GB", "5"},
      {"ismn", "M34524680", "5"},
      {"ismn", "979034524680", "5"},
      {"isni", "000000012281955", "X"},
      {"orcid", "000000021825009", "7"},
      {"isan", "000000018CFA0000", "I"},
      {"isan", "000000018CFA0000I00000000", "K"},
      {"isan", "000000018CFA0000J00000000", ""},
      {"iswc", "T034524680", "1"},
      {"damm", "572", "4"},
      {"iso7064.mod_11_2", "079", "X"},
      {"iso7064.mod_37_2", "G123489654321", "Y"},
      {"iso7064.mod_97_10", "539007547034RF", "18"},
      {"iso7064.mod_11_10", "0794", "5"},
      {"iso7064.mod_37_36", "A12425GABC1234002", "M"},
      {"luhn_mod_n", "27AAPFU0939F1Z", "V"},
  });
}

TEST(IdentifiersTest, CompletePutsTheCheckCharactersInTheirPlace) {
  const struct {
    const char* scheme;
    const char* payload;
    const char* complete;
  } cases[] = {
      {"iso11649", "RF 5390 0754 7034", "RF18539007547034"},
      {"s10", "RB12345678GB", "RB123456785GB"},
      {"isan", "000000018CFA0000I00000000", "000000018CFA0000I00000000K"},
      {"imei", "356868000041412", ""},
      {"isni", "000000012281955", "000000012281955X"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Create(c.scheme)->Complete(c.payload), c.complete) << c.scheme << " " << c.payload;
  }
}

TEST(IdentifiersTest, Explain) {
  ExpectExplain({
      {"isin", "US0378331006", "check digit should be 5, not 6"},
      {"isin", "ZZ0378331005", "the letter Z cannot stand at place 2"},
      {"figi", "BSG000BLNQ16", "the letter S cannot stand at place 2"},
      {"iso11649", "RG18 5390 0754 7034", "the letter G cannot stand at place 2"},
      {"iso11649", "RF17 5390 0754 7034", "check digits should be 18, not 17"},
      {"s10", "RB123456784GB", "check digit should be 5, not 4"},
      {"isan", "0000-0000-D07A-0090-R-0000-0000-X", "the letter R cannot stand at place 21"},
      {"imei", "3568680000414120", "valid"},
      {"lei", "213800KUD8LAJWSQ9D1", "20 characters expected, 19 typed"},
  });
}

TEST(IdentifiersTest, LuhnModNTakesItsAlphabet) {
  SchemeAdapter<LuhnModN> luhn;
  luhn.scheme().SetAlphabet("0123456789");
  EXPECT_EQ(luhn.CalculateText("7992739871"), "3");
  EXPECT_EQ(luhn.CalculateText("79927A9871"), "");
  luhn.scheme().SetAlphabet("abca");  // a letter twice has no single value
  EXPECT_EQ(luhn.CalculateText("abc"), "");
}

TEST(IdentifiersTest, TheSharedArithmeticKeepsTheAnswersOfThe52) {
  ExpectCheck({
      {"GRid", "A1-2425G-ABC1234002-M", "valid"},
      {"IBAN", "DE89 3704 0044 0532 0130 00", "valid"},
      {"NIH", "1234567897", "valid"},
  });
}

}  // namespace
}  // namespace numerant::testing
