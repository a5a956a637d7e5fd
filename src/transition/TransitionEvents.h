#pragma once

#include <QEvent>
#include <cstdint>

// The events the worker posts to its view.

// The worker's body has ended (the view's "worker done" message, user message 1).
inline constexpr auto kWorkerDoneEvent = static_cast<QEvent::Type>(QEvent::User + 1);

// The worker has composed a frame and waits until the view has repainted it.
class RepaintRequestEvent : public QEvent {
 public:
  static constexpr auto kType = static_cast<QEvent::Type>(QEvent::User + 2);
  explicit RepaintRequestEvent(std::uint64_t ticket) : QEvent(kType), Ticket(ticket) {}
  const std::uint64_t Ticket;
};
