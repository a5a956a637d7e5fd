#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/CloseButtonPictures.h"
#include "ui/KRVButton.h"
#include "ui/ShutdownComputer.h"

using Kind = TKRVButton::TPictureKind;

class UiTest : public QObject {
  Q_OBJECT

 private:
  // A shown button with the close button's pictures, inside a parent of a known colour.
  struct Fixture {
    QWidget parent;
    TKRVButton* button;
    Fixture() : button(new TKRVButton(&parent)) {
      parent.resize(100, 100);
      parent.setAutoFillBackground(true);
      QPalette palette = parent.palette();
      palette.setColor(QPalette::Window, Qt::green);
      parent.setPalette(palette);
      button->setGeometry(10, 10, 40, 30);
      button->SetPicNormal(CloseButtonNormal());
      button->SetPicOnMouseIn(CloseButtonMouseIn());
      button->SetPicOnMouseDown(CloseButtonMouseDown());
      parent.show();
      QVERIFY(QTest::qWaitForWindowExposed(&parent));
    }
    void Send(QEvent::Type type) {
      QEvent event(type);
      QCoreApplication::sendEvent(button, &event);
    }
  };

 private slots:
  void picturesAreNineteenByEighteenWithTheirCrosses() {
    for (const QImage& picture :
         {CloseButtonNormal(), CloseButtonMouseIn(), CloseButtonMouseDown()}) {
      QCOMPARE(picture.size(), QSize(19, 18));
      QCOMPARE(picture.format(), QImage::Format_RGB888);
    }
    // The cross runs through the middle; the faces differ in colour.
    QCOMPARE(CloseButtonNormal().pixelColor(9, 8), QColor(121, 0, 0));
    QCOMPARE(CloseButtonMouseIn().pixelColor(9, 8), QColor(121, 0, 0));
    QCOMPARE(CloseButtonMouseDown().pixelColor(9, 8), QColor(80, 0, 0));
    QVERIFY(CloseButtonNormal().pixelColor(9, 2) != CloseButtonMouseIn().pixelColor(9, 2));
    QVERIFY(CloseButtonMouseIn().pixelColor(9, 2).blue() >
            CloseButtonMouseIn().pixelColor(9, 2).red());
    // The pressed cross is smaller: its end is one pixel further in.
    QCOMPARE(CloseButtonNormal().pixelColor(5, 5), QColor(121, 0, 0));
    QVERIFY(CloseButtonMouseDown().pixelColor(5, 5) != QColor(80, 0, 0));
  }

  void statesFollowTheMouseAndAClickIsRaised() {
    Fixture f;
    int clicks = 0;
    f.button->OnClick = [&](QObject* sender) {
      QCOMPARE(sender, static_cast<QObject*>(f.button));
      ++clicks;
    };
    QCOMPARE(f.button->CurrentPicture(), Kind::Normal);
    f.Send(QEvent::Enter);
    QCOMPARE(f.button->CurrentPicture(), Kind::MouseIn);
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.button->CurrentPicture(), Kind::MouseDown);
    QCOMPARE(clicks, 0);
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.button->CurrentPicture(), Kind::Normal);
    QCOMPARE(clicks, 1);
    // Released outside the button: no click.
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(80, 80));
    QCOMPARE(clicks, 1);
    f.Send(QEvent::Enter);
    f.Send(QEvent::Leave);
    QCOMPARE(f.button->CurrentPicture(), Kind::Normal);
  }

  void aStateWithoutItsPictureKeepsTheCurrentOne() {
    Fixture f;
    f.button->SetPicOnMouseIn(QImage());
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    f.Send(QEvent::Enter);
    QCOMPARE(f.button->CurrentPicture(), Kind::MouseDown);
  }

  void autoSizeTakesThePictureSizeAtTheNextDrawing() {
    Fixture f;
    QCOMPARE(f.button->size(), QSize(40, 30));
    f.button->SetAutoSize(true);
    QTRY_COMPARE(f.button->size(), QSize(19, 18));
    QImage shown = f.parent.grab().toImage();
    QCOMPARE(shown.pixelColor(10 + 9, 10 + 8), QColor(121, 0, 0));
  }

  void aDisabledButtonWithoutItsPictureDrawsNothing() {
    Fixture f;
    f.button->SetEnabled(false);
    QCOMPARE(f.button->CurrentPicture(), Kind::Disabled);
    f.Send(QEvent::Enter);
    QCOMPARE(f.button->CurrentPicture(), Kind::Disabled);
    const QImage shown = f.parent.grab().toImage();
    QCOMPARE(shown.pixelColor(10 + 9, 10 + 8), QColor(Qt::green));
    f.button->SetEnabled(true);
    QCOMPARE(f.button->CurrentPicture(), Kind::Normal);
  }

  void aDisabledPictureIsShownWhileDisabled() {
    Fixture f;
    QImage grey(19, 18, QImage::Format_RGB888);
    grey.fill(QColor(90, 90, 90));
    f.button->SetPicDisabled(grey);
    f.button->SetEnabled(false);
    QCOMPARE(f.button->CurrentPicture(), Kind::Disabled);
    QTRY_COMPARE(f.parent.grab().toImage().pixelColor(20, 20), QColor(90, 90, 90));
  }

  void captionIsCentredOverThePicture() {
    Fixture f;
    QImage white(40, 30, QImage::Format_RGB888);
    white.fill(Qt::white);
    f.button->SetPicNormal(white);
    QFont font = f.button->Font();
    font.setPixelSize(20);
    f.button->SetFont(font);
    f.button->SetCaptionW(QStringLiteral("\u25A0"));  // a filled square
    f.button->update();
    QTRY_VERIFY(f.parent.grab().toImage().pixelColor(10 + 20, 10 + 15) != QColor(Qt::white));
    QCOMPARE(f.parent.grab().toImage().pixelColor(10 + 1, 10 + 1), QColor(Qt::white));
  }

  void transparentDropsTheBottomLeftColour() {
    Fixture f;
    f.button->SetTransparent(true);
    // The close button's surround (its bottom-left pixel) lets the parent show through.
    QTRY_COMPARE(f.parent.grab().toImage().pixelColor(10, 10 + 29), QColor(Qt::green));
  }

  void countdownCountsFifteenSecondsThenEndsWithOK() {
    auto* countdown = new TfrmShutDown(nullptr);
    QPointer<TfrmShutDown> guard(countdown);
    QCOMPARE(countdown->size(), QSize(305, 128));
    QCOMPARE(countdown->windowTitle(), QString());
    QCOMPARE(countdown->Cancel->text(), QString("Cancel"));
    QVERIFY(countdown->Timer1->isActive());
    QCOMPARE(countdown->Timer1->interval(), 1000);
    QCOMPARE(countdown->Label1->text(), QString("The computer will shut down after 15  seconds"));
    countdown->show();
    QSignalSpy finished(countdown, &QDialog::finished);
    QStringList shown;
    for (int tick = 0; tick < 15 && finished.isEmpty(); ++tick) {
      countdown->Timer1Timer();
      shown << countdown->Label1->text().section(' ', 6, 6);
    }
    QCOMPARE(shown.first(), QString("15"));
    QCOMPARE(shown[1], QString("14"));
    QCOMPARE(shown.last(), QString("1"));
    QCOMPARE(shown.size(), 15);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toInt(), TfrmShutDown::mrOK);
    QTRY_VERIFY(guard.isNull());  // it frees itself on closing
  }

  void cancelAndTheCloseBoxEndWithCancel() {
    for (bool viaCloseBox : {false, true}) {
      auto* countdown = new TfrmShutDown(nullptr);
      countdown->show();
      QSignalSpy finished(countdown, &QDialog::finished);
      if (viaCloseBox)
        countdown->close();
      else
        countdown->Cancel->click();
      QCOMPARE(finished.size(), 1);
      QCOMPARE(finished.first().first().toInt(), TfrmShutDown::mrCancel);
    }
  }
};

QTEST_MAIN(UiTest)
#include "UiTest.moc"
