// SPDX-License-Identifier: MIT
// Payment cards, bank accounts, payment references and banknotes: Creditcard,
// IBAN, OGM, BZU and EUR. The expected values were worked out from the
// published rules by hand or with a few lines of Python, not with this code.
#include <cstddef>
#include <string>
#include <string_view>

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(PaymentsTest, Creditcard) {
  ExpectCalculate({
      {"Creditcard", "4111 1111 1111 111", "1",
       R"(AccountNumber="111111111" IssuerCode="411111" MajorIndustryCode=4)"},
      {"Creditcard", "5", "9", R"(AccountNumber="" IssuerCode="5" MajorIndustryCode=5)"},
      // The account part starts at the seventh character.
      {"Creditcard", "411111", "8", R"(AccountNumber="" IssuerCode="411111")"},
      {"Creditcard", "4111112", "1", R"(AccountNumber="2" IssuerCode="411111")"},
      // The fields are cut from text that is not all digits too.
      {"Creditcard", "A1234", "-1", R"(AccountNumber="" IssuerCode="A1234" MajorIndustryCode=0)"},
      {"Creditcard", "4111.1111", "-1",
       R"(AccountNumber="111" IssuerCode="4111.1" MajorIndustryCode=4)"},
  });
  ExpectCheck({
      {"Creditcard", "4111-1111-1111-1111", "valid"},
      {"Creditcard", "79927398710", "invalid",
       R"(AccountNumber="9871" CheckDigit=3 IssuerCode="799273" MajorIndustryCode=7)"},
  });
}

TEST(PaymentsTest, IBAN) {
  ExpectCalculate({
      {"IBAN", "DE370400440532013000", "89",
       R"(AccountNumber="370400440532013000" CountryCode="DE")"},
      {"IBAN", "de37 0400-4405 3201 3000", "89"},
      {"IBAN", "GBWEST12345698765432", "82"},
      // Every letter has its own value, 10 to 35.
      {"IBAN", "DEABCDEFGHIJKLMNOPQRSTUVWXYZ", "10"},
      {"IBAN", "DE", "36", R"(AccountNumber="" CountryCode="DE")"},
      {"IBAN", "12345", "61", R"(CountryCode="12")"},      // not tested to be letters
      {"IBAN", "DE111111111111111111111111111111", "75"},  // 32, the longest
      {"IBAN", "DE1111111111111111111111111111111", "-1", R"(AccountNumber="" CountryCode="")"},
      // The fields are set before the characters are tested.
      {"IBAN", "DE89.3704", "-1", R"(AccountNumber="89.3704" CheckDigit=-1 CountryCode="DE")"},
      {"IBAN", "DE3704\xE9", "-1"},
  });
  ExpectCheck({
      {"IBAN", "DE89 3704 0044 0532 0130 00", "valid",
       R"(AccountNumber="370400440532013000" CountryCode="DE")"},
      {"IBAN", "DE36", "valid"},
      {"IBAN", "DE75111111111111111111111111111111", "valid"},  // 34, the longest
      {"IBAN", "DE751111111111111111111111111111111", "invalid"},
      {"IBAN", "DE00370400440532013000", "invalid", R"(CheckDigit="89")"},
  });
}

TEST(PaymentsTest, OGM) {
  ExpectCalculate({
      {"OGM", "012/345 6+789", "39"},
      {"OGM", "0000000097", "00"},
      {"OGM", "9999999999", "48"},  // read exactly beyond 32 bits
      // Hyphens and full stops count towards the length but not the value.
      {"OGM", "123-456-78", "03"},
      {"OGM", "1.3456789-", "76"},
      {"OGM", "012345678A", "-1"},
  });
  ExpectCheck({
      {"OGM", "+++012/3456/78939+++", "valid"},
      {"OGM", "0123456789-39", "invalid"},
  });
}

TEST(PaymentsTest, BZU) {
  ExpectCalculate({
      {"BZU", "1234 5678 9012", "4"},
      {"BZU", "100000000000", "7"},
      {"BZU", "000000000007", "10"},
      {"BZU", "1234.5678.9012", "-1"},
  });
  ExpectCheck({
      {"BZU", "1234-5678-9012-4", "valid"},
      {"BZU", "0000000000070", "invalid"},
  });
}

TEST(PaymentsTest, EUR) {
  ExpectCalculate({
      {"EUR", "X0123456789", "2", R"(CountryCode="X")"},
      {"EUR", "x 0123-456789", "2", R"(CountryCode="X")"},
      {"EUR", "10123456789", "-1", R"(CountryCode="")"},
      {"EUR",
       "\xE9"
       "0123456789",
       "-1", R"(CountryCode="")"},
      {"EUR", "X012345678A", "-1", R"(CountryCode="X")"},
  });
  ExpectCheck({
      {"EUR", "A00000000079", "valid"},
      {"EUR", "A00000000070", "invalid"},  // a total of 8 modulo 9 takes 9, never 0
      {"EUR", "X0123456789X", "invalid"},
  });
}

// Each letter before ten zeros: the total is the letter's value, the digit
// sum of its place in the alphabet, so every total modulo 9 comes up too.
TEST(PaymentsTest, EurCountsEachLetterByTheDigitSumOfItsPlace) {
  constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  constexpr std::string_view kCheckDigits = "76543219876543219876543219";
  for (std::size_t i = 0; i < kLetters.size(); ++i) {
    const std::string payload = kLetters[i] + std::string(10, '0');
    const std::string check_digit(1, kCheckDigits[i]);
    ExpectCalculate({{"EUR", payload, check_digit}});
  }
}

TEST(PaymentsTest, Explain) {
  ExpectExplain({
      {"IBAN", " - ", "no number typed"},
      {"IBAN", "DE7511111111111111111111111111111111", "4 to 34 characters expected, 36 typed"},
      {"BZU", "1234 5678 9012", "13 digits expected, 12 typed"},
      {"IBAN", "DE89.3704", "the character \".\" cannot stand at place 5"},
      {"IBAN", "D_89 3704", "the character \"_\" cannot stand at place 2"},
      {"Creditcard", "4111.1111", "the character \".\" cannot stand at place 5"},
      {"OGM", "01234567A939", "the letter A cannot stand at place 9"},
      {"EUR", "10123456789 2", "the digit 1 cannot stand at place 1"},
      {"EUR", "X0123 45678A2", "the letter A cannot stand at place 12"},
      {"BZU", "0000000000070", "no check digit exists for this number"},
      {"OGM", "----------00", "no check digits exist for this number"},  // nothing but marks
      {"IBAN", "DE00370400440532013000", "check digits should be 89, not 00"},
      {"EUR", "X01234567893", "check digit should be 2, not 3"},
  });
}

}  // namespace
}  // namespace numerant::testing
