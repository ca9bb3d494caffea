#include "window/qt/no_display_report.h"

#include "runtime/start_up.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QtMessageHandler qt_handler = nullptr;

// What Qt says while it looks for a display, kept until it is known whether
// one was found: with none, only the program's own words are shown.
struct HeldMessage {
  QtMsgType type;
  QByteArray file, function, category;
  int line;
  QString text;
};
std::vector<HeldMessage> held;

void pass_on_held() {
  for (const auto &message : held) {
    const QMessageLogContext context(message.file.constData(), message.line,
                                     message.function.constData(), message.category.constData());
    qt_handler(message.type, context, message.text);
  }
  held.clear();
}

void report_no_display(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  if (type != QtFatalMsg) {
    held.push_back({type, context.file, context.function, context.category, context.line, message});
    return;
  }
  // The one fatal message while the application starts: no platform plugin
  // could be initialised, which with the plugins installed means no display.
  // Qt's own account of it is for whoever asks for it.
  if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS")) {
    pass_on_held();
  }
  const auto &text = runtime::no_display_message;
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
  // Nothing is set up yet that would need tearing down.
  std::_Exit(runtime::no_display_status);
}

} // namespace

NoDisplayReport::NoDisplayReport() { qt_handler = qInstallMessageHandler(report_no_display); }

NoDisplayReport::~NoDisplayReport() { dismiss(); }

void NoDisplayReport::dismiss() {
  if (active_) {
    qInstallMessageHandler(qt_handler);
    pass_on_held();
    active_ = false;
  }
}
