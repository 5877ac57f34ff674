// Texts and selections of edit boxes, and the window caption.
#include <QWidget>
#include <algorithm>
#include <limits>

#include "toolkit/edit_box.h"
#include "toolkit/form_window.h"
#include "toolkit/text_boundary.h"
#include "toolkit/window_state.h"

namespace tk {
namespace {

using detail::EditBox;

EditBox& EditBoxNamed(const ByteText& control, const char* operation) {
  return *detail::Lookup(control, Kind::EditBox, operation).editBox;
}

detail::FormWindow& Window(const char* operation) {
  detail::WindowState* state = detail::CurrentWindow();
  if (!state || !state->window) detail::ProgrammingError(std::string(operation) + ": no window has been loaded");
  return *state->window;
}

// Selects the bytes start..start+length of the box as the program last wrote
// them; -1 as the start stands for the end, -1 as the length for the rest.
void ApplySelection(EditBox& box) {
  const QString text = box.widgetText();
  const detail::LineBreaks breaks = box.lineBreaks();
  const int length = static_cast<int>(text.size());
  if (box.selectionStart == -1) {
    box.select(length, length);
    return;
  }
  const int from = detail::CharPositionAtByte(text, box.selectionStart, breaks, detail::Rounding::Down);
  if (box.selectionLength == -1) {
    box.select(from, length);
    return;
  }
  const long long endByte = std::min<long long>(static_cast<long long>(box.selectionStart) + box.selectionLength,
                                                std::numeric_limits<int>::max());
  box.select(from, detail::CharPositionAtByte(text, static_cast<int>(endByte), breaks, detail::Rounding::Up));
}

}  // namespace

ByteText GetText(const ByteText& control) {
  if (control == kWindow) return Window("GetText").caption();
  EditBox& box = EditBoxNamed(control, "GetText");
  const QString text = box.widgetText();
  if (box.lineBreaks() == detail::LineBreaks::CrLf) return detail::ToProgramText(text, box.lineBreaks());
  // A handler may read the same field once for every line it writes; a
  // pasted million characters would be converted as often. A single-line
  // box's text is shared with the widget, so keeping it costs nothing.
  if (text != box.readFrom) {
    box.read = detail::ToProgramText(text, box.lineBreaks());
    box.readFrom = text;
  }
  return box.read;
}

void SetText(const ByteText& control, const ByteText& text) {
  if (control == kWindow) {
    Window("SetText").setCaption(text);
    return;
  }
  EditBox& box = EditBoxNamed(control, "SetText");
  box.replaceText(detail::ToWidgetText(text, box.lineBreaks()));
}

void AppendText(const ByteText& control, const ByteText& text) {
  EditBox& box = EditBoxNamed(control, "AppendText");
  box.append(detail::ToWidgetText(text, box.lineBreaks()));
}

void SetSelectionStart(const ByteText& control, int start) {
  EditBox& box = EditBoxNamed(control, "SetSelectionStart");
  box.selectionStart = start == -1 ? -1 : std::max(start, 0);
  ApplySelection(box);
}

void SetSelectionLength(const ByteText& control, int length) {
  EditBox& box = EditBoxNamed(control, "SetSelectionLength");
  if (length == -1) {
    // The whole text, whatever start was written before.
    box.selectionLength = -1;
    const int all = static_cast<int>(box.widgetText().size());
    box.select(0, all);
    return;
  }
  box.selectionLength = std::max(length, 0);
  ApplySelection(box);
}

}  // namespace tk
