// Click-to-result: from the area button's click to the result label painted
// with the new caption. The press and release the click comes from are not
// counted: their cost is the button's own pressed look.
#include "window/qt/form1.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class ClickBench : public QObject {
  Q_OBJECT

private slots:
  void click_to_result() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *button = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    auto *result = form.findChild<QLabel *>(QStringLiteral("Label4"));

    // Clearing the label (never painted clear) makes every click's caption
    // new without touching the boxes, whose repaint is no part of a click.
    QBENCHMARK {
      result->clear();
      button->click();
      result->repaint();
    }
    QVERIFY(result->text().startsWith(QStringLiteral("Площадь")));
  }
};

QTEST_MAIN(ClickBench)
#include "click_bench.moc"
