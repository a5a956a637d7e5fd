#include "ui/KRVButton.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

TKRVButton::TKRVButton(QWidget* owner) : QWidget(owner) {
  setMouseTracking(true);
}

void TKRVButton::SetPicture(QImage& target, const QImage& picture) {
  target = picture;
  Draw();
}

void TKRVButton::SetPicOnMouseIn(const QImage& picture) {
  SetPicture(picOnMouseIn_, picture);
}
void TKRVButton::SetPicOnMouseDown(const QImage& picture) {
  SetPicture(picOnMouseDown_, picture);
}
void TKRVButton::SetPicDisabled(const QImage& picture) {
  SetPicture(picDisabled_, picture);
}
void TKRVButton::SetPicNormal(const QImage& picture) {
  SetPicture(picNormal_, picture);
}

void TKRVButton::SetAutoSize(bool value) {
  autoSize_ = value;
  Draw();
}

void TKRVButton::SetTransparent(bool value) {
  transparent_ = value;
  Draw();
}

void TKRVButton::SetEnabled(bool value) {
  current_ = !value && !picDisabled_.isNull() ? TPictureKind::Disabled : TPictureKind::Normal;
  Draw();
  setEnabled(value);
}

const QImage& TKRVButton::Picture(TPictureKind kind) const {
  switch (kind) {
    case TPictureKind::MouseIn:
      return picOnMouseIn_;
    case TPictureKind::MouseDown:
      return picOnMouseDown_;
    case TPictureKind::Disabled:
      return picDisabled_;
    case TPictureKind::Normal:
      break;
  }
  return picNormal_;
}

void TKRVButton::ShowPicture(TPictureKind kind) {
  if (Picture(kind).isNull()) return;
  current_ = kind;
  Draw();
}

void TKRVButton::Draw() {
  drawRequested_ = true;
  update();
}

bool TKRVButton::event(QEvent* event) {
  const bool result = QWidget::event(event);
  // Paint events take their picture in paintEvent; every other message is looked at after the
  // toolkit has handled it.
  if (event->type() == QEvent::Paint) return result;
  if (!isEnabled()) {
    if (current_ != TPictureKind::Disabled) {
      current_ = TPictureKind::Disabled;
      Draw();
    }
    return result;
  }
  const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
  const bool left = mouse != nullptr && mouse->button() == Qt::LeftButton;
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Leave:
      ShowPicture(TPictureKind::Normal);
      break;
    case QEvent::MouseButtonRelease:
      if (left) ShowPicture(TPictureKind::Normal);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (left) ShowPicture(TPictureKind::MouseDown);
      break;
    case QEvent::Enter:
      ShowPicture(TPictureKind::MouseIn);
      break;
    case QEvent::EnabledChange:
      Draw();
      break;
    default:
      break;
  }
  return result;
}

void TKRVButton::paintEvent(QPaintEvent*) {
  // A repaint the window system asked for, not one of ours: the normal picture again.
  if (!drawRequested_ && isEnabled() && !picNormal_.isNull()) current_ = TPictureKind::Normal;
  drawRequested_ = false;
  const QImage& picture = Picture(current_);
  if (picture.isNull()) return;
  if (autoSize_ && size() != picture.size()) {
    resize(picture.size());
    drawRequested_ = true;
  }
  QPainter painter(this);
  QPixmap pixmap = QPixmap::fromImage(picture);
  if (transparent_) {
    // The bottom-left pixel's colour is the transparent colour, as for any bitmap.
    const QColor key = picture.pixelColor(0, picture.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
  }
  painter.drawPixmap(rect(), pixmap);
  if (captionW_.isEmpty()) return;
  painter.setFont(font_);
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, captionW_);
}

void TKRVButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  if (OnMouseDown)
    OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint().x(),
                event->position().toPoint().y());
}

void TKRVButton::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove)
    OnMouseMove(this, event->modifiers(), event->position().toPoint().x(),
                event->position().toPoint().y());
}

void TKRVButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && leftPressed_ &&
                     rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) leftPressed_ = false;
  if (OnMouseUp)
    OnMouseUp(this, event->button(), event->modifiers(), event->position().toPoint().x(),
              event->position().toPoint().y());
  if (click && OnClick) OnClick(this);
}
