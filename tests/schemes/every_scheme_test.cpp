// What every scheme class owes its callers, checked over the whole catalogue:
// the unset value and start fields when there is nothing to compute, no trace
// of an earlier call, and no match for anything but a digit in the place of a
// numeric check digit.
#include <cstddef>
#include <string>
#include <variant>

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

struct Sample {
  const char* scheme;
  const char* stem;
  // A valid number, written without separators.
  const char* number;
  // Where its (first) check character stands when not at the end.
  std::size_t check_place = std::string::npos;
};

constexpr Sample kSamples[] = {
    {"ACL", "340156000000", "3401560000009"},
    {"ACN", "00408561", "004085616"},
    {"AHV", "7823465201", "78234652019"},
    {"AK", "4850315123", "48503151233"},
    {"BI", "12345678", "123456789"},
    {"BIC", "CSQU305438", "CSQU3054383"},
    {"BOL", "0123456789012345", "01234567890123452"},
    {"BSN", "11122233", "111222333"},
    {"BTW", "1234567", "123456749"},
    {"BZU", "123456789012", "1234567890124"},
    {"CAS", "773218", "7732185"},
    {"CNP", "185031512345", "1850315123455"},
    {"CPF", "123456789", "12345678909"},
    {"CPR", "150385412", "1503854127"},
    {"Creditcard", "7992739871", "79927398713"},
    {"DEA", "AB123456", "AB1234563"},
    {"DNI", "12345678", "12345678Z"},
    {"DUNS", "15048378", "150483782"},
    {"EAN", "978030640615", "9780306406157"},
    {"EUR", "X0123456789", "X01234567892"},
    {"GRid", "A12425GABC1234002", "A12425GABC1234002M"},
    {"HETU", "010100A123", "010100A123D"},
    {"IBAN", "DE370400440532013000", "DE89370400440532013000", 2},
    {"IK", "3900101000", "39001010000"},
    {"INSZ", "850315123", "85031512369"},
    {"ISBN", "030640615", "0306406152"},
    {"ISSN", "0317847", "03178471"},
    {"JMBG", "150398571012", "1503985710126"},
    {"MRN", "7992739871", "79927398713"},
    {"NHS", "943476591", "9434765919"},
    {"NID", "850315123", "850315123G"},
    {"NIH", "123456789", "1234567897"},
    {"NIP", "123456321", "1234563218"},
    {"NPI", "123456789", "1234567893"},
    {"OGM", "0123456789", "012345678939"},
    {"OPC", "123456789", "1234567897"},
    {"PESEL", "8503151234", "85031512344"},
    {"PNR", "850315123", "8503151238"},
    {"PPS", "1234567", "1234567T"},
    {"PZN", "490880", "4908802"},
    {"REGON", "12345678", "123456785"},
    {"RUN", "12345678", "123456785"},
    {"SIN", "04645428", "046454286"},
    {"SIREN", "73282932", "732829320"},
    {"SIS", "12345678", "1234567803"},
    {"TFN", "12345678", "123456782"},
    {"UIC", "21812471217", "218124712173"},
    {"UPC", "0425261", "04252614"},
    {"Verhoeff", "236", "2363"},
    {"VIN", "1M8GDM9AKP042788", "1M8GDM9AXKP042788", 8},
    {"VSNR", "15070649C10", "15070649C103"},
    {"WSDLN", "SMITHJA55BG", "SMITHJA557BG", 9},
    {"Luhn", "7992739871", "79927398713"},
    {"Modulo10", "400638133393", "4006381333931"},
    {"Modulo97", "123456789", "12345678939"},
};

TEST(EverySchemeTest, SamplesCoverTheCatalogue) {
  std::size_t listed = SchemeList().size() + BuildingBlocks().size();
  EXPECT_EQ(std::size(kSamples), listed);
  for (const Sample& sample : kSamples)
    EXPECT_NE(Create(sample.scheme), nullptr) << sample.scheme;
}

TEST(EverySchemeTest, EachCallStartsAfresh) {
  for (const Sample& sample : kSamples) {
    SCOPED_TRACE(sample.scheme);
    const auto scheme = Create(sample.scheme);
    // What a fresh object shows after a call that could compute nothing.
    const auto blank = Create(sample.scheme);
    const std::string unset = blank->CalculateText("");
    for (const char* nothing : {"", "   ", " - "}) {
      EXPECT_NE(scheme->CalculateText(sample.stem), unset);
      EXPECT_EQ(scheme->CalculateText(nothing), unset) << "'" << nothing << "'";
      EXPECT_EQ(Fields(*scheme), Fields(*blank)) << "'" << nothing << "'";
    }
    // `Check` after `Calculate` shows only what `Check` found.
    for (const char* number : {sample.number, "1"}) {
      const auto fresh = Create(sample.scheme);
      const bool valid = fresh->Check(number);
      EXPECT_EQ(valid, number == sample.number) << number;
      scheme->CalculateText(sample.stem);
      EXPECT_EQ(scheme->Check(number), valid) << number;
      EXPECT_EQ(Fields(*scheme), Fields(*fresh)) << number;
    }
  }
}

bool HasNumericCheckDigit(const Scheme& scheme) {
  bool numeric = false;
  scheme.VisitProperties([&](std::string_view name, const PropertyValue& value) {
    if (name == "CheckDigit") numeric = !std::holds_alternative<std::string>(value);
  });
  return numeric;
}

TEST(EverySchemeTest, OnlyADigitMatchesANumericCheckDigit) {
  for (const Sample& sample : kSamples) {
    const auto scheme = Create(sample.scheme);
    if (!HasNumericCheckDigit(*scheme)) continue;
    std::string number = sample.number;
    const std::size_t place =
        sample.check_place == std::string::npos ? number.size() - 1 : sample.check_place;
    for (char other : {'A', 'x', ':', '/', '\xB2'}) {
      number[place] = other;
      EXPECT_FALSE(scheme->Check(number)) << number;
    }
  }
}

// Computed values outside 0 to 9 (10, 11, or -1 where a rule maps a remainder
// to it) are matched by no character, not even ":", ";" or "/", which stand
// at 10, 11 and -1 from "0".
TEST(EverySchemeTest, ValuesOutsideZeroToNineMatchNoCharacter) {
  const Case unmatchable[] = {
      {"BI", "00000000", "11"},      {"BI", "00000006", "10"},    {"BSN", "00000005", "10"},
      {"NHS", "123456789", "-1"},    {"REGON", "00000003", "10"}, {"TFN", "00000006", "10"},
      {"BZU", "000000000007", "10"}, {"PZN", "123460", "10"},     {"IK", "4850315123", "10"},
      {"CPR", "010150512", "-1"},    {"AHV", "3564856112", "-1"},
  };
  for (const Case& c : unmatchable) {
    const auto scheme = Create(c.scheme);
    const std::string stem(c.input);
    EXPECT_EQ(scheme->CalculateText(stem), c.answer) << c.scheme << " " << stem;
    for (char last : std::string("0123456789:;/")) {
      EXPECT_FALSE(scheme->Check(stem + last)) << c.scheme << " " << stem << last;
    }
  }
}

}  // namespace
}  // namespace numerant::testing
