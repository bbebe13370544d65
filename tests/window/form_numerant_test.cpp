// SPDX-License-Identifier: MIT
#include "window/form_numerant.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "schemes/catalogue.h"

namespace numerant {
namespace {

constexpr int kVerhoeff = 48;

// The list position of a scheme.
int Position(std::string_view name) {
  const auto list = SchemeList();
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

// A view that keeps the controls' state and reports text changes back to the
// logic, as a real window does, and records every call in order.
class FakeView final : public FormNumerantView {
 public:
  FormNumerant logic{*this};

  int selected = -1;
  int calculate_state = 0;
  std::string code;
  std::string checkdigits;
  std::map<Control, int> top;
  std::map<Control, bool> visible;
  std::vector<std::string> log;
  int refreshes = 0;

  int SelectedAlgorithm() const override { return selected; }
  void SelectAlgorithm(int position) override {
    log.push_back("select " + std::to_string(position));
    if (position == selected) return;
    selected = position;
    logic.OnAlgorithmChanged();
  }
  std::string CodeText() const override { return code; }
  void SetCodeText(std::string_view text) override {
    log.push_back("code '" + std::string(text) + "'");
    if (code == text) return;
    code = text;
    logic.OnCodeTextChanged();
  }
  void SetCheckdigitsText(std::string_view text) override {
    log.push_back("checkdigits '" + std::string(text) + "'");
    checkdigits = text;
  }
  int CalculateState() const override { return calculate_state; }
  void SetTop(Control control, int new_top) override {
    log.push_back("top " + std::to_string(static_cast<int>(control)) + " " +
                  std::to_string(new_top));
    top[control] = new_top;
  }
  void SetVisible(Control control, bool shown) override {
    log.push_back("visible " + std::to_string(static_cast<int>(control)) + " " +
                  (shown ? "1" : "0"));
    visible[control] = shown;
  }

  std::map<Control, std::string> description;
  void SetDescription(Control control, std::string_view text) override {
    description[control] = text;
  }

  // User actions.
  void Type(const std::string& text) { SetCodeText(code + text); }
  void Pick(int position) {
    selected = position;
    logic.OnAlgorithmChanged();
  }
  void ClickCalculate() {
    calculate_state = 1 - calculate_state;
    logic.OnCalculateClicked();
  }

  bool Shows(Control control) { return visible[control]; }
};

class FormNumerantTest : public ::testing::Test {
 protected:
  void SetUp() override { view.logic.OnLoad(); }
  FakeView view;
};

TEST_F(FormNumerantTest, StartsInCheckModeWithTheFirstSchemeAndNoPicture) {
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(view.code, "");
  EXPECT_TRUE(view.Shows(Control::kLabelResult));
  EXPECT_EQ(view.top[Control::kLabelResult], 83);
  EXPECT_FALSE(view.Shows(Control::kLabelCheckdigits));
  EXPECT_FALSE(view.Shows(Control::kTextCheckdigits));
  EXPECT_EQ(view.top[Control::kLabelCheckdigits], 107);
  EXPECT_EQ(view.top[Control::kTextCheckdigits], 104);
  EXPECT_FALSE(view.Shows(Control::kPictureOK));
  EXPECT_FALSE(view.Shows(Control::kPictureError));
}

TEST_F(FormNumerantTest, TheLoadStepsSelectionDoesNotRefresh) {
  FakeView fresh;
  fresh.logic.OnLoad();
  // The selection is the first call, and no text or picture call follows it
  // before the mode switch empties the (already empty) field.
  ASSERT_GE(fresh.log.size(), 2u);
  EXPECT_EQ(fresh.log[0], "select 0");
  EXPECT_EQ(fresh.log[1], "code ''");
}

TEST_F(FormNumerantTest, CheckModeShowsOnePictureForEveryKeystroke) {
  view.Pick(kVerhoeff);
  const struct {
    std::string key;
    bool ok;
  } keys[] = {{"2", false}, {"3", false}, {"6", true}, {"3", true}, {"0", false}};
  for (const auto& key : keys) {
    view.Type(key.key);
    EXPECT_EQ(view.Shows(Control::kPictureOK), key.ok) << view.code;
    EXPECT_EQ(view.Shows(Control::kPictureError), !key.ok) << view.code;
  }
}

TEST_F(FormNumerantTest, DeletingTheLastCharacterHidesBothPictures) {
  view.Pick(kVerhoeff);
  view.Type("2");
  ASSERT_TRUE(view.Shows(Control::kPictureError));
  view.SetCodeText("");
  EXPECT_FALSE(view.Shows(Control::kPictureError));
  EXPECT_FALSE(view.Shows(Control::kPictureOK));
  EXPECT_EQ(view.checkdigits, "");
}

TEST_F(FormNumerantTest, BlanksOnlyAreNotAnEmptyField) {
  view.Pick(kVerhoeff);
  view.Type("  ");
  EXPECT_TRUE(view.Shows(Control::kPictureError));
  view.ClickCalculate();
  view.Type("  ");
  EXPECT_EQ(view.checkdigits, "-1");
}

TEST_F(FormNumerantTest, CalculateModeShowsTheTextFormOfTheResult) {
  view.Pick(kVerhoeff);
  view.ClickCalculate();
  EXPECT_FALSE(view.Shows(Control::kLabelResult));
  EXPECT_EQ(view.top[Control::kLabelResult], 59);
  EXPECT_TRUE(view.Shows(Control::kLabelCheckdigits));
  EXPECT_EQ(view.top[Control::kLabelCheckdigits], 83);
  EXPECT_TRUE(view.Shows(Control::kTextCheckdigits));
  EXPECT_EQ(view.top[Control::kTextCheckdigits], 80);
  view.Type("23");
  EXPECT_EQ(view.checkdigits, "6");  // the check digit of 23
  view.Type("6");
  EXPECT_EQ(view.checkdigits, "3");
  view.Type("x");
  EXPECT_EQ(view.checkdigits, "-1");
  EXPECT_FALSE(view.Shows(Control::kPictureOK));
  EXPECT_FALSE(view.Shows(Control::kPictureError));
}

TEST_F(FormNumerantTest, SwitchingModeWithTextRefreshesBeforeMovingControls) {
  view.Pick(kVerhoeff);
  view.Type("2363");
  ASSERT_TRUE(view.Shows(Control::kPictureOK));
  view.log.clear();
  view.ClickCalculate();
  const std::vector<std::string> expected = {"code ''",
                                             // the nested refresh for the emptied field
                                             "checkdigits ''", "visible 4 0", "visible 3 0",
                                             // then the controls move
                                             "top 1 83", "visible 1 1", "top 2 80", "visible 2 1",
                                             "top 0 59", "visible 0 0"};
  EXPECT_EQ(view.log, expected);
  EXPECT_EQ(view.code, "");
}

TEST_F(FormNumerantTest, SwitchingModeWithAnEmptyFieldOnlyMovesControls) {
  view.log.clear();
  view.ClickCalculate();
  ASSERT_FALSE(view.log.empty());
  EXPECT_EQ(view.log.front(), "code ''");
  EXPECT_EQ(view.log.size(), 7u);  // no refresh: only the six moves follow
  view.ClickCalculate();
  EXPECT_TRUE(view.Shows(Control::kLabelResult));
  EXPECT_EQ(view.top[Control::kLabelResult], 83);
}

TEST_F(FormNumerantTest, ChangingTheSchemeReevaluatesTheSameText) {
  view.Pick(kVerhoeff);
  view.ClickCalculate();
  view.Type("236");
  EXPECT_EQ(view.checkdigits, "3");
  view.Pick(-1);
  EXPECT_EQ(view.checkdigits, "");
  view.Pick(kVerhoeff);
  EXPECT_EQ(view.checkdigits, "3");
  EXPECT_EQ(view.code, "236");
}

TEST_F(FormNumerantTest, NoSelectionShowsTheErrorPictureInCheckMode) {
  view.Pick(-1);
  view.Type("2363");
  EXPECT_TRUE(view.Shows(Control::kPictureError));
  EXPECT_FALSE(view.Shows(Control::kPictureOK));
}

TEST_F(FormNumerantTest, ChangingTheSchemeInCheckModeTurnsTheVerdict) {
  view.Pick(Position("Creditcard"));
  view.Type("79927398713");
  ASSERT_TRUE(view.Shows(Control::kPictureOK));
  view.Pick(kVerhoeff);
  EXPECT_FALSE(view.Shows(Control::kPictureOK));
  EXPECT_TRUE(view.Shows(Control::kPictureError));
  view.Pick(Position("Creditcard"));
  EXPECT_TRUE(view.Shows(Control::kPictureOK));
  EXPECT_FALSE(view.Shows(Control::kPictureError));
}

TEST_F(FormNumerantTest, BackToCheckModeHidesTheCheckDigitRowAtItsOldPlace) {
  view.Pick(kVerhoeff);
  view.ClickCalculate();
  view.Type("236");
  ASSERT_EQ(view.checkdigits, "3");
  view.ClickCalculate();
  EXPECT_EQ(view.code, "");
  EXPECT_FALSE(view.Shows(Control::kLabelCheckdigits));
  EXPECT_FALSE(view.Shows(Control::kTextCheckdigits));
  EXPECT_EQ(view.top[Control::kLabelCheckdigits], 107);
  EXPECT_EQ(view.top[Control::kTextCheckdigits], 104);
  EXPECT_TRUE(view.Shows(Control::kLabelResult));
  EXPECT_EQ(view.top[Control::kLabelResult], 83);
  view.Type("2363");
  EXPECT_TRUE(view.Shows(Control::kPictureOK));
  EXPECT_FALSE(view.Shows(Control::kPictureError));
}

TEST_F(FormNumerantTest, ThePicturesSayWhy) {
  const struct {
    std::string_view scheme;
    std::string number;
    Control picture;
    std::string words;
  } rows[] = {
      {"Verhoeff", "2O63", Control::kPictureError, "The letter O cannot stand at place 2"},
      {"VIN", "1M8GDM9AX-KP04Q788", Control::kPictureError,
       "The letter Q cannot stand at place 15"},
      {"Verhoeff", "2363", Control::kPictureOK, "The number is valid"},
      // What a valid number tells, one row for each kind of field value.
      {"PESEL", "85031512344", Control::kPictureOK, "Born 15 March 1985, female, serial 123"},
      // A date the calendar lacks stays as written; the number is valid.
      {"PESEL", "85023012346", Control::kPictureOK, "Born 850230, female, serial 123"},
      {"AHV", "78234652019", Control::kPictureOK,
       "Alphabet group 782, citizen, female, quarter day 52, year 34"},
      {"Creditcard", "4111111111111111", Control::kPictureOK,
       "Account 111111111, issuer code 411111, industry 4"},
      {"WSDLN", "SMITHJA557BG", Control::kPictureOK,
       "Day code G, first name initial J, last name SMITH, middle name initial A, month code B, "
       "year code 55"},
      // The century is in the date.
      {"AK", "48503151233", Control::kPictureOK, "Born 15 March 1985, female, serial 123"},
      {"IBAN", "DE89370400440532013000", Control::kPictureOK,
       "Account 370400440532013000, country Germany"},
  };
  for (const auto& row : rows) {
    view.Pick(Position(row.scheme));
    view.SetCodeText(row.number);
    EXPECT_TRUE(view.Shows(row.picture)) << row.number;
    EXPECT_EQ(view.description[row.picture], row.words) << row.number;
  }
}

}  // namespace
}  // namespace numerant
