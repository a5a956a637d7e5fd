#include "platform/Mci.h"

#include "platform/Errors.h"
#include "platform/MciMpvDevice.h"

namespace {

std::unique_ptr<MciDevice>& Device() {
  static std::unique_ptr<MciDevice> device;
  return device;
}

}  // namespace

QEvent::Type MciNotifyEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

MciResult MciSendString(std::string_view command, QObject* callback) {
  auto& device = Device();
  try {
    if (!device) device = std::make_unique<MciMpvDevice>();
  } catch (const EMCIDeviceError&) {
    return {MciError::DeviceNotReady, {}};
  }
  return device->SendString(command, callback);
}

std::string MciMode(std::string_view alias) {
  const auto& device = Device();
  return device ? device->Mode(alias) : std::string();
}

std::unique_ptr<MciDevice> ReplaceMciDevice(std::unique_ptr<MciDevice> device) {
  std::swap(Device(), device);
  return device;
}
