#include "seg7demo/schematic.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace seg7demo {

namespace {

using tk::DrawStep;
using tk::Point;
using Steps = std::vector<DrawStep>;

const tk::Color kPaper = tk::Rgb(0xFF, 0xFC, 0xF8);
const tk::Color kGrid = tk::Rgb(0xF0, 0xF0, 0xEB);
const tk::Color kFlagFill = tk::Rgb(0xFF, 0xFF, 0x80);
const tk::Color kDarkRed = tk::Rgb(0x80, 0x00, 0x00);
const tk::Color kBlue = tk::Rgb(0x00, 0x00, 0xFF);
const tk::Color kNavy = tk::Rgb(0x00, 0x00, 0x80);
const tk::Color kBodyFill = tk::Rgb(0xFF, 0xFF, 0xB0);
const tk::Color kSegmentFill = tk::Rgb(0xCA, 0xC6, 0xB0);
const tk::Color kSegmentOutline = tk::Rgb(0x00, 0x00, 0xB0);
const tk::Color kWire = tk::kBlack;

constexpr int kGridPitch = 18;

// The eight segment lines, top to bottom, and the display body they enter.
constexpr int kFirstRowY = 35;
constexpr int kRowPitch = 18;
constexpr int kRowCount = 8;
constexpr int kBodyLeft = 136, kBodyTop = 17, kBodyRight = 242, kBodyBottom = 177;

// The common-anode side: where the two anode pins join, the transistor, the
// supply, and the line of port symbols along the bottom edge.
constexpr int kAnodeJunctionX = 278;
constexpr int kBaseBarY = 52;
constexpr int kBaseBarLeft = 314, kBaseBarRight = 348;
constexpr int kBaseX = 331;
constexpr int kCollectorTopX = 310, kEmitterTopX = 352;
constexpr int kSupplyX = 402;
constexpr int kBottomFlagTop = 149, kBottomFlagBottom = 190, kBottomFlagHalfWidth = 9;

int RowY(int row) { return kFirstRowY + kRowPitch * row; }

DrawStep Shape(DrawStep::Type type, std::initializer_list<Point> points, tk::Color pen,
               tk::Color fill = tk::kDefaultColor, int penWidth = 1) {
  DrawStep step;
  step.type = type;
  step.points = points;
  step.pen = pen;
  step.fill = fill;
  step.penWidth = penWidth;
  return step;
}

void Line(Steps& steps, Point from, Point to, tk::Color pen = kWire, int penWidth = 1) {
  steps.push_back(Shape(DrawStep::Type::Line, {from, to}, pen, tk::kDefaultColor, penWidth));
}

void Rectangle(Steps& steps, Point topLeft, Point bottomRight, tk::Color pen, tk::Color fill = tk::kDefaultColor) {
  steps.push_back(Shape(DrawStep::Type::Rectangle, {topLeft, bottomRight}, pen, fill));
}

void Text(Steps& steps, Point corner, const ByteText& text, tk::Color colour, int height, bool upward = false) {
  DrawStep step;
  step.type = DrawStep::Type::Text;
  step.points = {corner};
  step.pen = colour;
  step.text = text;
  step.textHeight = height;
  step.upward = upward;
  steps.push_back(step);
}

void Dot(Steps& steps, Point centre, tk::Color colour) {
  steps.push_back(Shape(DrawStep::Type::Ellipse, {{centre.x - 3, centre.y - 3}, {centre.x + 3, centre.y + 3}},
                        colour, colour));
}

void Grid(Steps& steps) {
  for (int x = 0; x < kSchematicWidth; x += kGridPitch) Line(steps, {x, 0}, {x, kSchematicHeight - 1}, kGrid);
  for (int y = 0; y < kSchematicHeight; y += kGridPitch) Line(steps, {0, y}, {kSchematicWidth - 1, y}, kGrid);
}

// A port symbol pointing right, its wire leaving the point at (46, y).
void PortFlagRight(Steps& steps, int y, const ByteText& label) {
  steps.push_back(Shape(DrawStep::Type::Polygon, {{4, y - 8}, {38, y - 8}, {46, y}, {38, y + 8}, {4, y + 8}},
                        kDarkRed, kFlagFill));
  Text(steps, {8, y - 7}, label, kDarkRed, 12);
}

// A port symbol at the bottom edge pointing up, its wire leaving the point.
void PortFlagUp(Steps& steps, int centreX, const ByteText& label) {
  const int left = centreX - kBottomFlagHalfWidth, right = centreX + kBottomFlagHalfWidth;
  steps.push_back(Shape(DrawStep::Type::Polygon,
                        {{left, kBottomFlagBottom},
                         {left, kBottomFlagTop + 8},
                         {centreX, kBottomFlagTop},
                         {right, kBottomFlagTop + 8},
                         {right, kBottomFlagBottom}},
                        kDarkRed, kFlagFill));
  Text(steps, {centreX - 6, kBottomFlagBottom - 3}, label, kDarkRed, 11, true);
}

// One segment line: port symbol, wire, series resistor, wire into the body,
// with the display's pin number above the wire and its pin name inside.
void SegmentLine(Steps& steps, int row, const ByteText& port, const ByteText& pin, const ByteText& pinName) {
  const int y = RowY(row);
  PortFlagRight(steps, y, port);
  Line(steps, {46, y}, {60, y});
  Rectangle(steps, {60, y - 5}, {85, y + 6}, kBlue);
  Line(steps, {85, y}, {kBodyLeft, y});
  // Right-aligned just short of the body, so one- and two-digit pins line up.
  Text(steps, {kBodyLeft - 3 - 6 * static_cast<int>(pin.size()), y - 12}, pin, tk::kBlack, 10);
  Text(steps, {kBodyLeft + 4, y - 6}, pinName, kDarkRed, 11);
}

// The outline digit 8 inside the body, leaning right like a real display.
Point Slanted(int x, int y) {
  constexpr int kMiddleY = 97;
  return {x + static_cast<int>(std::lround((kMiddleY - y) * 0.1)), y};
}

void HorizontalSegment(Steps& steps, int left, int right, int y) {
  steps.push_back(Shape(DrawStep::Type::Polygon,
                        {Slanted(left, y), Slanted(left + 3, y - 3), Slanted(right - 3, y - 3), Slanted(right, y),
                         Slanted(right - 3, y + 3), Slanted(left + 3, y + 3)},
                        kSegmentOutline, kSegmentFill));
}

void VerticalSegment(Steps& steps, int x, int top, int bottom) {
  steps.push_back(Shape(DrawStep::Type::Polygon,
                        {Slanted(x, top), Slanted(x + 3, top + 3), Slanted(x + 3, bottom - 3), Slanted(x, bottom),
                         Slanted(x - 3, bottom - 3), Slanted(x - 3, top + 3)},
                        kSegmentOutline, kSegmentFill));
}

void OutlineDigit(Steps& steps) {
  constexpr int left = 174, right = 204, top = 64, middle = 97, bottom = 130;
  HorizontalSegment(steps, left + 2, right - 2, top);     // a
  VerticalSegment(steps, right, top + 2, middle - 2);     // b
  VerticalSegment(steps, right, middle + 2, bottom - 2);  // c
  HorizontalSegment(steps, left + 2, right - 2, bottom);  // d
  VerticalSegment(steps, left, middle + 2, bottom - 2);   // e
  VerticalSegment(steps, left, top + 2, middle - 2);      // f
  HorizontalSegment(steps, left + 2, right - 2, middle);  // g
  const Point point = Slanted(211, bottom);
  steps.push_back(Shape(DrawStep::Type::Ellipse, {{point.x - 2, point.y - 2}, {point.x + 3, point.y + 3}},
                        kSegmentOutline, kSegmentFill));
}

void DisplayBody(Steps& steps) {
  static const std::array<ByteText, kRowCount> ports = {"P0.2", "P0.0", "P0.4", "P0.6",
                                                        "P0.7", "P0.1", "P0.3", "P0.5"};
  static const std::array<ByteText, kRowCount> pins = {"7", "6", "4", "2", "1", "9", "10", "5"};
  static const std::array<ByteText, kRowCount> pinNames = {"a", "b", "c", "d", "e", "f", "g", "DP"};
  Rectangle(steps, {kBodyLeft, kBodyTop}, {kBodyRight, kBodyBottom}, kDarkRed, kBodyFill);
  Text(steps, {kBodyLeft + 1, 3}, "LED1", kNavy, 12);
  for (int row = 0; row < kRowCount; ++row) {
    const auto index = static_cast<std::size_t>(row);
    SegmentLine(steps, row, ports[index], pins[index], pinNames[index]);
  }
  OutlineDigit(steps);
}

// Both anode pins leave the body at the two top rows and meet in a junction.
void CommonAnode(Steps& steps) {
  static const std::array<ByteText, 2> pins = {"3", "8"};
  for (int row = 0; row < 2; ++row) {
    const int y = RowY(row);
    Text(steps, {kBodyRight - 10, y - 6}, "A", kDarkRed, 11);
    Line(steps, {kBodyRight, y}, {kAnodeJunctionX, y});
    Text(steps, {kBodyRight + 6, y - 12}, pins[static_cast<std::size_t>(row)], tk::kBlack, 10);
  }
  Line(steps, {kAnodeJunctionX, RowY(0)}, {kAnodeJunctionX, RowY(1)}, kNavy);
  Dot(steps, {kAnodeJunctionX, RowY(0)}, kNavy);
  Line(steps, {kAnodeJunctionX, RowY(0)}, {kCollectorTopX, RowY(0)});
}

// The arrow of a PNP emitter points from the emitter lead into the base.
void EmitterArrow(Steps& steps, Point outer, Point base) {
  const double dx = base.x - outer.x, dy = base.y - outer.y;
  const double length = std::hypot(dx, dy);
  const double ux = dx / length, uy = dy / length;
  const double tipX = outer.x + dx * 0.8, tipY = outer.y + dy * 0.8;
  const double backX = tipX - 8 * ux, backY = tipY - 8 * uy;
  auto at = [](double x, double y) { return Point{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}; };
  steps.push_back(Shape(DrawStep::Type::Polygon,
                        {at(tipX, tipY), at(backX - 4 * uy, backY + 4 * ux), at(backX + 4 * uy, backY - 4 * ux)},
                        kBlue, kBlue));
}

void Transistor(Steps& steps) {
  const int wireY = RowY(0);
  const Point collectorFoot{kBaseBarLeft + 8, kBaseBarY};
  const Point emitterFoot{kBaseBarRight - 8, kBaseBarY};
  Line(steps, {kBaseBarLeft, kBaseBarY}, {kBaseBarRight, kBaseBarY}, kBlue, 3);
  Line(steps, collectorFoot, {kCollectorTopX, wireY}, kBlue);
  Line(steps, emitterFoot, {kEmitterTopX, wireY}, kBlue);
  EmitterArrow(steps, {kEmitterTopX, wireY}, emitterFoot);
  Text(steps, {kBaseBarLeft - 14, kBaseBarY - 12}, "Q", kNavy, 12);
  Text(steps, {kBaseBarLeft + 4, 19}, "9012", kNavy, 12);

  // Emitter to the supply.
  Line(steps, {kEmitterTopX, wireY}, {kSupplyX, wireY});
  Line(steps, {kSupplyX, wireY - 10}, {kSupplyX, wireY + 10}, kDarkRed, 3);
  Text(steps, {kSupplyX + 6, wireY - 6}, "5V", kDarkRed, 12);

  // Base through its resistor down to the P2.6 line.
  constexpr int resistorTop = 102, resistorBottom = 127;
  Line(steps, {kBaseX, kBaseBarY}, {kBaseX, resistorTop});
  Rectangle(steps, {kBaseX - 6, resistorTop}, {kBaseX + 6, resistorBottom}, kBlue);
  Text(steps, {kBaseX - 19, resistorTop + 6}, "R", kNavy, 12);
  Line(steps, {kBaseX, resistorBottom}, {kBaseX, kBottomFlagTop});
  PortFlagUp(steps, kBaseX, "P2.6");
}

// The other three digits' select lines, shown only by name.
void NetLabels(Steps& steps) {
  struct Net {
    int centreX;
    const char* port;
    const char* digit;
  };
  static const std::array<Net, 3> nets = {{{382, "P2.5", "LED2"}, {426, "P2.4", "LED3"}, {464, "P2.7", "LED4"}}};
  for (const Net& net : nets) {
    PortFlagUp(steps, net.centreX, net.port);
    Line(steps, {net.centreX, kBottomFlagTop}, {net.centreX, kBottomFlagTop - 10}, kNavy);
    Text(steps, {net.centreX - 6, kBottomFlagTop - 12}, net.digit, kNavy, 12, true);
  }
}

}  // namespace

tk::Picture Schematic() {
  tk::Picture picture;
  picture.width = kSchematicWidth;
  picture.height = kSchematicHeight;
  picture.background = kPaper;
  Grid(picture.steps);
  DisplayBody(picture.steps);
  CommonAnode(picture.steps);
  Transistor(picture.steps);
  NetLabels(picture.steps);
  return picture;
}

}  // namespace seg7demo
