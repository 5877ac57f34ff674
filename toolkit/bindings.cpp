#include "toolkit/toolkit.h"

namespace tk {

Binding On(const ByteText& control, EventKind kind, std::function<void()> action) {
  return {control, kind, [action = std::move(action)](const EventArgs&) {
            action();
            return true;
          }};
}

Binding On(const ByteText& control, EventKind kind, std::function<void(const EventArgs&)> action) {
  return {control, kind, [action = std::move(action)](const EventArgs& args) {
            action(args);
            return true;
          }};
}

Binding OnKeyPressed(const ByteText& control, std::function<bool(const EventArgs&)> filter) {
  return {control, EventKind::KeyPressed, std::move(filter)};
}

}  // namespace tk
