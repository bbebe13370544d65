// SPDX-License-Identifier: MIT
// The window logic of the calculator, written against an abstract view so
// that it runs and is tested without any windowing toolkit.
//
// The view reports three events: the window's load, a change of the scheme
// selection, a change of the code field's text (every edit, and every change
// the program makes), and a click on the "Calculate:" box. The logic answers
// each by reading and setting controls through the view.
#pragma once

#include <string>
#include <string_view>

#include "core/facts.h"

namespace numerant {

// The controls whose place or visibility the logic changes.
enum class Control {
  kLabelResult,
  kLabelCheckdigits,
  kTextCheckdigits,
  kPictureOK,
  kPictureError,
};

// What the logic needs of a window.
class FormNumerantView {
 public:
  virtual ~FormNumerantView() = default;

  // The selected list position of ComboAlgorithm, -1 when none is selected.
  virtual int SelectedAlgorithm() const = 0;
  virtual void SelectAlgorithm(int position) = 0;

  // The text of TextCodenumber as ISO-8859-1 bytes. Setting a different text
  // reports a text change, and so runs the refresh step before it returns.
  virtual std::string CodeText() const = 0;
  virtual void SetCodeText(std::string_view text) = 0;

  virtual void SetCheckdigitsText(std::string_view text) = 0;

  // The state of CheckCalculate: 0 cleared (check mode), 1 set (calculate).
  virtual int CalculateState() const = 0;

  virtual void SetTop(Control control, int top) = 0;
  virtual void SetVisible(Control control, bool visible) = 0;
  // The words a picture's tooltip and screen readers give, in UTF-8: the
  // reason of a failed check, or what a valid number tells.
  virtual void SetDescription(Control control, std::string_view text) = 0;

  // A birth date and a country's name in the window's language, UTF-8;
  // English unless the view knows its locale.
  virtual std::string DateWords(const Fact& date) const { return EnglishDate(date); }
  virtual std::string CountryWords(std::string_view code) const {
    return std::string(CountryName(code));
  }
};

class FormNumerant {
 public:
  explicit FormNumerant(FormNumerantView& view) : view_(view) {}

  // Selects the first scheme without refreshing and enters check mode.
  void OnLoad();
  void OnAlgorithmChanged();
  void OnCodeTextChanged();
  // After the box has changed its state.
  void OnCalculateClicked();

  // Recomputes what the window shows for the current text and scheme.
  void Refresh();

 private:
  // The view's way of writing dates and countries.
  FactWriters Writers() const;
  void SwitchMode();

  FormNumerantView& view_;
  bool loading_ = false;
};

}  // namespace numerant
