#include "window/form1.h"

#include "calculation/area_command.h"
#include "runtime/error.h"
#include "window/error_box.h"
#include "window/form1_accessibility.h"
#include "window/readable_colour.h"
#include "window/result_label.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The stored layout, in twips: 1/1440 inch, 15 twips to a pixel at 96 dots
// per inch.
constexpr int twips_per_pixel = 15;
constexpr QSize client_twips(10980, 1410);
constexpr QRect text1_twips(60, 120, 1815, 375);
constexpr QRect text2_twips(1980, 120, 1815, 375);
constexpr QRect text3_twips(3900, 120, 1815, 375);
constexpr QRect command2_twips(5820, 120, 3495, 855);
constexpr QRect command1_twips(9480, 120, 1395, 855);
constexpr QRect label1_twips(60, 600, 1815, 255);
constexpr QRect label2_twips(1980, 600, 1815, 255);
constexpr QRect label3_twips(3900, 600, 1815, 255);
constexpr QRect label4_twips(60, 1080, 1800, 255);

// The captions hold one line each in this height.
constexpr double caption_line_pixels = 255.0 / twips_per_pixel;

const QColor caption_blue(0, 0, 255);
const QColor result_red(255, 0, 0);

QLineEdit *make_side_box(const QString &name, QWidget *parent) {
  auto *box = new QLineEdit(QStringLiteral("1"), parent);
  box->setObjectName(name);
  return box;
}

QPushButton *make_button(const QString &name, const QString &caption, QWidget *parent) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(name);
  // Enter on a focused button presses it, as Space does.
  button->setAutoDefault(true);
  return button;
}

// Named before its first text, which is when a screen reader first meets it.
QLabel *make_label(const QString &name, const QString &caption, QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setObjectName(name);
  label->setText(caption);
  return label;
}

// A side's caption names its box for screen readers too.
void caption_box(QLabel *caption, QLineEdit *box) {
  caption->setBuddy(box);
  box->setAccessibleName(caption->text());
}

void set_text_colour(QLabel *label, const QColor &colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

} // namespace

Form1::Form1(ErrorReporter report_error, QWidget *parent)
    : QWidget(parent), report_error_(report_error ? std::move(report_error) : show_error_box) {
  // Before any control exists, so that each is met as what it is.
  expose_form1_to_assistive_technology();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));

  Text1 = make_side_box(QStringLiteral("Text1"), this);
  Text2 = make_side_box(QStringLiteral("Text2"), this);
  Text3 = make_side_box(QStringLiteral("Text3"), this);
  Command2 = make_button(QStringLiteral("Command2"), QStringLiteral("Вывод данных"), this);
  Command1 = make_button(QStringLiteral("Command1"), QStringLiteral("Exit"), this);
  Label1 = make_label(QStringLiteral("Label1"), QStringLiteral("Сторона а"), this);
  Label2 = make_label(QStringLiteral("Label2"), QStringLiteral("Сторона b"), this);
  Label3 = make_label(QStringLiteral("Label3"), QStringLiteral("Сторона с"), this);
  Label4 = new ResultLabel(QStringLiteral("Результат вычислений"), this);
  Label4->setObjectName(QStringLiteral("Label4"));

  // A notification is known to a screen reader by its name alone.
  Label4->setAccessibleName(Label4->text());
  caption_box(Label1, Text1);
  caption_box(Label2, Text2);
  caption_box(Label3, Text3);
  colour_captions();
  lay_out();

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
  const std::string separator = QString(QLocale::system().decimalPoint()).toStdString();
  try {
    const auto caption =
        calculation::area_command(Text1->text().toStdString(), Text2->text().toStdString(),
                                  Text3->text().toStdString(), separator);
    Label4->set_caption(QString::fromStdString(caption));
    fit_result_label();
    announce_result(Label4,
                    QString::fromStdString(calculation::spoken_caption(caption, separator)));
  } catch (const runtime::Error &error) {
    report_error_(this, error);
  }
}

// The user switching theme or font while the program runs.
void Form1::changeEvent(QEvent *event) {
  if (event->type() == QEvent::PaletteChange) {
    colour_captions();
  } else if (event->type() == QEvent::FontChange) {
    lay_out();
  }
  QWidget::changeEvent(event);
}

void Form1::colour_captions() {
  const QColor blue = readable_text_colour(caption_blue, palette());
  for (QLabel *caption : {Label1, Label2, Label3}) {
    set_text_colour(caption, blue);
  }
  set_text_colour(Label4, readable_text_colour(result_red, palette()));
}

QRect Form1::in_pixels(const QRect &twips) const {
  const auto pixels = [this](int length) {
    return static_cast<int>(std::lround(length * layout_scale_ / twips_per_pixel));
  };
  return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

// The stored layout at the font's size: as stored where a line of the font
// fits a caption's height, else all of it scaled by one factor, as a layout
// in twips scales with the logical inch, so that no text is cut.
void Form1::lay_out() {
  const double line = QFontMetricsF(font()).height();
  layout_scale_ = std::max(1.0, line / caption_line_pixels);

  const std::array<std::pair<QWidget *, QRect>, 9> places = {{
      {Text1, text1_twips},
      {Text2, text2_twips},
      {Text3, text3_twips},
      {Command2, command2_twips},
      {Command1, command1_twips},
      {Label1, label1_twips},
      {Label2, label2_twips},
      {Label3, label3_twips},
      {Label4, label4_twips},
  }};
  for (const auto &[control, twips] : places) {
    control->setGeometry(in_pixels(twips));
  }
  // The start-up caption is already wider than its place in most fonts; the
  // window's size follows from the label's.
  fit_result_label();
}

// A caption can be far longer than the result label's place: the label takes
// the whole row under the boxes, and the window widens for a caption wider
// than itself, keeping the label's margin on the right as on the left. Where
// the screen is too narrow, the caption goes on over further lines and the
// window grows downwards instead. Keeping the label's width from one result
// to the next spares a repaint of the window behind it.
void Form1::fit_result_label() {
  const QRect stored = in_pixels(label4_twips);
  const QSize client = in_pixels(QRect(QPoint(), client_twips)).size();
  const QRect room = screen()->availableGeometry();
  const int margin = stored.x();
  const int needed = margin + Label4->caption_width() + margin;
  setFixedWidth(std::clamp(needed, client.width(), std::max(client.width(), room.width())));
  Label4->fit_within(width() - 2 * margin, stored.height());
  const int further_lines = Label4->height() - stored.height();
  setFixedHeight(
      std::min(client.height() + further_lines, std::max(client.height(), room.height())));
  keep_on_screen(room);
}

// A window grown past the screen's edge is moved back onto it.
void Form1::keep_on_screen(const QRect &room) {
  const QRect frame = frameGeometry();
  const QPoint past(std::max(0, frame.right() - room.right()),
                    std::max(0, frame.bottom() - room.bottom()));
  if (isVisible() && !past.isNull()) {
    move(pos() - past);
  }
}
