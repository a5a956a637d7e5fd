#include "transition/TransitionView.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <utility>

#include "effects/EffectTable.h"
#include "transition/AnimateThread.h"
#include "transition/BitmapImage.h"
#include "transition/PainterClip.h"
#include "transition/PictureRect.h"
#include "transition/TileGraphic.h"
#include "transition/TransitionEvents.h"

TCustomTransitionView::TCustomTransitionView(QWidget* owner) : QWidget(owner) {
  // Every pixel is painted here; nothing is erased first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  picture_.OnChange = [this] { PictureChanged(); };
  bgPicture_.OnChange = [this] { BgPictureChanged(); };
  if (parentWidget() != nullptr) parentWidget()->installEventFilter(this);
  resize(100, 100);
}

TCustomTransitionView::~TCustomTransitionView() {
  StopForDestruction();
}

void TCustomTransitionView::StopForDestruction() {
  destroying_ = true;
  StopTransition();
}

// Property writers --------------------------------------------------------------------------

void TCustomTransitionView::SetBgMode(TBackgroundMode value) {
  if (value == bgMode_) return;
  bgMode_ = value;
  if (!bgPicture_.HasGraphic()) return;
  if (oldFromBackground_ && oldBitmap_) RenderOldFromBackground();
  update();
}

void TCustomTransitionView::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  update();
}

void TCustomTransitionView::SetFrameColor(TColor value) {
  if (value == frameColor_) return;
  frameColor_ = value;
  if (frameWidth_ != 0 && !screenBitmap_.IsEmpty()) update();
}

void TCustomTransitionView::SetFrameWidth(int value) {
  value = std::max(0, value);
  if (value == frameWidth_) return;
  frameWidth_ = value;
  if (autoSize_) AdjustSize();
  if (!screenBitmap_.IsEmpty()) {
    CalcPictureRect();
    update();
  }
}

void TCustomTransitionView::SetCenter(bool value) {
  if (value == center_) return;
  center_ = value;
  CalcPictureRect();
  if (!screenBitmap_.IsEmpty()) update();
}

void TCustomTransitionView::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  CalcPictureRect();
  if (!screenBitmap_.IsEmpty()) update();
}

void TCustomTransitionView::SetProportional(bool value) {
  if (value == proportional_) return;
  proportional_ = value;
  CalcPictureRect();
  if (!screenBitmap_.IsEmpty()) update();
}

void TCustomTransitionView::SetStyle(int value) {
  if (value < 0 || value > kMaxShowStyle || value == style_) return;
  {
    std::lock_guard lock(frameLock_);
    style_ = static_cast<TShowStyle>(value);
  }
  if (running_ && manual_ && !stopping_) {
    RenderFrame();
    update(displayRect_);
  }
}

QString TCustomTransitionView::StyleName() const {
  return QString::fromStdString(::StyleName(style_));
}

void TCustomTransitionView::SetStyleName(const QString& value) {
  if (const auto style = StyleByName(value.toStdString())) SetStyle(*style);
}

void TCustomTransitionView::SetStep(int value) {
  step_ = static_cast<std::uint16_t>(std::clamp(value, 1, 100));
}

void TCustomTransitionView::SetAlign(TAlign value) {
  if (value == align_) return;
  align_ = value;
  ApplyAlign();
}

void TCustomTransitionView::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustSize();
}

// Picture objects ----------------------------------------------------------------------------

void TCustomTransitionView::PictureChanged() {
  if (destroying_) return;
  if (picture_.HasGraphic()) AdjustSize();
  NotifyChange();
}

void TCustomTransitionView::BgPictureChanged() {
  if (bgMode_ == bmNone) return;
  if (oldFromBackground_ && oldBitmap_) RenderOldFromBackground();
  update();
}

// Size and placement -------------------------------------------------------------------------

bool TCustomTransitionView::CanAutoSize(int& newWidth, int& newHeight) {
  if (!picture_.HasGraphic() || align_ == alClient) return true;
  // The control has no border of its own: its client area is all of it.
  if (align_ != alTop && align_ != alBottom) newWidth = picture_.Width() + 2 * frameWidth_;
  if (align_ != alLeft && align_ != alRight) newHeight = picture_.Height() + 2 * frameWidth_;
  return true;
}

void TCustomTransitionView::AdjustSize() {
  if (!autoSize_) return;
  int w = width();
  int h = height();
  if (CanAutoSize(w, h)) resize(w, h);
  ApplyAlign();
}

void TCustomTransitionView::ApplyAlign() {
  const QWidget* parent = parentWidget();
  if (parent == nullptr || align_ == alNone) return;
  const int pw = parent->width();
  const int ph = parent->height();
  switch (align_) {
    case alTop:
      setGeometry(0, 0, pw, height());
      break;
    case alBottom:
      setGeometry(0, ph - height(), pw, height());
      break;
    case alLeft:
      setGeometry(0, 0, width(), ph);
      break;
    case alRight:
      setGeometry(pw - width(), 0, width(), ph);
      break;
    case alClient:
      setGeometry(0, 0, pw, ph);
      break;
    case alNone:
      break;
  }
}

void TCustomTransitionView::CalcPictureRect() {
  displayRect_ =
      ComputePictureRect(size(), frameWidth_, sourceRect_.size(), center_, stretch_, proportional_);
  if (oldFromBackground_ && oldBitmap_) RenderOldFromBackground();
}

void TCustomTransitionView::ClearScreen() {
  if (running_ || screenBitmap_.IsEmpty()) return;
  {
    std::lock_guard lock(screenLock_);
    screenBitmap_ = Bitmap();
  }
  sourceRect_ = QRect();
  displayRect_ = QRect();
  update();
}

// Painting -----------------------------------------------------------------------------------

void TCustomTransitionView::paintEvent(QPaintEvent* event) {
  if (painting_) return;
  painting_ = true;
  const struct Clear {
    bool& flag;
    ~Clear() { flag = false; }
  } clear{painting_};
  QPainter painter(this);
  // The common repaint during a transition: one copy of the screen buffer.
  if (!screenBitmap_.IsEmpty() && displayRect_.contains(event->rect())) {
    std::lock_guard lock(screenLock_);
    painter.drawImage(displayRect_, WrapBitmap(std::as_const(screenBitmap_)), sourceRect_);
    return;
  }
  painter.setClipRegion(event->region());
  DrawPictureAndFrame(painter);
}

void TCustomTransitionView::DrawPictureAndFrame(QPainter& canvas) {
  if (screenBitmap_.IsEmpty()) {
    DrawBackground(canvas, rect());
    return;
  }
  if (IsVisible(canvas, displayRect_)) {
    std::lock_guard lock(screenLock_);
    canvas.drawImage(displayRect_, WrapBitmap(std::as_const(screenBitmap_)), sourceRect_);
  }
  QRect outer = displayRect_;
  if (frameWidth_ != 0) {
    outer.adjust(-frameWidth_, -frameWidth_, frameWidth_, frameWidth_);
    if (IsVisible(canvas, outer)) {
      const QColor color = ToQColor(frameColor_);
      for (const QRect& band : QRegion(outer).subtracted(QRegion(displayRect_))) {
        canvas.fillRect(band, color);
      }
    }
  }
  canvas.save();
  ExcludeClipRect(canvas, outer);
  DrawBackground(canvas, rect());
  canvas.restore();
}

void TCustomTransitionView::DrawBackground(QPainter& canvas, const QRect& rect) {
  if (!IsVisible(canvas, rect)) return;
  const QImage& graphic = bgPicture_.Graphic();
  const TBackgroundMode mode = bgPicture_.HasGraphic() ? bgMode_ : bmNone;
  const QColor color = ToQColor(color_);
  switch (mode) {
    case bmNone:
      canvas.fillRect(rect, color);
      break;
    case bmTiled:
      TileGraphic(canvas, rect, graphic);
      break;
    case bmStretched:
      canvas.drawImage(rect, graphic);
      break;
    case bmCentered: {
      // Measured from the canvas origin: every caller passes the client rectangle.
      const QRect centred((rect.width() - graphic.width()) / 2,
                          (rect.height() - graphic.height()) / 2, graphic.width(),
                          graphic.height());
      canvas.drawImage(centred.topLeft(), graphic);
      canvas.save();
      ExcludeClipRect(canvas, centred);
      canvas.fillRect(rect, color);
      canvas.restore();
      break;
    }
  }
}

void TCustomTransitionView::RenderOldFromBackground() {
  DrawOldFromBackground();
  if (running_ && manual_ && !stopping_) RenderFrame();
}

void TCustomTransitionView::DrawOldFromBackground() {
  QImage behind(displayRect_.size(), QImage::Format_RGB32);
  if (!behind.isNull()) {
    QPainter painter(&behind);
    painter.translate(-displayRect_.topLeft());
    DrawBackground(painter, rect());
  }
  {
    std::lock_guard lock(oldLock_);
    QImage old = WrapBitmap(*oldBitmap_);
    QPainter painter(&old);
    if (behind.isNull()) {
      painter.fillRect(old.rect(), ToQColor(color_));
    } else {
      painter.drawImage(old.rect(), behind);
    }
  }
}

QImage TCustomTransitionView::ScreenImage() const {
  std::lock_guard lock(screenLock_);
  if (screenBitmap_.IsEmpty()) return QImage();
  return WrapBitmap(screenBitmap_).copy();
}

// Events -------------------------------------------------------------------------------------

bool TCustomTransitionView::event(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == kWorkerDoneEvent) {
    if (worker_) WorkerDone(true);
    return true;
  }
  if (type == RepaintRequestEvent::kType) {
    if (worker_) {
      repaint(displayRect_);
      worker_->Painted(static_cast<RepaintRequestEvent*>(event)->Ticket);
    }
    return true;
  }
  if (type == QEvent::ParentAboutToChange && parentWidget() != nullptr) {
    parentWidget()->removeEventFilter(this);
  } else if (type == QEvent::ParentChange && parentWidget() != nullptr) {
    parentWidget()->installEventFilter(this);
    ApplyAlign();
  }
  return QWidget::event(event);
}

bool TCustomTransitionView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) ApplyAlign();
  return QWidget::eventFilter(watched, event);
}

void TCustomTransitionView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  CalcPictureRect();
  if (!screenBitmap_.IsEmpty()) update();
}

void TCustomTransitionView::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TCustomTransitionView::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (OnMouseLeave) OnMouseLeave(this);
}

void TCustomTransitionView::PostToUiThread(std::function<void()> fn) {
  QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

// Notifications ------------------------------------------------------------------------------

void TCustomTransitionView::NotifyChange() {
  if (OnChange) OnChange(this);
}
void TCustomTransitionView::NotifyProgress() {
  if (OnProgress) OnProgress(this);
}
void TCustomTransitionView::NotifyCustomDraw(const Bitmap& picture, Bitmap& screen) {
  if (OnCustomDraw) OnCustomDraw(this, picture, screen);
}
void TCustomTransitionView::NotifyBeforeNewFrame(const Bitmap& picture, Bitmap& screen) {
  if (OnBeforeNewFrame) OnBeforeNewFrame(this, picture, screen);
}
void TCustomTransitionView::NotifyAfterNewFrame(const Bitmap& picture, Bitmap& screen) {
  if (OnAfterNewFrame) OnAfterNewFrame(this, picture, screen);
}
void TCustomTransitionView::NotifyComplete() {
  if (OnComplete) OnComplete(this);
}
void TCustomTransitionView::NotifyStart(const Bitmap& picture, Bitmap& screen) {
  if (OnStart) OnStart(this, picture, screen);
}
void TCustomTransitionView::NotifyStop() {
  if (OnStop) OnStop(this);
}
