#include "window/qt/error_box.h"

#include "runtime/error_report.h"

#include <QMessageBox>
#include <QString>

void show_error_box(QWidget *parent, const runtime::Error &error) {
  const auto report = runtime::report_of(error);
  QMessageBox::critical(parent, QString::fromStdString(report.title),
                        QString::fromStdString(report.text));
}
