#pragma once

#include <QLabel>

#include <optional>

class QAction;

// The result label: shows one caption, over further lines where it is wider
// than the room it is given, and lets the user take it away. The mouse
// selects, Ctrl+C copies the selection, the context menu copies the whole
// caption or selects it all, and Ctrl+Shift+C copies it from anywhere in the
// window. What is copied is the caption as shown, in one line.
class ResultLabel : public QLabel {
  Q_OBJECT

public:
  explicit ResultLabel(QWidget *parent);

  [[nodiscard]] const QString &caption() const { return caption_; }
  void set_caption(const QString &caption);

  // The caption's width on one line, in whole pixels.
  [[nodiscard]] int caption_width() const;
  [[nodiscard]] bool fits_within(int width) const;
  // Gives the label `width` pixels, breaking the caption over as many lines
  // as it needs where one is not enough; at least `least_height` high.
  void fit_within(int width, int least_height);

protected:
  void changeEvent(QEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  void make_selectable();
  void copy_caption() const;
  [[nodiscard]] QString selected_caption() const;

  QString caption_;
  mutable std::optional<int> caption_width_;
  QAction *copy_ = nullptr;
  QAction *select_all_ = nullptr;
};
