#pragma once

class QWidget;

namespace runtime {
class Error;
}

// Reports a failed command in a modal message box over the window.
void show_error_box(QWidget *parent, const runtime::Error &error);
