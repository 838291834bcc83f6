#include "XPaintWatcher.h"

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <set>

struct XPaintWatcher::State {
  xcb_connection_t* conn = nullptr;
  xcb_window_t root = 0;
  std::uint8_t damageEvent = 0;
  std::set<xcb_window_t> watched;  // top-level windows created since Reset
  std::set<xcb_window_t> mapped;
  std::set<xcb_damage_damage_t> damages;

  // Handles one event; true when it was the first drawing into a mapped window.
  bool Handle(const xcb_generic_event_t* ev) {
    const std::uint8_t type = ev->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      const auto* e = reinterpret_cast<const xcb_create_notify_event_t*>(ev);
      if (e->parent != root) return false;
      // Damage is tracked from creation on, so no drawing can come before it.
      const xcb_damage_damage_t d = xcb_generate_id(conn);
      xcb_damage_create(conn, d, e->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
      xcb_flush(conn);
      watched.insert(e->window);
      damages.insert(d);
    } else if (type == XCB_MAP_NOTIFY) {
      const auto* e = reinterpret_cast<const xcb_map_notify_event_t*>(ev);
      if (watched.count(e->window) != 0) mapped.insert(e->window);
    } else if (type == damageEvent) {
      const auto* e = reinterpret_cast<const xcb_damage_notify_event_t*>(ev);
      return mapped.count(e->drawable) != 0 && e->area.width > 0 && e->area.height > 0;
    }
    return false;
  }
};

XPaintWatcher::XPaintWatcher() : state_(std::make_unique<State>()) {
  xcb_connection_t* conn = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(conn) != 0) {
    xcb_disconnect(conn);
    return;
  }
  const xcb_query_extension_reply_t* ext = xcb_get_extension_data(conn, &xcb_damage_id);
  xcb_damage_query_version_reply_t* version = ext != nullptr && ext->present != 0
      ? xcb_damage_query_version_reply(conn, xcb_damage_query_version(conn, 1, 1), nullptr)
      : nullptr;
  if (version == nullptr) {
    xcb_disconnect(conn);
    return;
  }
  std::free(version);
  state_->conn = conn;
  state_->damageEvent = ext->first_event + XCB_DAMAGE_NOTIFY;
  state_->root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(conn, state_->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(conn);
}

XPaintWatcher::~XPaintWatcher() {
  if (state_->conn != nullptr) xcb_disconnect(state_->conn);
}

bool XPaintWatcher::Ok() const { return state_->conn != nullptr; }

void XPaintWatcher::Reset() {
  for (const xcb_damage_damage_t d : state_->damages) xcb_damage_destroy(state_->conn, d);
  state_->damages.clear();
  state_->watched.clear();
  state_->mapped.clear();
  // A round trip, so events of earlier runs are in and can be thrown away.
  std::free(xcb_get_input_focus_reply(state_->conn, xcb_get_input_focus(state_->conn), nullptr));
  while (xcb_generic_event_t* ev = xcb_poll_for_event(state_->conn)) std::free(ev);
}

bool XPaintWatcher::WaitForFirstPaint(std::chrono::milliseconds timeout, std::chrono::steady_clock::time_point* seen) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  pollfd pfd{xcb_get_file_descriptor(state_->conn), POLLIN, 0};
  for (;;) {
    while (xcb_generic_event_t* ev = xcb_poll_for_event(state_->conn)) {
      const bool painted = state_->Handle(ev);
      std::free(ev);
      if (painted) {
        *seen = std::chrono::steady_clock::now();

        return true;
      }
    }
    if (xcb_connection_has_error(state_->conn) != 0) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    poll(&pfd, 1, static_cast<int>(left.count()));
  }
}
