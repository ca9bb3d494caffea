#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class ResultLabel;

namespace runtime {
class Error;
}
namespace form1 {
struct Rect;
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

protected:
  void changeEvent(QEvent *event) override;

private:
  void Command1_Click();
  void Command2_Click();

  void lay_out();
  void colour_captions();
  void fit_result_label();
  void keep_on_screen(const QRect &room);
  void follow_tab_indexes();
  [[nodiscard]] QRect in_pixels(const form1::Rect &twips) const;
  [[nodiscard]] QSize client_pixels() const;

  ErrorReporter report_error_;
  // Pixels per stored pixel: 1 where the font's line fits the stored heights.
  double layout_scale_ = 1.0;

  QLineEdit *Text1 = nullptr;
  QLineEdit *Text2 = nullptr;
  QLineEdit *Text3 = nullptr;
  QPushButton *Command2 = nullptr;
  QPushButton *Command1 = nullptr;
  QLabel *Label1 = nullptr;
  QLabel *Label2 = nullptr;
  QLabel *Label3 = nullptr;
  ResultLabel *Label4 = nullptr;
};
