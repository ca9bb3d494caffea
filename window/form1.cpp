#include "window/form1.h"

#include "calculation/area_command.h"
#include "runtime/error.h"
#include "window/error_box.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// Places in device-independent pixels, as laid out at 96 dots per inch.
constexpr QSize client_size(732, 94);
constexpr QRect text1_place(4, 8, 121, 25);
constexpr QRect text2_place(132, 8, 121, 25);
constexpr QRect text3_place(260, 8, 121, 25);
constexpr QRect command2_place(388, 8, 233, 57);
constexpr QRect command1_place(632, 8, 93, 57);
constexpr QRect label1_place(4, 40, 121, 17);
constexpr QRect label2_place(132, 40, 121, 17);
constexpr QRect label3_place(260, 40, 121, 17);
constexpr QRect label4_place(4, 72, 120, 17);

QLineEdit *make_side_box(const QString &name, const QRect &place, QWidget *parent) {
  auto *box = new QLineEdit(QStringLiteral("1"), parent);
  box->setObjectName(name);
  box->setGeometry(place);
  return box;
}

QPushButton *make_button(const QString &name, const QString &caption, const QRect &place,
                         QWidget *parent) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  // Enter on a focused button presses it, as Space does.
  button->setAutoDefault(true);
  return button;
}

QLabel *make_label(const QString &name, const QString &caption, const QRect &place,
                   const QColor &colour, QWidget *parent) {
  auto *label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

// A side's caption names its box for screen readers too.
void caption_box(QLabel *caption, QLineEdit *box) {
  caption->setBuddy(box);
  box->setAccessibleName(caption->text());
}

} // namespace

Form1::Form1(ErrorReporter report_error, QWidget *parent)
    : QWidget(parent), report_error_(report_error ? std::move(report_error) : show_error_box),
      Text1(make_side_box(QStringLiteral("Text1"), text1_place, this)),
      Text2(make_side_box(QStringLiteral("Text2"), text2_place, this)),
      Text3(make_side_box(QStringLiteral("Text3"), text3_place, this)),
      Command2(make_button(QStringLiteral("Command2"), QStringLiteral("Вывод данных"),
                           command2_place, this)),
      Command1(
          make_button(QStringLiteral("Command1"), QStringLiteral("Exit"), command1_place, this)),
      Label1(make_label(QStringLiteral("Label1"), QStringLiteral("Сторона а"), label1_place,
                        Qt::blue, this)),
      Label2(make_label(QStringLiteral("Label2"), QStringLiteral("Сторона b"), label2_place,
                        Qt::blue, this)),
      Label3(make_label(QStringLiteral("Label3"), QStringLiteral("Сторона с"), label3_place,
                        Qt::blue, this)),
      Label4(make_label(QStringLiteral("Label4"), QStringLiteral("Результат вычислений"),
                        label4_place, Qt::red, this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setFixedSize(client_size);

  caption_box(Label1, Text1);
  caption_box(Label2, Text2);
  caption_box(Label3, Text3);
  // Its start-up caption is already wider than its place in most fonts.
  fit_result_label();

  setTabOrder(Command2, Text1);
  setTabOrder(Text1, Text2);
  setTabOrder(Text2, Text3);
  setTabOrder(Text3, Command1);
  Command2->setFocus();

  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
  for (QLineEdit *box : {Text1, Text2, Text3}) {
    connect(box, &QLineEdit::returnPressed, this, &Form1::Command2_Click);
  }
}

// End: the program ends at once, asking nothing.
void Form1::Command1_Click() { QCoreApplication::quit(); }

void Form1::Command2_Click() {
  const QString separator = QLocale::system().decimalPoint();
  try {
    const auto caption =
        calculation::area_command(Text1->text().toStdString(), Text2->text().toStdString(),
                                  Text3->text().toStdString(), separator.toStdString());
    Label4->setText(QString::fromStdString(caption));
    fit_result_label();
  } catch (const runtime::Error &error) {
    report_error_(this, error);
  }
}

// A caption can be far longer than the result label's place: the label takes
// the whole row under the boxes, and the window widens for a caption wider
// than itself, as far as the screen allows, keeping the label's margin on the
// right as on the left. Keeping the label's width from one result to the next
// spares a repaint of the window behind it.
void Form1::fit_result_label() {
  // Measured as the label measures itself, whole pixels rounded up.
  const QFontMetricsF metrics(Label4->font());
  const int text_width = static_cast<int>(std::ceil(metrics.horizontalAdvance(Label4->text())));
  const int margin = label4_place.x();
  const int needed = margin + text_width + margin;
  const int most = std::max(client_size.width(), screen()->availableGeometry().width());
  setFixedWidth(std::clamp(needed, client_size.width(), most));
  Label4->resize(width() - 2 * margin,
                 std::max(static_cast<int>(std::ceil(metrics.height())), label4_place.height()));
}
