#pragma once

#include <QEvent>

#include <memory>
#include <string>
#include <string_view>

class QObject;

// The process-wide media device that plays the background music. It takes the command strings
// of the media control interface ("open <file> alias mid", "play mid notify", "status mid mode",
// "stop mid", "close mid") and answers them with a reply text.

enum class MciError {
  None,
  UnrecognizedCommand,
  UnsupportedFunction,
  InvalidDeviceName,  // no open device has this alias
  DuplicateAlias,     // "open" with an alias that is already open
  MissingParameter,
  CannotLoadFile,
  DeviceNotReady,  // the media player could not be started
};

struct MciResult {
  MciError error = MciError::None;
  std::string reply;  // empty unless the command answers with text
};

// Posted to the object that sent a "notify" command when that command is over.
class MciNotifyEvent : public QEvent {
 public:
  enum Code { Successful = 1, Superseded = 2, Aborted = 4, Failure = 8 };

  explicit MciNotifyEvent(int code) : QEvent(EventType()), code_(code) {}
  static QEvent::Type EventType();
  int NotifyCode() const { return code_; }

 private:
  int code_;
};

class MciDevice {
 public:
  virtual ~MciDevice() = default;
  // callback receives the MciNotifyEvent of a command that carries "notify".
  virtual MciResult SendString(std::string_view command, QObject* callback) = 0;
  // What "status <alias> mode" would answer, found without sending a command.
  virtual std::string Mode(std::string_view alias) const = 0;
};

// Sends one command to the process-wide device, made on first use.
MciResult MciSendString(std::string_view command, QObject* callback);

// The mode of an alias of the process-wide device, for diagnostics: unlike a "status" command
// it leaves the stream of commands the device receives as the show sends it. Empty when no
// device was made yet.
std::string MciMode(std::string_view alias);

// Puts device in place of the process-wide one and returns the one it replaces (which may be
// empty when none was made yet).
std::unique_ptr<MciDevice> ReplaceMciDevice(std::unique_ptr<MciDevice> device);
