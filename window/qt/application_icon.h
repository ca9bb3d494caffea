#pragma once

#include <QImage>

// The application icon, from pixels decoded at build time, so that showing it
// needs no image decoder.
[[nodiscard]] QImage application_icon();
