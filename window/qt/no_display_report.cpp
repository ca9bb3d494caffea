#include "window/qt/no_display_report.h"

#include "runtime/start_up.h"

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qt_handler = nullptr;

void report_no_display(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  // The one fatal message while the application starts: no platform plugin
  // could be initialised, which with the plugins installed means no display.
  if (type == QtFatalMsg) {
    const auto &text = runtime::no_display_message;
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
    // Nothing is set up yet that would need tearing down.
    std::_Exit(runtime::no_display_status);
  }
  qt_handler(type, context, message);
}

} // namespace

NoDisplayReport::NoDisplayReport() { qt_handler = qInstallMessageHandler(report_no_display); }

NoDisplayReport::~NoDisplayReport() { dismiss(); }

void NoDisplayReport::dismiss() {
  if (active_) {
    qInstallMessageHandler(qt_handler);
    active_ = false;
  }
}
