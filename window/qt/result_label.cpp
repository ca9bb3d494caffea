#include "window/qt/result_label.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace {

// A line may break here; it is not drawn and never leaves the label.
constexpr QChar break_opportunity(0x200B);

// A caption's number has no place of its own where a line may break.
QString breakable_between_digits(const QString &caption) {
  QString text;
  text.reserve(caption.size() * 2);
  for (const QChar character : caption) {
    text += character;
    if (character.isDigit()) {
      text += break_opportunity;
    }
  }
  return text;
}

} // namespace

ResultLabel::ResultLabel(QWidget *parent) : QLabel(parent) {
  // Selecting with the mouse focuses the label for Ctrl+C; Tab passes it by.
  // A label that can be selected or focused draws through a text document,
  // which costs start-up and every result, so it becomes one on the first
  // press.
  setCursor(Qt::IBeamCursor);

  copy_ = new QAction(QStringLiteral("Копировать"), this);
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copy_->setShortcutContext(Qt::WindowShortcut);
  connect(copy_, &QAction::triggered, this, &ResultLabel::copy_caption);
  addAction(copy_);

  select_all_ = new QAction(QStringLiteral("Выделить всё"), this);
  connect(select_all_, &QAction::triggered, this, [this] {
    make_selectable();
    setSelection(0, static_cast<int>(text().size()));
  });
}

void ResultLabel::set_caption(const QString &caption) {
  caption_ = caption;
  caption_width_.reset();
  setText(caption);
}

int ResultLabel::caption_width() const {
  if (!caption_width_) {
    // Measured as the label measures itself, whole pixels rounded up.
    caption_width_ = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(caption_)));
  }
  return *caption_width_;
}

bool ResultLabel::fits_within(int width) const {
  // No glyph is wider than the font's widest: most captions are known to fit
  // without shaping their text.
  const qsizetype most_wide = caption_.size() * QFontMetrics(font()).maxWidth();
  return most_wide <= width || caption_width() <= width;
}

void ResultLabel::fit_within(int width, int least_height) {
  const bool one_line = fits_within(width);
  if (wordWrap() == one_line) {
    setWordWrap(!one_line);
  }
  setText(one_line ? caption_ : breakable_between_digits(caption_));
  const int line = static_cast<int>(std::ceil(QFontMetricsF(font()).height()));
  resize(width, std::max(one_line ? line : heightForWidth(width), least_height));
}

void ResultLabel::copy_caption() const { QGuiApplication::clipboard()->setText(caption_); }

QString ResultLabel::selected_caption() const { return selectedText().remove(break_opportunity); }

void ResultLabel::contextMenuEvent(QContextMenuEvent *event) {
  QMenu menu(this);
  menu.addAction(copy_);
  menu.addAction(select_all_);
  menu.exec(event->globalPos());
}

void ResultLabel::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Copy) && hasSelectedText()) {
    QGuiApplication::clipboard()->setText(selected_caption());
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

void ResultLabel::make_selectable() {
  if (!textInteractionFlags().testFlag(Qt::TextSelectableByMouse)) {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocus(Qt::MouseFocusReason);
  }
}

void ResultLabel::changeEvent(QEvent *event) {
  if (event->type() == QEvent::FontChange) {
    caption_width_.reset();
  }
  QLabel::changeEvent(event);
}

void ResultLabel::mousePressEvent(QMouseEvent *event) {
  make_selectable();
  QLabel::mousePressEvent(event);
}

// The selection the mouse made goes to X11's primary selection as well.
void ResultLabel::mouseReleaseEvent(QMouseEvent *event) {
  QLabel::mouseReleaseEvent(event);
  QClipboard *clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection() && hasSelectedText() && text() != caption_) {
    clipboard->setText(selected_caption(), QClipboard::Selection);
  }
}
