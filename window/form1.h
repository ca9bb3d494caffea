#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace runtime {
class Error;
}

// How the window tells the user that a command failed; the default shows a
// modal message box.
using ErrorReporter = std::function<void(QWidget *parent, const runtime::Error &error)>;

// The program's only window: three side boxes with their captions, the result
// label, the area command button and the Exit button.
class Form1 : public QWidget {
  Q_OBJECT

public:
  explicit Form1(ErrorReporter report_error = {}, QWidget *parent = nullptr);

private:
  void Command1_Click();
  void Command2_Click();
  void fit_result_label();

  ErrorReporter report_error_;

  QLineEdit *Text1;
  QLineEdit *Text2;
  QLineEdit *Text3;
  QPushButton *Command2;
  QPushButton *Command1;
  QLabel *Label1;
  QLabel *Label2;
  QLabel *Label3;
  QLabel *Label4;
};
