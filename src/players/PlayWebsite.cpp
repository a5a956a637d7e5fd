// The website player of the show window: PlayWebsite and WebBrowser1DocumentComplete.
#include "host/ShowSaver.h"
#include "platform/Errors.h"
#include "players/WebBrowser.h"

void TfrmShowSaver::PlayWebsite() {
  TraceFunction = "PlayWebsite";
  try {
    // Only a show whose first item is a website has the control.
    if (!WebBrowser1) throw EControlError("This show has no web browser control");
    TraceLine = "1";
    WebBrowser1->move(0, WebBrowser1->y());
    TraceLine = "2";
    WebBrowser1->move(WebBrowser1->x(), 0);
    TraceLine = "3";
    WebBrowser1->resize(width(), WebBrowser1->height());
    TraceLine = "4";
    WebBrowser1->resize(WebBrowser1->width(), height());
    TraceLine = "5";
    WebBrowser1->setVisible(true);
    TraceLine = "6";
    WebBrowser1->update();
    TraceLine = "7";
    WebBrowser1->repaint();
    TraceLine = "8";
    const std::string address = Saver->ItemPath(CurrentItem);
    TraceLine = "9";
    WebBrowser1->Navigate(address);
    TraceLine = "10";
  } catch (const Exception& error) {
    ReportPlayerError(error);
  }
  TraceLine = "000";
  TraceFunction.clear();
}

void TfrmShowSaver::WebBrowser1DocumentComplete(QObject*, const QString&) {
  ItemDone();
}
