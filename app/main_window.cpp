// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "app/scheme_list_style.h"
#include "app/status_icon.h"
#include "schemes/catalogue.h"

namespace numerant::app {
namespace {

constexpr int kClientWidth = 297;
constexpr int kClientHeight = 106;

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(left, top, width, height);
  return widget;
}

QString FromLatin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent),
      label_algorithm_(Place(new QLabel(tr("Algorithm:"), this), "LabelAlgorithm", 8, 11, 81, 17)),
      combo_algorithm_(Place(new QComboBox(this), "ComboAlgorithm", 96, 7, 73, 21)),
      check_calculate_(
          Place(new QCheckBox(tr("Calculate:"), this), "CheckCalculate", 6, 34, 103, 17)),
      label_codenumber_(
          Place(new QLabel(tr("Code/Number:"), this), "LabelCodenumber", 8, 59, 81, 17)),
      text_codenumber_(Place(new QLineEdit(this), "TextCodenumber", 96, 56, 193, 19)),
      label_result_(Place(new QLabel(tr("Result:"), this), "LabelResult", 8, 83, 81, 17)),
      picture_error_(
          Place(new StatusIcon(StatusIcon::Kind::kError, this), "PictureError", 96, 82, 17, 19)),
      picture_ok_(Place(new StatusIcon(StatusIcon::Kind::kOK, this), "PictureOK", 96, 82, 17, 19)),
      label_checkdigits_(
          Place(new QLabel(tr("Checkdigit(s):"), this), "LabelCheckdigits", 8, 107, 81, 17)),
      text_checkdigits_(Place(new QLineEdit(this), "TextCheckdigits", 96, 104, 33, 19)),
      logic_(*this) {
  setObjectName(QStringLiteral("FormNumerant"));
  setWindowTitle(QStringLiteral("Numerant"));
  setFixedSize(kClientWidth, kClientHeight);
  // The layout is drawn for a small dialog font: 11 pixels fits every caption
  // and every scheme name into its fixed cell.
  QFont small_font = font();
  small_font.setPixelSize(11);
  setFont(small_font);

  for (const CatalogueEntry& entry : SchemeList())
    combo_algorithm_->addItem(FromLatin1(entry.name));
  combo_algorithm_->setEditable(false);
  combo_algorithm_->setStyle(new SchemeListStyle(combo_algorithm_));
  combo_algorithm_->setCurrentIndex(-1);
  // The closed box is narrow; its open list is wide enough for every name.
  combo_algorithm_->view()->setMinimumWidth(combo_algorithm_->view()->sizeHintForColumn(0) + 24);

  // The caption stands on the left of the box.
  check_calculate_->setLayoutDirection(Qt::RightToLeft);

  text_codenumber_->setMaxLength(32767);
  text_checkdigits_->setReadOnly(true);
  picture_error_->hide();
  picture_ok_->hide();
  DescribeForAssistiveTechnology();

  setTabOrder(combo_algorithm_, check_calculate_);
  setTabOrder(check_calculate_, text_codenumber_);
  setTabOrder(text_codenumber_, text_checkdigits_);

  connect(combo_algorithm_, &QComboBox::currentIndexChanged, this,
          [this] { logic_.OnAlgorithmChanged(); });
  connect(text_codenumber_, &QLineEdit::textChanged, this, [this] { logic_.OnCodeTextChanged(); });
  connect(check_calculate_, &QCheckBox::clicked, this, [this] { logic_.OnCalculateClicked(); });

  logic_.OnLoad();
  combo_algorithm_->setFocus();
}

int MainWindow::SelectedAlgorithm() const {
  return combo_algorithm_->currentIndex();
}

void MainWindow::SelectAlgorithm(int position) {
  combo_algorithm_->setCurrentIndex(position);
}

std::string MainWindow::CodeText() const {
  // Characters outside ISO-8859-1 become "?", which no scheme accepts.
  return text_codenumber_->text().toLatin1().toStdString();
}

void MainWindow::SetCodeText(std::string_view text) {
  const QString new_text = FromLatin1(text);
  if (text_codenumber_->text() != new_text) text_codenumber_->setText(new_text);
}

void MainWindow::SetCheckdigitsText(std::string_view text) {
  text_checkdigits_->setText(FromLatin1(text));
}

int MainWindow::CalculateState() const {
  return check_calculate_->isChecked() ? 1 : 0;
}

void MainWindow::SetTop(Control control, int top) {
  QWidget* widget = ControlWidget(control);
  widget->move(widget->x(), top);
}

void MainWindow::SetVisible(Control control, bool visible) {
  ControlWidget(control)->setVisible(visible);
  if (control == Control::kPictureOK || control == Control::kPictureError) {
    // The pictures take no focus, so the verdict also travels with the field
    // that has it, where a screen reader finds it.
    QString verdict;
    if (!picture_ok_->isHidden()) {
      verdict = picture_ok_->accessibleDescription();
    } else if (!picture_error_->isHidden()) {
      verdict = picture_error_->accessibleDescription();
    }
    text_codenumber_->setAccessibleDescription(verdict);
  }
}

void MainWindow::SetDescription(Control control, std::string_view text) {
  QWidget* widget = ControlWidget(control);
  const QString description = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  widget->setToolTip(description);
  widget->setAccessibleDescription(description);
}

// The locale's long date without its weekday: "15 March 1985", "15. März
// 1985"; a year without its century keeps only its two digits ("'85").
std::string MainWindow::DateWords(const Fact& date) const {
  const QLocale locale;
  QString format = locale.dateFormat(QLocale::LongFormat);
  for (const char* weekday : {"dddd, ", "dddd ", ", dddd", "dddd"}) {
    format.remove(QString::fromLatin1(weekday));
  }
  const int year = date.year != 0 ? date.year : 2000 + date.short_year;
  if (date.year == 0) format.replace(QStringLiteral("yyyy"), QStringLiteral("''yy"));
  return locale.toString(QDate(year, date.month, date.day), format.trimmed()).toStdString();
}

void MainWindow::DescribeForAssistiveTechnology() {
  // Each caption names the control beside it; the names below say the same
  // without the colon, and the descriptions say what the control does.
  label_algorithm_->setBuddy(combo_algorithm_);
  label_codenumber_->setBuddy(text_codenumber_);
  label_checkdigits_->setBuddy(text_checkdigits_);

  combo_algorithm_->setAccessibleName(tr("Numbering scheme"));
  combo_algorithm_->setAccessibleDescription(
      tr("The check-digit scheme of the number; type the first letters of its name to pick it"));
  check_calculate_->setAccessibleName(tr("Calculate check digits"));
  check_calculate_->setAccessibleDescription(
      tr("Ticked: show the check digits of the number typed. Cleared: tell whether the complete "
         "number is valid"));
  text_codenumber_->setAccessibleName(tr("Code or number"));
  text_checkdigits_->setAccessibleName(tr("Check digits"));
  text_checkdigits_->setAccessibleDescription(tr("The check digits of the number typed"));
  picture_ok_->setAccessibleName(tr("Valid"));
  picture_ok_->setAccessibleDescription(tr("The number is valid"));
  picture_error_->setAccessibleName(tr("Not valid"));
  picture_error_->setAccessibleDescription(tr("The number is not valid"));
  picture_ok_->setToolTip(picture_ok_->accessibleDescription());
  picture_error_->setToolTip(picture_error_->accessibleDescription());
}

QWidget* MainWindow::ControlWidget(Control control) const {
  switch (control) {
    case Control::kLabelResult:
      return label_result_;
    case Control::kLabelCheckdigits:
      return label_checkdigits_;
    case Control::kTextCheckdigits:
      return text_checkdigits_;
    case Control::kPictureOK:
      return picture_ok_;
    case Control::kPictureError:
      return picture_error_;
  }
  return label_result_;
}

}  // namespace numerant::app
