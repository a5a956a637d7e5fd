#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

// A push button drawn entirely from pictures: one for the normal state, one while the mouse is
// over it, one while the left button is held on it and one while it is disabled, with an
// optional caption centred over the picture. A state whose picture is empty keeps showing the
// picture it had. Any repaint the window system asks for shows the normal picture again.
class TKRVButton : public QWidget {
  Q_OBJECT

 public:
  using TNotifyEvent = std::function<void(QObject* sender)>;
  using TMouseEvent = std::function<void(QObject* sender, Qt::MouseButton button,
                                         Qt::KeyboardModifiers shift, int x, int y)>;
  using TMouseMoveEvent =
      std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)>;
  enum class TPictureKind { Normal, MouseIn, MouseDown, Disabled };

  explicit TKRVButton(QWidget* owner);

  const QImage& PicOnMouseIn() const { return picOnMouseIn_; }
  const QImage& PicOnMouseDown() const { return picOnMouseDown_; }
  const QImage& PicDisabled() const { return picDisabled_; }
  const QImage& PicNormal() const { return picNormal_; }
  void SetPicOnMouseIn(const QImage& picture);
  void SetPicOnMouseDown(const QImage& picture);
  void SetPicDisabled(const QImage& picture);
  void SetPicNormal(const QImage& picture);

  const QFont& Font() const { return font_; }
  void SetFont(const QFont& font) { font_ = font; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  void SetEnabled(bool value);
  const QString& CaptionW() const { return captionW_; }
  void SetCaptionW(const QString& caption) { captionW_ = caption; }

  // Which picture is drawn.
  TPictureKind CurrentPicture() const { return current_; }

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const QImage& Picture(TPictureKind kind) const;
  // Makes kind the current picture when it holds a graphic, and draws.
  void ShowPicture(TPictureKind kind);
  void Draw();
  void SetPicture(QImage& target, const QImage& picture);

  QImage picOnMouseDown_;
  QImage picOnMouseIn_;
  QImage picDisabled_;
  QImage picNormal_;
  TPictureKind current_ = TPictureKind::Normal;
  bool autoSize_ = false;
  bool transparent_ = false;
  QFont font_;
  QString captionW_;
  bool drawRequested_ = false;
  bool leftPressed_ = false;
};
