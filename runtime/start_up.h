#pragma once

#include <string_view>

namespace runtime {

// What the user is told, on standard error, when the window cannot be opened
// because no graphical display is reachable; the program then exits with
// no_display_status. Russian, UTF-8.
inline constexpr std::string_view no_display_message =
    "triangle-area: не удалось открыть окно программы: графический дисплей недоступен.\n"
    "Запустите программу в графическом сеансе или укажите дисплей в переменной окружения "
    "DISPLAY (X11) или WAYLAND_DISPLAY (Wayland).\n";

inline constexpr int no_display_status = 1;

} // namespace runtime
