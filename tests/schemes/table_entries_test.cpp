// SPDX-License-Identifier: MIT
// Every entry of every table of the rules: weights, remainder mappings,
// letter values, centuries and sexes by digit. Each row varies one place of a
// payload through all its values; the answers were worked out from the
// published rules by hand or with a few lines of Python, not with this code.
#include <string>
#include <string_view>
#include <vector>

#include "tests/schemes/tables.h"

namespace numerant::testing {
namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

TEST(TableEntriesTest, WeightsOfEveryPlace) {
  // A single 1 asks for the complement of its place's weight.
  ExpectEach("EAN", EachPlace("000000000000"), "979797979797");
  ExpectEach("EAN", EachPlace("0000000"), "7979797");  // the rightmost digit weighs 3
  ExpectEach("UPC", EachPlace("00000000000"), "79797979797");
  ExpectEach("ACL", EachPlace("000000000000"), "979797979797");
  ExpectEach("BOL", EachPlace("0000000000000000"), "9797979797979797");
  ExpectEach("OPC", EachPlace("000000000"), "898989898");  // the rightmost digit doubled
  ExpectEach("UIC", EachPlace("00000000000"), "89898989898");
  ExpectEach("ISBN", EachPlace("000000000"), "123456789");
  ExpectEach("ISSN", EachPlace("0000000"), "3456789");
  ExpectEach("PZN", EachPlace("000000"), "234567");
  ExpectEach("CAS", EachPlace("00000000"), "87654321");
  ExpectEach("VIN", EachPlace("0000000000000000"), "8765432X98765432");
  ExpectEach("BIC", EachPlace("AAAU000000"), "....165302");  // serial places weigh 16 to 512
}

TEST(TableEntriesTest, EveryRemainder) {
  ExpectEach("ISBN", EachCharacter("00000000?"), "097531X864");
  ExpectEach("ISSN", EachCharacter("000000?"), "097531X864");
  ExpectEach("UIC", EachCharacter("0000000000?"), "0864297531");
  ExpectEach("UIC", EachCharacter("000000000?0"), "0987654321");
  ExpectEach("CPR", Vary("15038541_", 8), "0 9 7 5 3 1 -1 8 6 4");
  ExpectEach("PESEL", Vary("850315123_", 9), "6 3 0 7 4 1 8 5 2 9");
  ExpectEach("CNP", Vary("_85031512345", 0), "3 5 7 9 0 2 4 6 8 1");
  ExpectEach("JMBG", Vary("15039857101_", 11), "0 8 6 4 2 0 9 7 5 3");
  ExpectEach("AK", Vary("_850315123", 0), "6 7 8 9 3 0 1 2 3 4");  // a second weighting
  ExpectEach("IK", Vary("_850315123", 0), "6 7 8 9 10 0 1 2 3 4");
  ExpectEach("AHV", Vary("78234_5201", 5), "1 6 0 5 -1 4 9 3 8 2");
  ExpectEach("AHV", Vary("782346520_", 9), "0 9 7 5 3 1 -1 8 6 4");
  // Verhoeff: the ten one-digit payloads end on every entry of the inverse.
  ExpectEach("Verhoeff", Consecutive(0, 10, 1), "4576382091");
  ExpectEach("CPF", Consecutive(123456780, 19, 9),
             "62 43 24 05 96 77 58 39 10 09 34 15 04 87 68 49 20 00 91");
}

TEST(TableEntriesTest, EveryCheckLetter) {
  ExpectEach("DNI", Consecutive(12345678, 23, 8), "ZSQVHLCKETRWAGMYFPDXBNJ");
  ExpectEach("PPS", Consecutive(1234560, 30, 7), "FHJLNPRTVAIKMOQSUWBDLNPRTVACEG");
  ExpectEach("RUN", Consecutive(12345670, 14, 8), "K8642097537531");
  // Thirty-one individual numbers in a row meet every remainder modulo 31.
  std::vector<std::string> hetu;
  for (const std::string& individual : Consecutive(308, 31, 3))
    hetu.push_back("131052-" + individual);
  ExpectEach("HETU", hetu, "TUVWXY0123456789ABCDEFHJKLMNPRS");
  // GRid: the 36 values of the last character give 36 different products,
  // and so every check character.
  constexpr std::string_view kCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  ExpectEach("GRid", EachCharacter("A12425GABC123400?", kCharacters),
             "QOMKIGECA8642ZXVTRPNLJHFDB975310YWUS");
  ExpectEach("GRid", EachCharacter("?1000000000000000", kCharacters),
             "9ATBUCVDWEXFYGZH0ISJ1K2L3M4N5O6P7Q8R");
}

// The further formats on the ISO 7064 and check-letter bases, cross-checked
// with python-stdnum where it has the rule.
TEST(TableEntriesTest, FormatsOnTheFamilyBases) {
  // MOD 11,10: a single 1 in each place, and a run of payloads.
  ExpectEach("hr.oib", EachPlace("0000000000"), "0695327480");
  ExpectEach("de.vat", Vary("10000000", 7), "8642975310");
  ExpectEach("NIH", Consecutive(123456780, 10, 9), "5310864297");
  // BZU asks for 10 where ISO 7064 gives 0.
  ExpectEach("BZU", Consecutive(100000000000, 12, 12), "7 5 3 1 10 8 6 4 2 9 3 1");
  // MOD 11-2: a single 1 in each place.
  ExpectEach("isni", EachPlace("000000000000000"), "2748X069532748X");
  ExpectEach("orcid", EachPlace("000000000000000"), "2748X069532748X");
  // The German tax number: one digit twice or thrice, never three in a row,
  // no other repeated, no leading 0.
  ExpectEach("de.idnr",
             {"1234567891", "1234567811", "1234567111", "1111234567", "1234567890", "0234567891",
              "1223456789", "1223345678", "1212345678", "9876543219"},
             "1 4 -1 -1 -1 -1 9 -1 -1 8");
  // NIE: X, Y and Z stand for 0, 1 and 2.
  ExpectEach("es.nie", Vary("X2482300", 7), "WAGMYFPDXB");
  ExpectEach("es.nie", EachCharacter("?2482300", "XYZA"), "WQF.");
  // Irish PPS: a second letter A weighs 9 x 1, H 9 x 8, W, T and X nothing.
  ExpectEach("ie.pps", EachCharacter("1234567?", "AHWTXC"), "FWTTT.");
  // Codice fiscale: every letter and digit in an odd place goes through
  // its own table, in an even place it counts its rank.
  ExpectEach("it.codicefiscale", Vary("RSSMRA85T10A562", 0, kLetters),
             "LKPRTXZBDFMOCEVNQSWYAUGJIH");
  ExpectEach("it.codicefiscale", Vary("RSSMRA85T10A562", 1, kLetters),
             "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  ExpectEach("it.codicefiscale", Vary("RSSMRA85T10A562", 12), "GFKMOSUWYA");
  ExpectEach("it.codicefiscale", Vary("RSSMRA85T10A562", 13), "MNOPQRSTUV");
}

TEST(TableEntriesTest, EveryLetterValue) {
  // VIN: a character weighed 8 leaves a different remainder for each value 1
  // to 9, so every letter's transliteration shows; I, O and Q have none.
  ExpectEach("VIN", EachCharacter("?000000000000000", kLetters), "852X7419.852X7.1.652X74196");
  ExpectEach("VIN", EachCharacter("?000000000000000", kDigits), "0852X74196");
  // BIC: each letter weighed 1 and weighed 1 + 2 + 4 tell apart every two
  // letter values that differ modulo 11.
  ExpectEach("BIC", EachCharacter("?AAU000000", kLetters), "79001234567900123456790012");
  ExpectEach("BIC", EachCharacter("???U000000", kLetters), "70629518407062951840706295");
  // VSNR: A to I count their place alone; J to Z add 2 or 4 for the tens.
  ExpectEach("VSNR", Vary("15070649_10", 8, kLetters), "12345678923456789014567890");
  const std::string wsdln = std::string(kLetters) + "*";
  ExpectEach("WSDLN", Vary("SMITHJA55BG", 0, wsdln), "678901234678901234789012349");
  ExpectEach("WSDLN", Vary("SMITHJA55BG", 1, wsdln), "098765432098765432987654327");
  // EUR: a letter before ten zeros counts the digit sum of its place in the
  // alphabet, so every total modulo 9 comes up too.
  ExpectEach("EUR", EachCharacter("?0000000000", kLetters), "76543219876543219876543219");
  // MRN: each letter alone (doubled) and before a 0 (counted as it is) tell
  // every letter's value, its code minus that of "0".
  ExpectEach("MRN", EachCharacter("?", kLetters), "31964208531974208631975208");
  ExpectEach("MRN", EachCharacter("?0", kLetters), "32109876543210987654321098");
}

TEST(TableEntriesTest, FieldsOfEveryLeadingDigit) {
  const auto first = Vary("_850315123", 0);
  ExpectEach("AK", first, "17 18 18 19 19 20 20 21 21 22", "Century");
  ExpectEach("IK", first, "0 19 19 20 20 21 21 0 0 0", "Century");
  ExpectEach("AK", first, "0 1 2 1 2 1 2 1 2 0", "Gender");
  ExpectEach("IK", first, "2 1 2 1 2 1 2 1 2 1", "Gender");
  const auto cnp = Vary("_85031512345", 0);
  ExpectEach("CNP", cnp, "0 20 20 19 19 21 21 0 0 0", "Century");
  ExpectEach("CNP", cnp, "0 1 2 1 2 1 2 1 2 0", "Gender");
  ExpectEach("PESEL", Vary("850315123_", 9), "2 1 2 1 2 1 2 1 2 1", "Gender");
  ExpectEach("AHV", Vary("78234_5201", 5), "0 1 1 1 1 2 2 2 2 0", "Gender");
  ExpectEach("AHV", Vary("782346520_", 9), "true true true true true false false false false false",
             "Citizen");
  // CPR: sequence digits 0 to 3 always give the 1900s; 4 and 9 the 2000s up
  // to year 36; 5 to 8 the 2000s up to 57 and the 1800s from 58.
  ExpectEach("CPR", Vary("010136_12", 6), "20 20 20 20 21 21 21 21 21 21", "Century");
  ExpectEach("CPR", Vary("010137_12", 6), "20 20 20 20 20 21 21 21 21 20", "Century");
  ExpectEach("CPR", Vary("010157_12", 6), "20 20 20 20 20 21 21 21 21 20", "Century");
  ExpectEach("CPR", Vary("010158_12", 6), "20 20 20 20 20 19 19 19 19 20", "Century");
  // NID: the first character gives decade range and century, the month
  // above 50 a woman.
  const auto nid = Vary("_50315123", 0, "09AJKTU");
  ExpectEach("NID", nid, "VHPBCLM");
  ExpectEach("NID", nid, "19 19 20 20 21 21 0", "Century");
  ExpectEach("NID", nid, R"("050315" "950315" "050315" "950315" "050315" "950315" 0)", "BirthDate");
  const std::vector<std::string> months{"850015123", "850115123", "851215123", "851315123",
                                        "855015123", "855115123", "856215123", "856315123"};
  ExpectEach("NID", months, "RVFJJNUB");
  ExpectEach("NID", months, "0 1 1 0 0 2 2 0", "Gender");
  ExpectEach("NID", months,
             R"("850015" "850115" "851215" "851315" "850015" "850115" "851215" "851315")",
             "BirthDate");
}

}  // namespace
}  // namespace numerant::testing
