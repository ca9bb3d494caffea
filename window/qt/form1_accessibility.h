#pragma once

class QLabel;
class QString;

// What a screen reader is told beyond what the widgets say of themselves:
// Form1 is a window, so its title can be read, and its result label is a
// notification, so that each new result is announced without moving the
// focus. Takes effect for the controls created after it, once the
// application exists.
void expose_form1_to_assistive_technology();

// Announces a result written into the result label, spoken as `spoken`;
// also when it is the same as the one before.
void announce_result(QLabel *label, const QString &spoken);
