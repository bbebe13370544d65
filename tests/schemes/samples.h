// SPDX-License-Identifier: MIT
// One worked sample of every scheme class, in catalogue order: a stem, the
// valid number it completes to (written without separators), and what the
// tests over all classes need to know of the number's shape.
#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <string>

namespace numerant::testing {

struct Sample {
  const char* scheme;
  const char* stem;
  const char* number;
  // Where the (first) check character stands when not at the end, and how
  // many there are.
  std::size_t check_place = std::string::npos;
  std::size_t check_length = 1;
  // The characters the class removes wherever they stand.
  const char* separators = " -";
  // Whether every change of one digit of a valid number is caught: Verhoeff,
  // Luhn and the weighted sums whose weights are all prime to their modulus
  // and whose remainders map to distinct check values.
  bool catches_single_digit_errors = false;
  // Stems of other accepted lengths or shapes.
  std::array<const char*, 3> more_stems = {};
  // How many leading characters every number of the format shares (the
  // prefix 756 of ch.ssn), which generated numbers keep.
  std::size_t fixed_prefix = 0;
  // How many trailing characters every number of the format shares (the 01
  // of se.vat), which generated numbers keep too.
  std::size_t fixed_suffix = 0;
};

// Test parameters print as their scheme's name.
inline void PrintTo(const Sample& sample, std::ostream* out) {
  *out << sample.scheme;
}

// clang-format off
inline constexpr Sample kSamples[] = {
    {"ACL", "340156000000", "3401560000009"},
    {"ACN", "00408561", "004085616"},
    {.scheme = "AHV", .stem = "7823465201", .number = "78234652019", .separators = " ."},
    {"AK", "4850315123", "48503151233"},
    {.scheme = "BI", .stem = "12345678", .number = "123456789", .catches_single_digit_errors = true},
    {.scheme = "BIC", .stem = "CSQU305438", .number = "CSQU3054383", .more_stems = {"ABCJ000000"}},
    {"BOL", "0123456789012345", "01234567890123452"},
    {.scheme = "BSN", .stem = "11122233", .number = "111222333", .separators = " .", .catches_single_digit_errors = true},
    {.scheme = "BTW", .stem = "1234567", .number = "123456749", .check_length = 2, .separators = " -."},
    {.scheme = "BZU", .stem = "123456789012", .number = "1234567890124", .more_stems = {"000000000000"}},
    {.scheme = "CAS", .stem = "773218", .number = "7732185", .more_stems = {"6417", "123", "12345678"}},
    {"CNP", "185031512345", "1850315123455"},
    {.scheme = "CPF", .stem = "123456789", .number = "12345678909", .check_length = 2, .separators = " -."},
    {"CPR", "150385412", "1503854127"},
    {.scheme = "Creditcard", .stem = "411111111111111", .number = "4111111111111111", .more_stems = {"5"}},
    {.scheme = "DEA", .stem = "AB123456", .number = "AB1234563", .more_stems = {"BJ654321"}},
    {"DNI", "12345678", "12345678Z"},
    {"DUNS", "15048378", "150483782"},
    {.scheme = "EAN", .stem = "978030640615", .number = "9780306406157", .more_stems = {"9638507"}},
    {"EUR", "X0123456789", "X01234567892"},
    {"GRid", "A12425GABC1234002", "A12425GABC1234002M"},
    {.scheme = "HETU", .stem = "010100A123", .number = "010100A123D", .separators = " ", .more_stems = {"311299-123", "010100+999"}},
    {.scheme = "IBAN", .stem = "DE370400440532013000", .number = "DE89370400440532013000", .check_place = 2, .check_length = 2, .more_stems = {"GBWEST12345698765432"}},
    {"IK", "3900101000", "39001010000"},
    {.scheme = "INSZ", .stem = "850315123", .number = "85031512369", .check_length = 2, .separators = " -."},
    {.scheme = "ISBN", .stem = "030640615", .number = "0306406152", .more_stems = {"978030640615"}},
    {.scheme = "ISSN", .stem = "0317847", .number = "03178471", .more_stems = {"977031784700"}},
    {"JMBG", "150398571012", "1503985710126"},
    {.scheme = "MRN", .stem = "7992739871", .number = "79927398713", .more_stems = {"AB12", "X"}},
    {.scheme = "NHS", .stem = "943476591", .number = "9434765919", .catches_single_digit_errors = true},
    {.scheme = "NID", .stem = "850315123", .number = "850315123G", .more_stems = {"850315104"}},
    {"NIH", "123456789", "1234567897"},
    {"NIP", "123456321", "1234563218"},
    {"NPI", "123456789", "1234567893"},
    {.scheme = "OGM", .stem = "0123456789", .number = "012345678939", .check_length = 2, .separators = " +/"},
    {"OPC", "123456789", "1234567897"},
    {"PESEL", "8503151234", "85031512344"},
    {"PNR", "850315123", "8503151238"},
    {"PPS", "1234567", "1234567T"},
    {"PZN", "490880", "4908802"},
    {.scheme = "REGON", .stem = "12345678", .number = "123456785", .catches_single_digit_errors = true},
    {.scheme = "RUN", .stem = "12345678", .number = "123456785", .separators = " ."},
    {"SIN", "04645428", "046454286"},
    {"SIREN", "73282932", "732829320"},
    {.scheme = "SIS", .stem = "12345678", .number = "1234567803", .check_length = 2, .separators = " -."},
    {.scheme = "TFN", .stem = "12345678", .number = "123456782", .catches_single_digit_errors = true, .more_stems = {"1234567"}},
    {"UIC", "21812471217", "218124712173"},
    {.scheme = "UPC", .stem = "0425261", .number = "04252614", .more_stems = {"03600029145"}},
    {.scheme = "Verhoeff", .stem = "236", .number = "2363", .catches_single_digit_errors = true, .more_stems = {"12345", "8473643095"}},
    {.scheme = "VIN", .stem = "1M8GDM9AKP042788", .number = "1M8GDM9AXKP042788", .check_place = 8},
    {"VSNR", "15070649C10", "15070649C103"},
    {.scheme = "WSDLN", .stem = "SMITHJA55BG", .number = "SMITHJA557BG", .check_place = 9, .more_stems = {"AJAXZZZ11Z1"}},
    {.scheme = "Luhn", .stem = "7992739871", .number = "79927398713", .catches_single_digit_errors = true, .more_stems = {"1"}},
    {.scheme = "Modulo10", .stem = "400638133393", .number = "4006381333931", .more_stems = {"5"}},
    {.scheme = "Modulo97", .stem = "123456789", .number = "12345678939", .check_length = 2, .separators = " -.+/", .more_stems = {"12345678901234567890"}},
};

// One worked sample of every further format, in catalogue order. dk.cpr has
// no check character: its stem is the whole number.
inline constexpr Sample kFurtherSamples[] = {
    {.scheme = "au.abn", .stem = "914571673", .number = "83914571673", .check_place = 0, .check_length = 2, .separators = " "},
    {.scheme = "be.vat", .stem = "04030192", .number = "0403019261", .check_length = 2, .separators = " -./", .more_stems = {"4030192", "10016866"}},
    {.scheme = "br.cnpj", .stem = "12ABC34501DE", .number = "12ABC34501DE35", .check_length = 2, .separators = " -./", .more_stems = {"167272300001"}},
    {.scheme = "ca.bn", .stem = "12302663", .number = "123026635", .check_place = 8, .more_stems = {"12302663RC0001"}},
    {.scheme = "eu.banknote", .stem = "EA410018159", .number = "EA4100181598", .more_stems = {"P3600703374"}},
    {.scheme = "be.nn", .stem = "170730033", .number = "17073003355", .check_length = 2, .separators = " -.", .more_stems = {"000100001", "174730033"}},
    {.scheme = "ch.ssn", .stem = "756921707698", .number = "7569217076985", .separators = " .", .fixed_prefix = 3},
    {.scheme = "cl.rut", .stem = "12531909", .number = "125319092", .separators = " .-", .more_stems = {"7727230"}},
    {.scheme = "dk.cpr", .stem = "0101801234", .number = "0101801234", .check_length = 0},
    {.scheme = "ie.pps", .stem = "6433435A", .number = "6433435OA", .check_place = 7, .more_stems = {"1234567", "1234567H"}},    // VAT numbers. Letters in small type stay as they are when the numbers
    // are varied: the marks MVA and MWST.
    {.scheme = "at.uid", .stem = "U1358562", .number = "U13585627", .separators = " -./", .fixed_prefix = 1},
    {.scheme = "bg.vat", .stem = "17507475", .number = "175074752", .separators = " -.", .more_stems = {"752316926"}},
    {.scheme = "ch.vat", .stem = "10778757", .number = "107787577", .check_place = 8, .separators = " -.", .more_stems = {"10778757mwst", "10778757iva"}},
    {.scheme = "cy.vat", .stem = "10259033", .number = "10259033P"},
    {.scheme = "cz.dic", .stem = "2512389", .number = "25123891", .separators = " /", .more_stems = {"64090392", "710319274"}},
    {.scheme = "de.vat", .stem = "13669597", .number = "136695976", .separators = " -./,"},
    {.scheme = "dk.cvr", .stem = "1358562", .number = "13585628", .separators = " -.,/:"},
    {.scheme = "ee.kmkr", .stem = "10059410", .number = "100594102", .separators = " "},
    {.scheme = "es.cif", .stem = "J9921658", .number = "J99216582", .more_stems = {"Q2876031"}},
    {.scheme = "es.nie", .stem = "X2482300", .number = "X2482300W", .fixed_prefix = 1},
    {.scheme = "es.nif", .stem = "B6471783", .number = "B64717838", .more_stems = {"X5253868", "54362315"}},
    {.scheme = "fi.alv", .stem = "2077474", .number = "20774740"},
    {.scheme = "fr.tva", .stem = "303265045", .number = "40303265045", .check_place = 0, .check_length = 2, .separators = " -.", .more_stems = {"954506077", "409414364"}},
    {.scheme = "gb.vat", .stem = "9807806", .number = "980780684", .check_place = 7, .check_length = 2, .separators = " -.", .more_stems = {"9807806001", "3408043"}},
    {.scheme = "gr.vat", .stem = "09425921", .number = "094259216", .separators = " -./:", .more_stems = {"9425921"}},
    {.scheme = "hr.oib", .stem = "3339200596", .number = "33392005961"},
    {.scheme = "hu.anum", .stem = "1289231", .number = "12892312"},
    {.scheme = "ie.vat", .stem = "6433435A", .number = "6433435OA", .check_place = 7, .more_stems = {"6433435", "8D79739"}},
    {.scheme = "it.iva", .stem = "0074311015", .number = "00743110157", .separators = " -:", .more_stems = {"0140448020", "0011843999"}},
    {.scheme = "lt.pvm", .stem = "11951151", .number = "119511515", .more_stems = {"10000191901"}},
    {.scheme = "lu.tva", .stem = "150274", .number = "15027442", .check_length = 2, .separators = " :.-"},
    {.scheme = "lv.pvn", .stem = "4000352160", .number = "40003521600", .more_stems = {"1611751999"}},
    {.scheme = "mt.vat", .stem = "116791", .number = "11679112", .check_length = 2},
    {.scheme = "nl.btw", .stem = "002455799B", .number = "002455799B11", .check_length = 2, .separators = " -.", .fixed_suffix = 1},
    {.scheme = "no.mva", .stem = "99552582mva", .number = "995525828MVA", .check_place = 8, .separators = " "},
    {.scheme = "pl.nip", .stem = "856734621", .number = "8567346215"},
    {.scheme = "pt.nif", .stem = "50196484", .number = "501964843", .separators = " -."},
    {.scheme = "ro.cf", .stem = "1854729", .number = "18547290", .more_stems = {"163061512345", "12"}},
    {.scheme = "se.vat", .stem = "12345678901", .number = "123456789701", .check_place = 9, .separators = " -.", .fixed_suffix = 2},
    {.scheme = "si.ddv", .stem = "5022305", .number = "50223054"},
    {.scheme = "sk.dph", .stem = "202274961", .number = "2022749619"},
    {.scheme = "vat", .stem = "DE13669597", .number = "DE136695976", .more_stems = {"EL09425921", "PL856734621"}, .fixed_prefix = 2},
};
// clang-format on

}  // namespace numerant::testing
