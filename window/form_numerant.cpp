// SPDX-License-Identifier: MIT
#include "window/form_numerant.h"

#include "schemes/catalogue.h"
#include "window/verdict_words.h"

namespace numerant {
namespace {

// How far the result controls move up when calculate mode is entered.
constexpr int kModeShift = 24;
constexpr int kLabelCheckdigitsTop = 107;
constexpr int kTextCheckdigitsTop = 104;
constexpr int kLabelResultTop = 83;

}  // namespace

void FormNumerant::OnLoad() {
  loading_ = true;
  view_.SelectAlgorithm(0);
  loading_ = false;
  SwitchMode();
}

void FormNumerant::OnAlgorithmChanged() {
  if (!loading_) Refresh();
}

void FormNumerant::OnCodeTextChanged() {
  Refresh();
}

void FormNumerant::OnCalculateClicked() {
  SwitchMode();
}

void FormNumerant::SwitchMode() {
  const int v = view_.CalculateState();
  // Emptying a non-empty field is a text change: it refreshes here, before
  // the controls move.
  view_.SetCodeText("");
  view_.SetTop(Control::kLabelCheckdigits, kLabelCheckdigitsTop - kModeShift * v);
  view_.SetVisible(Control::kLabelCheckdigits, v != 0);
  view_.SetTop(Control::kTextCheckdigits, kTextCheckdigitsTop - kModeShift * v);
  view_.SetVisible(Control::kTextCheckdigits, v != 0);
  view_.SetTop(Control::kLabelResult, kLabelResultTop - kModeShift * v);
  view_.SetVisible(Control::kLabelResult, v == 0);
}

void FormNumerant::Refresh() {
  const std::string text = view_.CodeText();
  if (text.empty()) {
    view_.SetCheckdigitsText("");
    view_.SetVisible(Control::kPictureError, false);
    view_.SetVisible(Control::kPictureOK, false);
    return;
  }
  // A fresh object for every refresh: nothing of an earlier number survives.
  const std::unique_ptr<Scheme> scheme = CreateScheme(view_.SelectedAlgorithm());
  if (view_.CalculateState() == 1) {
    view_.SetCheckdigitsText(scheme ? scheme->CalculateText(text) : std::string());
  } else {
    // Explain answers as Check does, and says why. The words go first, so
    // that a picture is never shown with the words of an earlier number.
    const Finding finding = scheme ? scheme->Explain(text) : Finding{};
    const bool ok = scheme && finding.valid();
    if (!scheme) {
      view_.SetDescription(Control::kPictureError, "No numbering scheme is selected");
    } else {
      view_.SetDescription(ok ? Control::kPictureOK : Control::kPictureError,
                           ok ? FieldsSentence(*scheme, Writers()) : ReasonSentence(finding));
    }
    view_.SetVisible(Control::kPictureError, !ok);
    view_.SetVisible(Control::kPictureOK, ok);
  }
}

FactWriters FormNumerant::Writers() const {
  return {.date = [this](const Fact& date) { return view_.DateWords(date); },
          .country = [this](std::string_view code) { return view_.CountryWords(code); }};
}

}  // namespace numerant
