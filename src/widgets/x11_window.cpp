#include "widgets/x11_window.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace quorvane {

namespace {

xcb_connection_t* X11Connection() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_atom_t FrameExtentsAtom(xcb_connection_t* connection) {
  static const xcb_atom_t atom = Atom(connection, "_NET_FRAME_EXTENTS");
  return atom;
}

}  // namespace

std::optional<QMargins> ReportedFrameExtents(const QWindow& window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection || !window.handle()) return std::nullopt;
  const xcb_atom_t atom = FrameExtentsAtom(connection);
  if (atom == XCB_ATOM_NONE) return std::nullopt;
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()), atom, XCB_ATOM_CARDINAL, 0, 4);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 || reply->value_len != 4) return std::nullopt;
  // Left, right, top, bottom.
  const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

bool MoveX11Frame(const QWindow& window, QPoint framePosition) {
  xcb_connection_t* connection = X11Connection();
  const std::optional<QMargins> frame = ReportedFrameExtents(window);
  if (!connection || !frame) return false;
  const auto id = static_cast<xcb_window_t>(window.winId());
  // The window manager reads a window's position by the window's gravity
  // (ICCCM 4.1.2.3): the frame's corner for north-west, the default; the
  // window's own corner for static.
  constexpr uint32_t gravityGiven = 1u << 9;  // PWinGravity
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, 18);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  uint32_t gravity = XCB_GRAVITY_NORTH_WEST;
  if (reply && reply->format == 32 && reply->value_len == 18) {
    const auto* hints = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    if (hints[0] & gravityGiven) gravity = hints[17];
  }
  if (gravity != XCB_GRAVITY_NORTH_WEST && gravity != XCB_GRAVITY_STATIC) return false;
  QPoint position = framePosition;
  if (gravity == XCB_GRAVITY_STATIC) position += QPoint(frame->left(), frame->top());
  const uint32_t values[] = {uint32_t(position.x()), uint32_t(position.y())};
  xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
  xcb_flush(connection);
  return true;
}

bool IsFrameExtentsReport(const QWindow& window, const void* nativeEvent) {
  xcb_connection_t* connection = X11Connection();
  if (!connection || !nativeEvent || !window.handle()) return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(nativeEvent);
  if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
  const auto* change = static_cast<const xcb_property_notify_event_t*>(nativeEvent);
  return change->window == static_cast<xcb_window_t>(window.winId()) && change->atom == FrameExtentsAtom(connection);
}

}  // namespace quorvane
