#pragma once
// The window toolkit the programs are written against. A window is described
// as data (WindowLayout), built by LoadWindow, and its controls are reached
// by the names the layout gives them. Texts are GBK ByteText; colours are
// 0x00BBGGRR. Nothing of the underlying GUI library shows through here.
//
// Every program has one window at a time; the operations below act on the
// window LoadWindow built last. Naming a control the window does not have is
// a programming error and ends the program with a message.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "radixcore/bytetext.h"

namespace tk {

// 0x00BBGGRR. kDefaultColor is the button-face colour as a background and
// "no fill" as a shape box's fill.
using Color = std::uint32_t;
inline constexpr Color kDefaultColor = 0xFF000000u;
inline constexpr Color kBlack = 0x000000u;
inline constexpr Color kWhite = 0xFFFFFFu;

// Builds a 0x00BBGGRR colour from its red, green and blue parts.
constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

// The name that stands for the window itself in bindings and in
// GetText/SetText (the caption).
inline const ByteText kWindow;

enum class Kind { Label, EditBox, Button, CheckBox, Slider, PictureBox, ShapeBox, Timer };
enum class ShapeKind { Rectangle, Ellipse, Circle };
enum class Alignment { Left, Centre };

// Edit box input modes. Integer and IntegerText drop every typed character
// of code 32 or more other than "-" and "0"-"9" (pasted text passes);
// Integer also rewrites its text on focus loss with NormaliseIntegerText.
enum class InputMode { Normal, Integer, IntegerText };

struct Font {
  ByteText face;        // "" is the default GUI font; "宋体" is the Song face
  int height = 0;       // character height in pixels; 0 for the default size
  bool bold = false;
};

// A picture the program draws for a picture box, as a list of drawing steps
// in the picture's own pixel coordinates.
struct Point {
  int x = 0;
  int y = 0;
};

struct DrawStep {
  enum class Type { Line, Polyline, Rectangle, Ellipse, Polygon, Text };
  Type type = Type::Line;
  // Line: two points. Polyline and Polygon: the corners in order.
  // Rectangle and Ellipse: the top-left and bottom-right corners.
  // Text: the top-left corner of the text (for upward text, the bottom-left).
  std::vector<Point> points;
  Color pen = kBlack;            // outline or text colour
  int penWidth = 1;
  Color fill = kDefaultColor;    // kDefaultColor: not filled
  ByteText text;                 // Text only
  int textHeight = 12;           // Text only, pixels
  bool bold = false;             // Text only
  bool upward = false;           // Text only: written bottom to top
};

struct Picture {
  int width = 0;
  int height = 0;
  Color background = kWhite;
  std::vector<DrawStep> steps;
};

struct Control {
  Kind kind = Kind::Label;
  ByteText name;
  int x = 0, y = 0, width = 0, height = 0;  // in the window's client area
  ByteText text;                            // caption or initial text
  Font font;
  Color textColor = kBlack;
  Color backColor = kDefaultColor;

  // Edit boxes
  bool multiLine = false;      // wraps at the box width, vertical scroll bar, Enter starts a line
  Alignment alignment = Alignment::Left;
  InputMode inputMode = InputMode::Normal;

  // Sliders (horizontal)
  int minimum = 0, maximum = 100, position = 0;
  int tickInterval = 0;        // 0: no tick marks; otherwise marks below the channel
  int pageStep = 1, lineStep = 1;

  // Shape boxes: drawn with a 1 px solid black outline and `fill`.
  ShapeKind shape = ShapeKind::Rectangle;
  Color fill = kDefaultColor;

  // Picture boxes: shown at its own size, centred horizontally, flush top.
  std::shared_ptr<const Picture> picture;

  // Timers: the period in milliseconds, 0 stopped. Timers are not visible.
  int period = 0;
};

// A control of the given kind, name and place with every other setting at
// its default, for a layout table to adjust.
inline Control Placed(Kind kind, const ByteText& name, int x, int y, int width, int height,
                      const ByteText& text = {}) {
  Control control;
  control.kind = kind;
  control.name = name;
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
  control.text = text;
  return control;
}

struct WindowLayout {
  ByteText caption;
  int outerWidth = 0;   // including the frame, as the layouts give sizes
  int outerHeight = 0;
  std::vector<Control> controls;  // the first one gets the focus
};

enum class EventKind {
  Created,             // the window: all controls exist, the window is still hidden
  Clicked,             // buttons
  Tick,                // timers
  GotFocus,
  LeftButtonReleased,  // x, y, modifiers
  DoubleClick,         // x, y, modifiers; a double click also brings two releases
  KeyPressed,          // before the control sees the key; returning false cancels it
  KeyReleased,         // after the key took effect; once per physical release
};

// Key codes are platform-neutral: Enter 13, Esc 27, Backspace 8, Tab 9,
// Shift 16, Ctrl 17, Alt 18, Space 32, arrows 37-40, Delete 46, digits 48-57
// (also from the keypad), letters 65-90. Modifiers: 1 Ctrl, 2 Shift, 4 Alt.
struct EventArgs {
  int x = 0;
  int y = 0;
  int keyCode = 0;
  int modifiers = 0;
};

// A handler bound to one control (or kWindow) and one event kind. Only the
// result of a KeyPressed handler counts: false cancels the key.
struct Binding {
  ByteText control;
  EventKind kind;
  std::function<bool(const EventArgs&)> handler;
};

Binding On(const ByteText& control, EventKind kind, std::function<void()> action);
Binding On(const ByteText& control, EventKind kind, std::function<void(const EventArgs&)> action);
Binding OnKeyPressed(const ByteText& control, std::function<bool(const EventArgs&)> filter);

// Lifecycle
void Initialise(int& argc, char** argv);
void RegisterExitRoutine(std::function<void()> routine);
// Builds the window and its controls, raises Created while it is hidden,
// shows it centred on the screen and gives the focus to the first control,
// whose GotFocus handler runs then and once more after the window is shown.
void LoadWindow(const WindowLayout& layout, std::vector<Binding> bindings);
// Runs until the window is closed (close box, system menu or Esc), then runs
// the exit routines once. Returns the program's exit status.
int RunEventLoop();

// Edit boxes, and the window caption through kWindow. Writing raises no key
// event. GBK cannot hold every character the user may type or paste: those
// read back as "?".
ByteText GetText(const ByteText& control);
void SetText(const ByteText& control, const ByteText& text);
// Caret to the end (selection dropped), text inserted there, scrolled into view.
void AppendText(const ByteText& control, const ByteText& text);
// Selections count GBK bytes. Start -1 puts the caret at the end with length
// 0; other negatives count as 0. Length -1 selects the whole text.
void SetSelectionStart(const ByteText& control, int start);
void SetSelectionLength(const ByteText& control, int length);

Color GetFillColor(const ByteText& shapeBox);
void SetFillColor(const ByteText& shapeBox, Color color);

bool GetChecked(const ByteText& checkBox);
int GetSliderPosition(const ByteText& slider);

// 0 stops and negatives count as 0; writing the current period changes
// nothing; another period restarts the count, first tick one period later.
int GetTimerPeriod(const ByteText& timer);
void SetTimerPeriod(const ByteText& timer, int milliseconds);

// Outer height in the layout's pixels, frame included; position and width kept.
int GetWindowHeight();
void SetWindowHeight(int height);

// 1 to 3 switch on one of three colour schemes; other values switch it off.
void SetVisualStyle(int style);

}  // namespace tk
