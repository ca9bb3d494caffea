#include "window/qt/application_icon.h"
#include "window/qt/form1.h"
#include "window/qt/no_display_report.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char *argv[]) {
  NoDisplayReport no_display_report;
  QApplication application(argc, argv);
  no_display_report.dismiss();

  QApplication::setDesktopFileName(QStringLiteral(TRIANGLE_AREA_APP_ID));
  QApplication::setWindowIcon(QPixmap::fromImage(application_icon()));
  Form1 form;
  form.show();
  return QApplication::exec();
}
