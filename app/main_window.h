// SPDX-License-Identifier: MIT
// The calculator's one window: Qt widgets at the fixed places of the layout,
// bound to the toolkit-free window logic.
#pragma once

#include <QWidget>

#include "window/form_numerant.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace numerant::app {

class StatusIcon;

class MainWindow final : public QWidget, public FormNumerantView {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // FormNumerantView
  int SelectedAlgorithm() const override;
  void SelectAlgorithm(int position) override;
  std::string CodeText() const override;
  void SetCodeText(std::string_view text) override;
  void SetCheckdigitsText(std::string_view text) override;
  int CalculateState() const override;
  void SetTop(Control control, int top) override;
  void SetVisible(Control control, bool visible) override;
  void SetDescription(Control control, std::string_view text) override;
  std::string DateWords(const Fact& date) const override;

 private:
  QWidget* ControlWidget(Control control) const;
  void DescribeForAssistiveTechnology();

  QLabel* label_algorithm_;
  QComboBox* combo_algorithm_;
  QCheckBox* check_calculate_;
  QLabel* label_codenumber_;
  QLineEdit* text_codenumber_;
  QLabel* label_result_;
  StatusIcon* picture_error_;
  StatusIcon* picture_ok_;
  QLabel* label_checkdigits_;
  QLineEdit* text_checkdigits_;
  FormNumerant logic_;
};

}  // namespace numerant::app
