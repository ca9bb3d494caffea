#include "window/qt/form1_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QString>

namespace {

QAccessibleInterface *form1_interface(const QString &class_name, QObject *object) {
  auto *widget = qobject_cast<QWidget *>(object);
  if (widget == nullptr) {
    return nullptr;
  }
  if (class_name == QLatin1String("Form1")) {
    return new QAccessibleWidget(widget, QAccessible::Window);
  }
  if (class_name == QLatin1String("ResultLabel")) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  return nullptr;
}

} // namespace

void expose_form1_to_assistive_technology() {
  // Installing it again is harmless; the last installed is asked first, so
  // after the application's own.
  QAccessible::installFactory(form1_interface);
}

void announce_result(QLabel *label, const QString &spoken) {
  label->setAccessibleName(spoken);
  // A notification that shows itself anew is spoken anew.
  QAccessibleEvent shown(label, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}
