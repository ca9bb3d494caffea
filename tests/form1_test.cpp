#include "runtime/error.h"
#include "window/qt/form1.h"
#include "window/qt/readable_colour.h"
#include "window/qt/result_label.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

struct Place {
  const char *name;
  QRect geometry;
  const char *text;
  QColor colour; // invalid: the style's own
};

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

// The captions sit under their boxes; the result label under the first.
const Place places[] = {
    {"Text1", {4, 8, 121, 25}, "1", {}},
    {"Text2", {132, 8, 121, 25}, "1", {}},
    {"Text3", {260, 8, 121, 25}, "1", {}},
    {"Command2", {388, 8, 233, 57}, "Вывод данных", {}},
    {"Command1", {632, 8, 93, 57}, "Exit", {}},
    {"Label1", {4, 40, 121, 17}, "Сторона а", blue},
    {"Label2", {132, 40, 121, 17}, "Сторона b", blue},
    {"Label3", {260, 40, 121, 17}, "Сторона с", blue},
    {"Label4", {4, 72, 120, 17}, "Результат вычислений", red},
};

QString text_of(const QWidget *widget) {
  if (const auto *box = qobject_cast<const QLineEdit *>(widget)) {
    return box->text();
  }
  if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
    return button->text();
  }
  return qobject_cast<const QLabel *>(widget)->text();
}

// The separator the user's locale asks for, from the environment the test runs in.
QString expected_separator() {
  const QByteArray locale = qgetenv("LC_ALL");
  return locale.startsWith("ru_RU") ? QStringLiteral(",") : QStringLiteral(".");
}

} // namespace

class Form1Test : public QObject {
  Q_OBJECT

  std::vector<runtime::ErrorCode> reported_;
  std::unique_ptr<Form1> form_;

  template <typename T> T *child(const char *name) {
    auto *widget = form_->findChild<T *>(QString::fromLatin1(name));
    if (widget == nullptr) {
      qFatal("no control %s", name);
    }
    return widget;
  }

  void enter_sides(const QString &a, const QString &b, const QString &c) {
    child<QLineEdit>("Text1")->setText(a);
    child<QLineEdit>("Text2")->setText(b);
    child<QLineEdit>("Text3")->setText(c);
  }

  QString result() { return child<ResultLabel>("Label4")->caption(); }

private slots:
  void init() {
    reported_.clear();
    form_ = std::make_unique<Form1>(
        [this](QWidget *, const runtime::Error &error) { reported_.push_back(error.code()); });
    form_->show();
    // Keys go to the focused control of the active window only.
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  void cleanup() { form_.reset(); }

  void layout() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(form_->size(), QSize(732, 94));
    for (const auto &[name, geometry, text, colour] : places) {
      const auto *widget = child<QWidget>(name);
      if (widget == child<QLabel>("Label4")) {
        // The result label keeps its place and grows to show its caption.
        QCOMPARE(widget->pos(), geometry.topLeft());
        QVERIFY(widget->width() >= std::max(geometry.width(), widget->sizeHint().width()));
      } else {
        QCOMPARE(widget->geometry(), geometry);
      }
      QCOMPARE(text_of(widget), QString::fromUtf8(text));
      if (colour.isValid()) {
        QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
      }
    }
    // The side captions end in Cyrillic а, Latin b and Cyrillic с, and name
    // their boxes for screen readers.
    QCOMPARE(child<QLabel>("Label1")->text().back(), QChar(0x0430));
    QCOMPARE(child<QLabel>("Label2")->text().back(), QChar(u'b'));
    QCOMPARE(child<QLabel>("Label3")->text().back(), QChar(0x0441));
    for (const char *side : {"1", "2", "3"}) {
      QCOMPARE(child<QLineEdit>(qPrintable(QStringLiteral("Text") + side))->accessibleName(),
               child<QLabel>(qPrintable(QStringLiteral("Label") + side))->text());
    }
  }

  void tab_order_starts_on_the_area_button() {
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("Command2"));
    const char *forward[] = {"Text1", "Text2", "Text3", "Command1", "Command2"};
    for (const char *name : forward) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    for (const char *name : {"Label1", "Label2", "Label3"}) {
      QCOMPARE(child<QWidget>(name)->focusPolicy(), Qt::NoFocus);
    }
    // The result is selected with the mouse, which alone focuses it.
    QVERIFY((child<QWidget>("Label4")->focusPolicy() & Qt::TabFocus) == 0);
  }

  void click_shows_the_area() {
    const struct {
      const char *a, *b, *c;
      const char *shown; // with '.' for the separator; nullptr: refused
    } rows[] = {
        {"1", "1", "1", ".433"},
        {"3", "4", "5", "6."},
        {"2", "3", "4", "2.905"},
        {"5", "5", "8", "12."},
        {"1", "1", "3", nullptr},
        {"3", "1", "1", nullptr},
        {"100000", "100000", "100000", "4330127018.922"},
    };
    for (const auto &[a, b, c, shown] : rows) {
      enter_sides(a, b, c);
      QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
      const QString caption =
          shown == nullptr ? QStringLiteral("Треугольника не существует")
                           : QStringLiteral("Площадь треугольника= ") +
                                 QString::fromLatin1(shown).replace(u'.', expected_separator());
      QVERIFY2(result() == caption, qPrintable(result() + " for " + a + ", " + b + ", " + c));
    }
    // The label grows to show the whole caption.
    auto *label = child<QLabel>("Label4");
    QVERIFY(label->width() >= label->sizeHint().width());
    QVERIFY(label->geometry().right() < form_->width());
    QVERIFY(reported_.empty());
    QCOMPARE(form_->size(), QSize(732, 94));
  }

  void a_result_wider_than_the_window_widens_it_then_wraps() {
    enter_sides("1e38", "1e38", "1e38");
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    auto *label = child<QLabel>("Label4");
    QCOMPARE(result().size(), 22 + 76 + 1); // prefix, 76 whole digits, separator, .000
    QVERIFY(label->width() >= label->sizeHint().width());
    QVERIFY(form_->width() > 732);
    QCOMPARE(form_->width(), label->geometry().right() + 1 + label->x());

    // Wider than the screen: over further lines, within the screen's width.
    enter_sides("1e154", "1e154", "1e154");
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(result().size(), 22 + 308 + 1 + 3); // prefix, 308 whole digits, separator, 3 places
    QVERIFY(form_->width() <= form_->screen()->availableGeometry().width());
    QVERIFY(form_->height() > 94);
    QVERIFY(form_->rect().contains(label->geometry()));
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    // Ctrl+Shift+C copies it, whole and in one line, wherever the focus is.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), result());

    enter_sides("3", "4", "5");
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(form_->size(), QSize(732, 94));
    QCOMPARE(label->text(), result());
  }

  void keys_run_the_area_command() {
    QTest::keyClick(child<QPushButton>("Command2"), Qt::Key_Space);
    QCOMPARE(result(), QStringLiteral("Площадь треугольника= ") + expected_separator() + "433");

    enter_sides("3", "4", "5");
    QTest::keyClick(child<QLineEdit>("Text3"), Qt::Key_Return);
    QCOMPARE(result(), QStringLiteral("Площадь треугольника= 6") + expected_separator());

    enter_sides("5", "5", "8");
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Enter);
    QCOMPARE(result(), QStringLiteral("Площадь треугольника= 12") + expected_separator());

    QTest::keyClick(form_.get(), Qt::Key_Escape);
    QVERIFY(form_->isVisible());
  }

  void editing_alone_changes_nothing() {
    enter_sides("3", "4", "5");
    QTest::keyClicks(child<QLineEdit>("Text1"), "7");
    QCOMPARE(result(), QStringLiteral("Результат вычислений"));
  }

  void errors_are_reported_and_the_label_kept() {
    enter_sides("3", "4", "5");
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    const QString before = result();
    enter_sides("1e400", "1", "1");
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    enter_sides("1e200", "1e200", "1e200");
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(reported_, (std::vector{runtime::ErrorCode::Overflow, runtime::ErrorCode::Overflow}));
    QCOMPARE(result(), before);
    QVERIFY(form_->isVisible());
  }

  void captions_stay_readable_in_any_palette() {
    const auto dark = [](QColor window, QColor text) {
      QPalette palette;
      palette.setColor(QPalette::Window, window);
      palette.setColor(QPalette::WindowText, text);
      return palette;
    };
    const struct {
      const char *name;
      QPalette palette;
    } palettes[] = {
        {"light", QApplication::palette()},
        {"qt6ct darker", dark(QColor(0x22, 0x20, 0x20), Qt::white)},
        {"Breeze Dark", dark(QColor(0x31, 0x36, 0x3b), QColor(0xef, 0xf0, 0xf1))},
        {"Adwaita dark", dark(QColor(0x35, 0x35, 0x35), QColor(0xee, 0xee, 0xee))},
    };
    for (const auto &[name, palette] : palettes) {
      const bool is_light = palettes[0].name == name;
      for (const QColor &stored : {blue, red}) {
        const QColor shown = readable_text_colour(stored, palette);
        if (is_light) {
          QCOMPARE(shown, stored);
        } else {
          QVERIFY2(contrast_ratio(shown, palette.color(QPalette::Window)) >= 7.0, name);
          QCOMPARE(shown.hslHue(), stored.hslHue());
        }
      }
    }
    // A theme switched while the program runs is followed.
    const QPalette before = QApplication::palette();
    // Qt hands the new palette to the widgets through posted events.
    QApplication::setPalette(palettes[1].palette);
    QCoreApplication::processEvents();
    for (const char *name : {"Label1", "Label4"}) {
      const QPalette shown = child<QLabel>(name)->palette();
      QVERIFY2(contrast_ratio(shown.color(QPalette::WindowText), shown.color(QPalette::Window)) >=
                   7.0,
               name);
    }
    QApplication::setPalette(before);
    QCoreApplication::processEvents();
    QCOMPARE(child<QLabel>("Label4")->palette().color(QPalette::WindowText), red);
  }

  void a_twice_larger_font_scales_the_whole_layout() {
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSizeF(before.pointSizeF() * 2);
    QApplication::setFont(large);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect window = form.rect();
    for (const auto &place : places) {
      const auto *widget = form.findChild<QWidget *>(QString::fromLatin1(place.name));
      QVERIFY2(window.contains(widget->geometry()), place.name);
      if (qobject_cast<const QLabel *>(widget) != nullptr) {
        QVERIFY2(widget->height() >= QFontMetrics(widget->font()).height(), place.name);
      } else {
        QVERIFY2(widget->height() >= widget->sizeHint().height(), place.name);
      }
    }
    QApplication::setFont(before);
  }

  void a_pasted_megabyte_stops_at_the_box_length() {
    auto *box = child<QLineEdit>("Text1");
    box->clear();
    QApplication::clipboard()->setText(QString(1 << 20, u'9'));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QString(box->maxLength(), u'9'));
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(reported_, std::vector{runtime::ErrorCode::Overflow});
    QCOMPARE(result(), QStringLiteral("Результат вычислений"));
  }

  void the_default_report_is_a_russian_message_box() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("1e400"));
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
      auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      if (box != nullptr) {
        title = box->windowTitle();
        text = box->text();
        box->accept();
      }
    });
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Ошибка"));
    QCOMPARE(text, QStringLiteral("Ошибка выполнения 6:\nПереполнение"));
    QVERIFY(form.isVisible());
  }

  void exit_ends_the_event_loop() {
    QTimer::singleShot(
        0, [this] { QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton); });
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
  }

  void closing_the_window_ends_the_event_loop() {
    QTimer::singleShot(0, form_.get(), &QWidget::close);
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
