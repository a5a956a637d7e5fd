#include "platform/ScreenSaveSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

#include "platform/Errors.h"

namespace {

int signalPipe[2] = {-1, -1};
constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

void OnSignal(int signalNumber) {
  const auto byte = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

TScreenSaveSignals::TScreenSaveSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
    throw EOSError("Cannot create the signal pipe");
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TScreenSaveSignals::ReadPipe);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) sigaction(number, &action, nullptr);
}

TScreenSaveSignals::~TScreenSaveSignals() {
  for (int number : kSignals) std::signal(number, SIG_DFL);
  delete notifier_;
  ::close(signalPipe[0]);
  ::close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

void TScreenSaveSignals::ReadPipe() {
  unsigned char byte = 0;
  while (::read(signalPipe[0], &byte, 1) == 1) emit ScreenSaveCommand(byte);
}
