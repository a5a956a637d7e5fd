#include "platform/TopLevelWindow.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// One connection to the display, closed when it goes out of scope.
class XConnection {
 public:
  XConnection() : connection_(xcb_connect(nullptr, &screenNumber_)) {}
  ~XConnection() { xcb_disconnect(connection_); }
  XConnection(const XConnection&) = delete;
  XConnection& operator=(const XConnection&) = delete;

  bool Ok() const { return xcb_connection_has_error(connection_) == 0; }
  xcb_connection_t* Get() const { return connection_; }
  xcb_window_t Root() const {
    auto it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber_ && it.rem > 0; ++i) xcb_screen_next(&it);
    return it.data->root;
  }
  xcb_atom_t Atom(const char* name) const {
    auto cookie =
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection_, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  }

 private:
  int screenNumber_ = 0;
  xcb_connection_t* connection_;
};

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

std::string TextProperty(const XConnection& x, xcb_window_t window, xcb_atom_t property) {
  auto cookie = xcb_get_property(x.Get(), 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(x.Get(), cookie, nullptr),
                                        &std::free);
  if (!reply || reply->format != 8) return {};
  const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return std::string(bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

std::vector<xcb_window_t> Children(const XConnection& x, xcb_window_t window) {
  Reply<xcb_query_tree_reply_t> reply(
      xcb_query_tree_reply(x.Get(), xcb_query_tree(x.Get(), window), nullptr), &std::free);
  if (!reply) return {};
  const xcb_window_t* first = xcb_query_tree_children(reply.get());
  return {first, first + xcb_query_tree_children_length(reply.get())};
}

bool WindowManagerRuns(const XConnection& x) {
  auto cookie = xcb_get_property(x.Get(), 0, x.Root(), x.Atom("_NET_SUPPORTING_WM_CHECK"),
                                 XCB_ATOM_WINDOW, 0, 1);
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(x.Get(), cookie, nullptr),
                                        &std::free);
  return reply && xcb_get_property_value_length(reply.get()) > 0;
}

bool HasTitle(const XConnection& x, xcb_window_t window, xcb_atom_t netWmName,
              const std::string& title) {
  return TextProperty(x, window, netWmName) == title ||
         TextProperty(x, window, XCB_ATOM_WM_NAME) == title;
}

}  // namespace

std::optional<ForeignWindowId> FindTopLevelWindow(const std::string& title) {
  XConnection x;
  if (!x.Ok()) return std::nullopt;
  const xcb_atom_t netWmName = x.Atom("_NET_WM_NAME");
  for (xcb_window_t top : Children(x, x.Root())) {
    if (HasTitle(x, top, netWmName, title)) return top;
    for (xcb_window_t inner : Children(x, top))
      if (HasTitle(x, inner, netWmName, title)) return inner;
  }
  return std::nullopt;
}

void SetForegroundWindow(ForeignWindowId window) {
  XConnection x;
  if (!x.Ok()) return;
  if (!WindowManagerRuns(x)) {
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(x.Get(), window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_set_input_focus(x.Get(), XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_flush(x.Get());
    return;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = x.Atom("_NET_ACTIVE_WINDOW");
  message.data.data32[0] = 2;  // the request comes from a pager-like tool, not the application
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(x.Get(), 0, x.Root(),
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(x.Get());
}

std::optional<ForeignSize> ForeignClientSize(ForeignWindowId window) {
  XConnection x;
  if (!x.Ok()) return std::nullopt;
  Reply<xcb_get_geometry_reply_t> reply(
      xcb_get_geometry_reply(x.Get(), xcb_get_geometry(x.Get(), window), nullptr), &std::free);
  if (!reply) return std::nullopt;
  return ForeignSize{reply->width, reply->height};
}
