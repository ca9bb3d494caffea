#include "runtime/error.h"

namespace runtime {

Error::Error(ErrorCode code) : std::runtime_error(describe(code)), code_(code) {}

const char *describe(ErrorCode code) noexcept {
  switch (code) {
  case ErrorCode::InvalidArgument:
    return "Недопустимый аргумент";
  case ErrorCode::Overflow:
    return "Переполнение";
  case ErrorCode::DivisionByZero:
    return "Деление на ноль";
  }
  return "Неизвестная ошибка";
}

} // namespace runtime
