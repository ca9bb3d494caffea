#pragma once

#include "runtime/error.h"

#include <string>

// What the user is told when an operation fails: a title and a text for a
// message box, both Russian, UTF-8.
namespace runtime {

struct ErrorReport {
  std::string title;
  std::string text;
};

[[nodiscard]] ErrorReport report_of(const Error &error);

} // namespace runtime
