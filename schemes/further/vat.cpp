// SPDX-License-Identifier: MIT
#include "schemes/further/vat.h"

#include <algorithm>
#include <string>
#include <variant>

#include "core/text.h"
#include "schemes/further/at/uid.h"
#include "schemes/further/au/abn.h"
#include "schemes/further/be/vat.h"
#include "schemes/further/bg/vat.h"
#include "schemes/further/ch/vat.h"
#include "schemes/further/cy/vat.h"
#include "schemes/further/cz/dic.h"
#include "schemes/further/de/vat.h"
#include "schemes/further/dk/cvr.h"
#include "schemes/further/ee/kmkr.h"
#include "schemes/further/es/nif.h"
#include "schemes/further/fi/alv.h"
#include "schemes/further/fr/tva.h"
#include "schemes/further/gb/vat.h"
#include "schemes/further/gr/vat.h"
#include "schemes/further/hr/oib.h"
#include "schemes/further/hu/anum.h"
#include "schemes/further/ie/vat.h"
#include "schemes/further/it/iva.h"
#include "schemes/further/lt/pvm.h"
#include "schemes/further/lu/tva.h"
#include "schemes/further/lv/pvn.h"
#include "schemes/further/mt/vat.h"
#include "schemes/further/nl/btw.h"
#include "schemes/further/no/mva.h"
#include "schemes/further/pl/nip.h"
#include "schemes/further/pt/nif.h"
#include "schemes/further/ro/cf.h"
#include "schemes/further/se/vat.h"
#include "schemes/further/si/ddv.h"
#include "schemes/further/sk/dph.h"

namespace numerant {
namespace {

template <typename T>
constexpr Vat::CountryFormat Format(std::string_view prefix, bool takes_prefix = true,
                                    std::string_view written = {}) {
  return {prefix, Descriptor<T>::kName, MakeScheme<T>, takes_prefix,
          written.empty() ? prefix : written};
}

// clang-format off
constexpr std::array kCountries{
    Format<AtUid>("AT"), Format<AuAbn>("AU", false), Format<BeVat>("BE"), Format<BgVat>("BG"),
    Format<ChVat>("CH", true, "CHE"), Format<CyVat>("CY"), Format<CzDic>("CZ"), Format<DeVat>("DE"),
    Format<DkCvr>("DK"), Format<EeKmkr>("EE"), Format<GrVat>("EL"), Format<EsNif>("ES"),
    Format<FiAlv>("FI"), Format<FrTva>("FR"), Format<GbVat>("GB"), Format<GrVat>("GR"),
    Format<HrOib>("HR"), Format<HuAnum>("HU"), Format<IeVat>("IE"), Format<ItIva>("IT"),
    Format<LtPvm>("LT"), Format<LuTva>("LU"), Format<LvPvn>("LV"), Format<MtVat>("MT"),
    Format<NlBtw>("NL"), Format<NoMva>("NO"), Format<PlNip>("PL"), Format<PtNif>("PT"),
    Format<RoCf>("RO"), Format<SeVat>("SE"), Format<SiDdv>("SI"), Format<SkDph>("SK"),
    Format<GbVat>("XI"),
};
// clang-format on

// What may stand before and inside the prefix: the separators of the
// countries' formats. Of these only the blank is stripped by every country,
// and so only it is the separator of `vat`'s own shape.
constexpr std::string_view kSeparators = " -./:,";

constexpr char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

Vat::Vat()
    : shape_{.separators = " ",
             .upper_case = true,
             .payload_letters = true,
             .payload_lengths = {{3, 18}},
             .check_characters = CheckCharacters::kDigitsAndLetters} {
  static_assert(std::tuple_size_v<decltype(kCountries)> == std::tuple_size_v<decltype(formats_)>);
}

std::span<const Vat::CountryFormat> Vat::Countries() {
  return kCountries;
}

Scheme* Vat::Dispatch(std::string_view number, std::string_view& text, std::size_t& offset,
                      std::string& prefix) {
  check_digit_ = FieldValue();
  country_ = FieldValue();
  format_ = FieldValue();
  std::size_t after = 0;
  for (; after < number.size() && prefix.size() < 2; ++after) {
    if (kSeparators.find(number[after]) == std::string_view::npos) prefix += Upper(number[after]);
  }
  const auto* found = std::find_if(kCountries.begin(), kCountries.end(),
                                   [&](const CountryFormat& c) { return c.prefix == prefix; });
  if (found == kCountries.end()) return nullptr;
  const auto index = static_cast<std::size_t>(found - kCountries.begin());
  if (!formats_[index]) formats_[index] = found->create();
  country_ = found->prefix;
  written_ = found->written;
  format_ = found->format;
  offset = found->takes_prefix ? 0 : after;
  text = number.substr(offset);
  return formats_[index].get();
}

void Vat::ReadCheckDigit(const Scheme& format) {
  format.VisitProperties([&](std::string_view name, const PropertyValue& value) {
    if (name != "CheckDigit") return;
    // A text either way, as the faces show a field's text and leave a
    // number for an unread field: "6", "84", "K7"; nothing while unknown.
    if (const auto* digit = std::get_if<std::int16_t>(&value); digit && *digit >= 0) {
      check_digit_ = std::to_string(*digit);
    }
    if (const auto* text = std::get_if<std::string>(&value); text && !text->empty()) {
      check_digit_ = *text;
    }
  });
}

FieldValue Vat::Calculate(std::string_view number) {
  std::string_view text;
  std::size_t offset = 0;
  std::string prefix;
  if (Scheme* format = Dispatch(number, text, offset, prefix)) {
    format->CalculateText(text);
    ReadCheckDigit(*format);
  }
  return check_digit_;
}

bool Vat::Check(std::string_view number) {
  std::string_view text;
  std::size_t offset = 0;
  std::string prefix;
  Scheme* format = Dispatch(number, text, offset, prefix);
  if (format == nullptr) return false;
  const bool valid = format->Check(text);
  ReadCheckDigit(*format);
  return valid;
}

Finding Vat::Explain(std::string_view number) {
  std::string_view text;
  std::size_t offset = 0;
  std::string prefix;
  Scheme* format = Dispatch(number, text, offset, prefix);
  if (format == nullptr) {
    Finding finding;
    finding.shape = shape_;
    if (prefix.empty()) {
      finding.kind = Finding::Kind::kEmpty;
    } else {
      finding.kind = Finding::Kind::kUnknownPrefix;
      finding.found = prefix;
    }
    return finding;
  }
  Finding finding = format->Explain(text);
  ReadCheckDigit(*format);
  if (finding.kind == Finding::Kind::kBadCharacter) finding.place += offset;
  return finding;
}

std::string Vat::Compact(std::string_view number) {
  std::string_view text;
  std::size_t offset = 0;
  std::string prefix;
  Scheme* format = Dispatch(number, text, offset, prefix);
  if (format == nullptr) {
    std::string compact;
    for (char c : number) {
      if (c != ' ') compact += Upper(c);
    }
    return compact;
  }
  std::string compact = format->Compact(text);
  // A country format that keeps a doubled prefix keeps it here too.
  if (compact.starts_with(written_)) return compact;
  return std::string(written_) + compact;
}

std::string Vat::WrittenForm(std::string_view number) {
  const std::string compact = Compact(number);
  std::string_view text;
  std::size_t offset = 0;
  std::string prefix;
  Scheme* format = Dispatch(compact, text, offset, prefix);
  if (format == nullptr) return compact;
  std::string written = format->Format(compact.substr(offset));
  if (!written.starts_with(written_)) written = std::string(written_) + " " + written;
  return Compact(written) == compact ? written : compact;
}

std::string Vat::Complete(std::string_view payload) {
  std::string_view text;
  std::size_t offset = 0;
  std::string prefix;
  Scheme* format = Dispatch(payload, text, offset, prefix);
  if (format == nullptr) return {};
  std::string complete = format->Complete(text);
  ReadCheckDigit(*format);
  // The country's formats give their numbers without the prefix.
  if (complete.empty()) return {};
  return std::string(written_) + complete;
}

}  // namespace numerant
