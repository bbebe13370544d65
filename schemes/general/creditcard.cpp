#include "schemes/general/creditcard.h"

#include "core/characters.h"
#include "core/text.h"

namespace numerant {

void Creditcard::ResetFields() {
  account_number_ = std::int16_t{0};
  issuer_code_ = std::int16_t{0};
  major_industry_code_ = 0;
}

// The fields are cut from the text whatever it holds; only the check digit
// depends on the stem being all digits.
bool Creditcard::Prepare(std::string& stem) {
  account_number_ = Characters(stem, 7, stem.size());
  issuer_code_ = Characters(stem, 1, 6);
  if (!stem.empty() && IsDigit(stem.front())) {
    major_industry_code_ = static_cast<std::uint8_t>(DigitValue(stem.front()));
  }
  return true;
}

}  // namespace numerant
