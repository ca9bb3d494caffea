#include "runtime/error_report.h"

namespace runtime {

ErrorReport report_of(const Error &error) {
  return {
      .title = "Ошибка",
      .text = "Ошибка выполнения " + std::to_string(error.number()) + ":\n" + error.description(),
  };
}

} // namespace runtime
