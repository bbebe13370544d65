// Article, transport and publication numbers. Fields follow each class's
// Descriptor: ACL CategoryCode CheckDigit PrefixCode; OPC CheckDigit
// ManufacturerCode ProductCode; BIC CategoryCode CheckDigit OwnerCode
// SerialNumber; UIC CheckDigit CountryCode SerialNumber TypeCode TypeNumber;
// EAN and UPC CheckDigit ManufacturerCode NumberSystem ProductCode; GRid
// CheckDigit IdentifierScheme IssueCode ReleaseNumber; ISBN CheckDigit
// GroupCode PublisherCode TitleNumber; VIN CheckDigit CountryCode
// EquipmentCodes ManufacturerCode PlantCode SerialNumber YearCode.
#include "schemes/articles/ean_upc.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(ArticlesTest, Calculate) {
  ExpectCalculate({
      {"ACL", "3401-5600 0000", "9", R"(5 9 "3401")"},
      {"ACL", "34015600000A", "-1", R"(5 -1 "3401")"},
      // A fifth character that is no digit stops the step before the prefix.
      {"ACL", "3401A6000000", "-1", "0 -1 0"},
      {"BOL", "0123456789012345", "2"},
      {"BOL", "012345678901234+", "-1"},
      {"OPC", "123456789", "7", R"(7 "12345" "6789")"},
      {"OPC", "12345678A", "-1", R"(-1 "12345" "678A")"},
      // The owner letters are the category code, the category letter the
      // owner code.
      {"BIC", "CSQU 305438", "3", R"("CSQ" 3 "U" "305438")"},
      {"BIC", "csqu-305438", "3"},
      {"BIC", "ZZZU000000", "5"},  // letters skip 33: Z counts 38
      {"BIC", "AAAU000006", "0"},  // remainder 10
      {"BIC", "ABCX123456", "-1", R"("" -1 "" 0)"},
      {"BIC", "C1QU305438", "-1", R"("C1Q" -1 "U" "305438")"},
      {"UIC", "21 81 2471 217", "3", R"(3 "81" "217" "21" "2471")"},
      {"UIC", "10000000000", "8"},  // the leftmost digit is doubled
      {"UIC", "2181247121a", "-1", R"(-1 "81" "21a" "21" "2471")"},
      {"UIC", "21.81.2471.217", "-1"},
      // The number system has two or three digits by the prefix table.
      {"EAN", "978-0-306-40615", "7", R"(7 "0306" "978" "40615")"},
      {"EAN", "501234567890", "0", R"(0 "12345" "50" "67890")"},
      {"EAN", "9638507", "4", R"(4 -1 "963" "8507")"},
      {"EAN", "40063813339A", "-1", R"(-1 "6381" "400" "3339A")"},
      {"EAN", "A01234567890", "-1", R"(-1 "12345" "A0" "67890")"},
      {"UPC", "03600029145", "2", R"(2 "36000" 0 "29145")"},
      {"UPC", "0425-2 61", "4", R"(4 "42100" 0 "00526")"},  // on its expansion
      {"UPC", "A425261", "-1", R"(-1 "42100" 0 "00526")"},
      {"UPC", "042526A", "-1", R"(-1 "" 0 "")"},
      {"GRid", "A1-2425G-ABC1234002", "M", R"("M" "A1" "2425G" "ABC1234002")"},
      {"GRid", "a1 2425g abc1234002", "M"},
      {"GRid", "A1000000000000000", "X"},
      {"GRid", "A1-2425G-ABC123400_", "", R"("" "A1" "2425G" "ABC123400_")"},
      {"GRid", "A1/2425G/ABC1234002", ""},
      {"ISBN", "0-306-40615", "2", R"("2" "03" "0640" "615")"},
      {"ISBN", "080442957", "X", R"("X" "08" "0442" "957")"},
      {"ISBN", "978-0-306-40615", "7", R"("7" "03" "0640" "615")"},
      {"ISBN", "97803064061A", "", R"("" "03" "0640" "61A")"},
      {"ISBN", "977030640615", "", R"("" 0 0 0)"},
      {"ISSN", "0317-847", "1"},
      {"ISSN", "2434-561", "X"},
      {"ISSN", "977031784700", "1"},
      {"ISSN", "978031784700", ""},
      {"VIN", "1M8GDM9AKP042788", "X", R"("X" "1M" "DM9A" "8G" "P" "042788" "K")"},
      // I, O and Q are not transliterated, yet the fields show the number.
      {"VIN", "1M8GDM9AKP0427Q8", "", R"("" "1M" "DM9A" "8G" "P" "0427Q8" "K")"},
      {"VIN", "IM8GDM9AKP042788", ""},
      {"PZN", "490880", "2"},
      {"CAS", "7732-18", "5"},
      {"CAS", "100", "3"},  // the rightmost digit weighs 1
      {"CAS", "10000000", "8"},
      {"CAS", "12", "-1"},
      {"CAS", "123456789", "-1"},
  });
}

TEST(ArticlesTest, Check) {
  ExpectCheck({
      {"OPC", "12345-6789-7", "valid", R"(7 "12345" "6789")"},
      {"EAN", "9638-5074", "valid", R"(4 -1 "963" "8507")"},
      {"UPC", "04252614", "valid", R"(4 "42100" 0 "00526")"},
      {"GRid", "a1-2425g-abc1234002-m", "valid"},
      {"ISBN", "0-8044-2957-x", "valid", R"("X" "08" "0442" "957")"},
      {"ISBN", "978030640615X", "invalid", R"("7" "03" "0640" "615")"},
      {"ISSN", "2434-561x", "valid"},
      {"VIN", "1m8gdm9axkp042788", "valid"},  // the check character stands ninth
      {"VIN", "1M8GDM9A0KP042788", "invalid"},
      {"VIN", "1M8GDM9AXKP04278O", "invalid"},
      {"CAS", "100000008", "valid"},
  });
}

TEST(ArticlesTest, UpcConvertsBetweenUpcEAndUpcA) {
  // One pair for each place the suppressed zeros can stand.
  const char* const pairs[][2] = {
      {"04252614", "042100005264"}, {"0123453", "01230000045"},   {"0123454", "01234000005"},
      {"0123455", "01234500005"},   {"01234559", "012345000059"},
  };
  UPC upc;
  for (const auto& pair : pairs) {
    EXPECT_EQ(upc.Convert(pair[0]), pair[1]);
    EXPECT_EQ(upc.Convert(pair[1]), pair[0]);
  }
  for (const char* none : {"03600029145", "042526A4", "012345678", ""}) {
    EXPECT_EQ(upc.Convert(none), "") << none;
  }
}

}  // namespace
}  // namespace numerant::testing
