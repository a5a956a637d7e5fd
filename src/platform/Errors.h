#pragma once

#include <exception>
#include <string>

// The player's errors. Each carries a message and a help-context number, and names its own
// class: the error report prints that name, so the names are part of what users see.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message, int helpContext = 0)
      : message_(std::move(message)), helpContext_(helpContext) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }
  int HelpContext() const { return helpContext_; }
  virtual const char* ClassName() const { return "Exception"; }

 private:
  std::string message_;
  int helpContext_;
};

#define SHOWSAVER_ERROR_CLASS(Name, Base)                               \
  class Name : public Base {                                            \
   public:                                                              \
    using Base::Base;                                                   \
    const char* ClassName() const override { return #Name; }            \
  }

// Streams and files: a short read is "Stream read error".
SHOWSAVER_ERROR_CLASS(EStreamError, Exception);
SHOWSAVER_ERROR_CLASS(EReadError, EStreamError);
SHOWSAVER_ERROR_CLASS(EWriteError, EStreamError);
SHOWSAVER_ERROR_CLASS(EFOpenError, EStreamError);
SHOWSAVER_ERROR_CLASS(EFCreateError, EStreamError);
// Text that is not the number it should be.
SHOWSAVER_ERROR_CLASS(EConvertError, Exception);
// A failed operating-system call.
SHOWSAVER_ERROR_CLASS(EOSError, Exception);
SHOWSAVER_ERROR_CLASS(EOutOfMemory, Exception);
SHOWSAVER_ERROR_CLASS(EInvalidOperation, Exception);
// A value outside what its field or parameter can hold.
SHOWSAVER_ERROR_CLASS(ERangeError, Exception);
// Pictures: an unknown or damaged file, and JPEG decoding in particular.
SHOWSAVER_ERROR_CLASS(EInvalidGraphic, Exception);
SHOWSAVER_ERROR_CLASS(EJPEG, EInvalidGraphic);
// Inflating a compressed movie.
SHOWSAVER_ERROR_CLASS(EZDecompressionError, Exception);
// A media file that the media device cannot open or play.
SHOWSAVER_ERROR_CLASS(EMCIDeviceError, Exception);
// An embedded control (the Flash player, the web view) that cannot do what it was asked.
SHOWSAVER_ERROR_CLASS(EControlError, Exception);

#undef SHOWSAVER_ERROR_CLASS

inline constexpr const char* kStreamReadError = "Stream read error";
