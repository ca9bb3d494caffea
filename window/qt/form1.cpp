#include "window/qt/form1.h"

#include "calculation/area_command.h"
#include "runtime/error.h"
#include "window/form1_description.h"
#include "window/qt/error_box.h"
#include "window/qt/form1_accessibility.h"
#include "window/qt/readable_colour.h"
#include "window/qt/result_label.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using form1::Kind;

// The captions hold one line each in this height.
constexpr double caption_line_pixels =
    static_cast<double>(form1::control("Label1").place.height) / form1::twips_per_pixel;

QString caption_of(const form1::Control &stored) {
  return QString::fromUtf16(stored.caption.data(), static_cast<qsizetype>(stored.caption.size()));
}

QString name_of(const form1::Control &stored) {
  return QString::fromLatin1(stored.name.data(), static_cast<qsizetype>(stored.name.size()));
}

QLineEdit *make_side_box(const form1::Control &stored, QWidget *parent) {
  auto *box = new QLineEdit(caption_of(stored), parent);
  box->setObjectName(name_of(stored));
  return box;
}

QPushButton *make_button(const form1::Control &stored, QWidget *parent) {
  auto *button = new QPushButton(caption_of(stored), parent);
  button->setObjectName(name_of(stored));
  // Enter on a focused button presses it, as Space does.
  button->setAutoDefault(true);
  return button;
}

// Named before its first text, which is when a screen reader first meets it.
QLabel *make_label(const form1::Control &stored, QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setObjectName(name_of(stored));
  label->setText(caption_of(stored));
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

  Text1 = make_side_box(form1::control("Text1"), this);
  Text2 = make_side_box(form1::control("Text2"), this);
  Text3 = make_side_box(form1::control("Text3"), this);
  Command2 = make_button(form1::control("Command2"), this);
  Command1 = make_button(form1::control("Command1"), this);
  Label1 = make_label(form1::control("Label1"), this);
  Label2 = make_label(form1::control("Label2"), this);
  Label3 = make_label(form1::control("Label3"), this);
  Label4 = new ResultLabel(this);
  Label4->setObjectName(name_of(form1::control("Label4")));
  Label4->set_caption(caption_of(form1::control("Label4")));

  // A notification is known to a screen reader by its name alone.
  Label4->setAccessibleName(Label4->caption());
  caption_box(Label1, Text1);
  caption_box(Label2, Text2);
  caption_box(Label3, Text3);
  colour_captions();
  lay_out();
  follow_tab_indexes();

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

// Focus moves through the boxes and buttons by their tab indexes and starts
// on the lowest.
void Form1::follow_tab_indexes() {
  std::vector<const form1::Control *> focusable;
  for (const form1::Control &stored : form1::controls) {
    if (stored.kind != Kind::Label) {
      focusable.push_back(&stored);
    }
  }
  std::ranges::sort(focusable, {}, &form1::Control::tab_index);
  const auto widget = [this](const form1::Control *stored) {
    return findChild<QWidget *>(name_of(*stored));
  };
  for (std::size_t next = 1; next < focusable.size(); ++next) {
    setTabOrder(widget(focusable[next - 1]), widget(focusable[next]));
  }
  widget(focusable.front())->setFocus();
}

void Form1::colour_captions() {
  for (const form1::Control &stored : form1::controls) {
    if (stored.colour != form1::default_colour) {
      const QColor colour(form1::red_of(stored.colour), form1::green_of(stored.colour),
                          form1::blue_of(stored.colour));
      set_text_colour(findChild<QLabel *>(name_of(stored)),
                      readable_text_colour(colour, palette()));
    }
  }
}

QRect Form1::in_pixels(const form1::Rect &twips) const {
  const auto pixels = [this](int length) {
    return static_cast<int>(std::lround(length * layout_scale_ / form1::twips_per_pixel));
  };
  return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

QSize Form1::client_pixels() const {
  const form1::Rect client{
      .left = 0, .top = 0, .width = form1::client_width, .height = form1::client_height};
  return in_pixels(client).size();
}

// The stored layout at the font's size: as stored where a line of the font
// fits a caption's height, else all of it scaled by one factor, as a layout
// in twips scales with the logical inch, so that no text is cut.
void Form1::lay_out() {
  const double line = QFontMetricsF(font()).height();
  layout_scale_ = std::max(1.0, line / caption_line_pixels);

  for (const form1::Control &stored : form1::controls) {
    findChild<QWidget *>(name_of(stored))->setGeometry(in_pixels(stored.place));
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
  const QRect stored = in_pixels(form1::control("Label4").place);
  const QSize client = client_pixels();
  const QRect room = screen()->availableGeometry();
  const int margin = stored.x();
  const int row = client.width() - 2 * margin;
  const int needed =
      Label4->fits_within(row) ? client.width() : margin + Label4->caption_width() + margin;
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
