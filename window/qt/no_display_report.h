#pragma once

#include <QtGlobal>

// While the application opens its display: where Qt can open none and would
// abort with advice to reinstall, the program says in its own words that no
// display is reachable and exits with status 1 instead, leaving no core.
// Everything else Qt says passes on once the display is open, and with no
// display only where QT_DEBUG_PLUGINS asks for Qt's account of it.
class NoDisplayReport {
public:
  NoDisplayReport();
  ~NoDisplayReport();
  NoDisplayReport(const NoDisplayReport &) = delete;
  NoDisplayReport &operator=(const NoDisplayReport &) = delete;

  // The display is open: Qt's own handling again.
  void dismiss();

private:
  bool active_ = true;
};
