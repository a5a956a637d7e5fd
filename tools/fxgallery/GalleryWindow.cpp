#include "tools/fxgallery/GalleryWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "effects/EffectTable.h"

namespace {

int Wrap(int style) {
  return (style + kLastStyle - 1) % kLastStyle + 1;
}

}  // namespace

GalleryWindow::GalleryWindow(const QImage& first, const QImage& second,
                             const GalleryOptions& options)
    : view_(new TTransitionView(this)),
      caption_(new QLabel(this)),
      pictures_{first, second},
      style_(Wrap(options.firstStyle)),
      quitAfter_(options.quitAfter) {
  setWindowTitle("fxgallery");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  caption_->setMargin(6);
  layout->addWidget(caption_);
  layout->addWidget(view_, 1);
  view_->SetBgMode(bmNone);
  view_->SetColor(clBlack);
  view_->SetCenter(true);
  view_->SetStretch(true);
  view_->SetProportional(true);
  view_->SetStep(options.step);
  view_->SetDelay(static_cast<std::uint16_t>(std::clamp(options.delay, 0, 65535)));
  view_->SetReverse(options.reverse);
  // OnComplete runs on this thread, after the worker has ended.
  view_->OnComplete = [this](TCustomTransitionView*) { Completed(); };
  next_.setSingleShot(true);
  next_.setInterval(options.pauseMs);
  connect(&next_, &QTimer::timeout, this, [this] { Play(Wrap(style_ + 1)); });
  resize(first.width(), first.height() + caption_->sizeHint().height());
  QTimer::singleShot(0, this, [this] { Play(style_); });
}

void GalleryWindow::Play(int style) {
  next_.stop();
  view_->StopTransition();
  style_ = style;
  view_->SetStyle(style);
  view_->Picture().SetGraphic(pictures_[nextPicture_]);
  nextPicture_ ^= 1;
  view_->StartTransition();
  if (paused_) view_->SetProgress(frozenProgress_);
  UpdateCaption();
}

void GalleryWindow::Completed() {
  ++completed_;
  if (quitAfter_ > 0 && completed_ >= quitAfter_) {
    QApplication::quit();
    return;
  }
  if (!paused_) next_.start();
}

void GalleryWindow::TogglePause() {
  paused_ = !paused_;
  if (paused_) {
    next_.stop();
    view_->SetManual(true);  // holds a running transition at its progress
    if (view_->Running()) frozenProgress_ = view_->Progress();
  } else {
    view_->SetManual(false);  // carries it on to its end
    if (!view_->Running()) next_.start();
  }
  UpdateCaption();
}

void GalleryWindow::keyPressEvent(QKeyEvent* event) {
  const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  switch (event->key()) {
    case Qt::Key_Left:
      Play(Wrap(style_ - 1));
      break;
    case Qt::Key_Right:
      Play(Wrap(style_ + 1));
      break;
    case Qt::Key_Space:
      TogglePause();
      break;
    case Qt::Key_Up:
      view_->SetStep(view_->Step() + (shift ? 10 : 1));
      break;
    case Qt::Key_Down:
      view_->SetStep(view_->Step() - (shift ? 10 : 1));
      break;
    case Qt::Key_PageUp:
      view_->SetDelay(static_cast<std::uint16_t>(std::min(view_->Delay() + 10, 2000)));
      break;
    case Qt::Key_PageDown:
      view_->SetDelay(static_cast<std::uint16_t>(std::max(view_->Delay() - 10, 0)));
      break;
    case Qt::Key_R:
      view_->SetReverse(!view_->Reverse());
      break;
    case Qt::Key_Escape:
      close();
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  UpdateCaption();
}

void GalleryWindow::UpdateCaption() {
  caption_->setText(QString("Effect %1 of %2: %3    Step %4, Delay %5 ms, %6%7")
                        .arg(style_)
                        .arg(kLastStyle)
                        .arg(view_->StyleName())
                        .arg(view_->Step())
                        .arg(view_->Delay())
                        .arg(view_->Reverse() ? "reverse" : "forward")
                        .arg(paused_ ? ", paused" : ""));
}
