// SPDX-License-Identifier: MIT
// The written and compact forms of numbers as people print and paste them.
#include <gtest/gtest.h>
#include <memory>
#include <string_view>
#include <vector>

#include "core/translation.h"
#include "schemes/catalogue.h"

namespace numerant {
namespace {

std::unique_ptr<Scheme> Create(std::string_view name) {
  const CatalogueEntry* entry = FindScheme(name);
  return entry != nullptr ? entry->create() : nullptr;
}

TEST(WrittenFormsTest, NumbersComeOutAsPeopleWriteThem) {
  struct Case {
    std::string_view scheme;
    std::string_view typed;  // UTF-8
    std::string_view compact;
    std::string_view formatted;
  };
  const Case kCases[] = {
      {"IBAN", "gb82west12345698765432", "GB82WEST12345698765432", "GB82 WEST 1234 5698 7654 32"},
      {"iso11649", "RF18539007547034", "RF18539007547034", "RF18 5390 0754 7034"},
      {"ISSN",
       "0024\xE2\x80\x93"
       "9319",
       "00249319", "0024-9319"},  // an en dash
      {"GRid", "A12425GABC1234002M", "A12425GABC1234002M", "A1-2425G-ABC1234002-M"},
      {"BIC", "csqu3054383", "CSQU3054383", "CSQU 305438 3"},
      {"OGM", "090933755493", "090933755493", "+++090/9337/55493+++"},
      {"INSZ", "85073003328", "85073003328", "85.07.30-033.28"},
      {"be.nn", "85 07 30 033 28", "85073003328", "85.07.30-033.28"},
      {"CPR", "2110625629", "2110625629", "211062-5629"},
      {"br.cnpj", "16727230000197", "16727230000197", "16.727.230/0001-97"},
      {"cl.rut", "CL 12531909-2", "125319092", "12.531.909-2"},
      {"cl.rut", "7727230-5", "77272305", "7.727.230-5"},
      {"imei", "35 686800 004141 8", "356868000041418", "35-686800-004141-8"},
      {"isan", "000000018CFA0000I", "000000018CFA0000I", "ISAN 0000-0001-8CFA-0000-I"},
      // ISBN by the registration-group ranges, not by fixed places.
      {"ISBN", "9780306406157", "9780306406157", "978-0-306-40615-7"},
      {"ISBN", "0-8044-2957-x", "080442957X", "0-8044-2957-X"},
      {"ISBN", "979-0000000001", "9790000000001", "9790000000001"},  // 979-0: no ISBN group
      {"ismn", "9790345246805", "9790345246805", "979-0-3452-4680-5"},
      {"ismn", "M321765474", "M321765474", "M-3217-6547-4"},
      {"be.vat", "BE 0403.019.261", "0403019261", "0403.019.261"},
      {"ch.vat", "CHE-107.787.577 IVA", "107787577IVA", "CHE-107.787.577 IVA"},
      {"vat", "de 136695976", "DE136695976", "DE 136695976"},
      {"vat", "CHE-107.787.577 MWST", "CHE107787577MWST", "CHE-107.787.577 MWST"},
      {"BTW", "BE 403.019.261", "403019261", "403.019.261"},
      // No customary form: the compact one.
      {"PESEL",
       "850315\xC2\xA0"
       "12344",
       "85031512344", "85031512344"},
      // RUN does not strip the hyphen, so its written form keeps none.
      {"RUN", "12.531.909-2", "12531909-2", "12531909-2"},
      // Full-width digits.
      {"ISSN",
       "\xEF\xBC\x90\xEF\xBC\x90\xEF\xBC\x92\xEF\xBC\x94"
       "9319",
       "00249319", "0024-9319"},
      // A number that fits no written form is left compact.
      {"ISSN", "0024-931", "0024931", "0024931"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.scheme) + " " + std::string(c.typed));
    const auto scheme = Create(c.scheme);
    ASSERT_NE(scheme, nullptr);
    EXPECT_EQ(scheme->CompactUtf8(c.typed), c.compact);
    EXPECT_EQ(scheme->FormatUtf8(c.typed), c.formatted);
  }
}

TEST(WrittenFormsTest, ADoubledPrefixIsRemovedOnceAndCompactingAgainChangesNothing) {
  struct Case {
    std::string_view scheme;
    std::string_view typed;
  };
  const Case kCases[] = {
      {"de.vat", "DEDE136695976"},
      {"cl.rut", "CLCL125319092"},
      {"ch.vat", "CHECHE107787577"},
      {"isan", "ISANISAN1"},
      {"vat", "DEDE1"},
      {"gr.vat", "ELGREL094259216"},
  };
  for (const Case& c : kCases) {
    const auto scheme = Create(c.scheme);
    const std::string compact = scheme->Compact(c.typed);
    EXPECT_EQ(scheme->Compact(compact), compact) << c.scheme << " " << c.typed;
    EXPECT_EQ(scheme->Compact(scheme->Format(c.typed)), compact) << c.scheme << " " << c.typed;
  }
}

TEST(WrittenFormsTest, PartsAreNamedWhereTheFormatNamesThem) {
  const std::vector<WrittenPart> kIsmn = {
      {"prefix", "979-0"}, {"publisher", "3452"}, {"item", "4680"}, {"check_digit", "5"}};
  EXPECT_EQ(Create("ismn")->FormatParts("979-0-3452-4680-5"), kIsmn);
  const std::vector<WrittenPart> kOldIsmn = {
      {"prefix", "M"}, {"publisher", "060"}, {"item", "11234"}, {"check_digit", "5"}};
  EXPECT_EQ(Create("ismn")->FormatParts("M 0601 1234 5"), kOldIsmn);
  EXPECT_TRUE(Create("ismn")->FormatParts("979-0-3452-4680").empty());
  EXPECT_TRUE(Create("IBAN")->FormatParts("DE89370400440532013000").empty());
  const std::vector<WrittenPart> kIsbn = {{"prefix", "978"},
                                          {"group", "0"},
                                          {"registrant", "306"},
                                          {"publication", "40615"},
                                          {"check_digit", "7"}};
  EXPECT_EQ(Create("ISBN")->FormatParts("978-0306406157"), kIsbn);
  const std::vector<WrittenPart> kIsbn10 = {
      {"group", "0"}, {"registrant", "306"}, {"publication", "40615"}, {"check_digit", "2"}};
  EXPECT_EQ(Create("ISBN")->FormatParts("0306406152"), kIsbn10);
}

}  // namespace
}  // namespace numerant
