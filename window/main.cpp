#include "window/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(TRIANGLE_AREA_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" TRIANGLE_AREA_APP_ID ".png")));
  Form1 form;
  form.show();
  return QApplication::exec();
}
