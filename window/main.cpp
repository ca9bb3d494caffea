#include "window/application_icon.h"
#include "window/form1.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(TRIANGLE_AREA_APP_ID));
  QApplication::setWindowIcon(
      QPixmap::fromImage(QImage(application_icon_argb32, application_icon_width,
                                application_icon_height, QImage::Format_ARGB32)));
  Form1 form;
  form.show();
  return QApplication::exec();
}
