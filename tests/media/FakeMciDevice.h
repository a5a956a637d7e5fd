#pragma once

#include <QObject>

#include <deque>
#include <string>
#include <vector>

#include "platform/Mci.h"

// Stands in for the media device: records every command and who sent it, and answers
// "Status mid mode" from a queue of replies ("stopped" once the queue is empty).
class FakeMciDevice : public MciDevice {
 public:
  struct Sent {
    std::string command;
    QObject* callback;
  };

  MciResult SendString(std::string_view command, QObject* callback) override {
    sent_->push_back({std::string(command), callback});
    if (command != "Status mid mode") return {};
    if (modes_->empty()) return {MciError::None, "stopped"};
    std::string mode = modes_->front();
    modes_->pop_front();
    return {MciError::None, mode};
  }

  // Diagnostics see a device that plays nothing.
  std::string Mode(std::string_view) const override { return {}; }

  // The device lives in the process-wide slot; the test keeps these views of it.
  std::vector<Sent>* sent_;
  std::deque<std::string>* modes_;
};
