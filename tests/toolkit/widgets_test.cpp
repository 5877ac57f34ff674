// What the controls look like: lamps, pictures, fonts and colour schemes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QStyle>

#include "test_window.h"

namespace toolkit_test {
namespace {

using WidgetsTest = WindowTest;

QImage Grab(QWidget* widget) { return widget->grab().toImage(); }

TEST_F(WidgetsTest, LampsReadBackTheirFillAndPaintIt) {
  for (tk::Color fill : {tk::Color{255}, tk::kBlack, tk::Color{0x00123456}, tk::kDefaultColor}) {
    tk::SetFillColor(LampName(), fill);
    EXPECT_EQ(tk::GetFillColor(LampName()), fill);
  }
  QWidget* lamp = W(LampName());
  const QPoint centre(lamp->width() / 2, lamp->height() / 2);
  const QColor background = lamp->palette().color(QPalette::Window);
  EXPECT_EQ(Grab(lamp).pixelColor(centre), background);
  EXPECT_LT(qGray(Grab(lamp).pixel(0, centre.y())), 100);  // the outline closes the ends
  tk::SetFillColor(LampName(), 255);
  EXPECT_EQ(Grab(lamp).pixelColor(centre), QColor(255, 0, 0));
  tk::SetFillColor(LampName(), tk::Rgb(0, 0, 255));
  EXPECT_EQ(Grab(lamp).pixelColor(centre), QColor(0, 0, 255));
}

TEST(PictureBox, ShowsItsPictureAtItsOwnSizeCentredAndFlushTop) {
  auto picture = std::make_shared<tk::Picture>();
  picture->width = 20;
  picture->height = 10;
  picture->background = tk::Rgb(255, 252, 248);
  tk::DrawStep box;
  box.type = tk::DrawStep::Type::Rectangle;
  box.points = {{2, 2}, {6, 6}};
  box.pen = tk::Rgb(0, 0, 255);
  box.fill = tk::Rgb(255, 255, 128);
  picture->steps.push_back(box);

  tk::WindowLayout layout;
  layout.outerWidth = 100;
  layout.outerHeight = 100;
  tk::Control control;
  control.kind = tk::Kind::PictureBox;
  control.name = "图片框1"_gbk;
  control.width = 40;
  control.height = 30;
  control.picture = picture;
  layout.controls.push_back(control);
  tk::LoadWindow(layout, {});

  const QImage shown = Grab(W(control.name));
  const int left = 10;
  EXPECT_EQ(shown.pixelColor(left, 0), QColor(255, 252, 248));
  EXPECT_EQ(shown.pixelColor(left + 19, 9), QColor(255, 252, 248));
  EXPECT_NE(shown.pixelColor(left - 1, 0), QColor(255, 252, 248));
  EXPECT_NE(shown.pixelColor(left + 20, 0), QColor(255, 252, 248));
  EXPECT_NE(shown.pixelColor(left, 10), QColor(255, 252, 248));
  // The rectangle spans its corners: outline on both, fill inside.
  EXPECT_EQ(shown.pixelColor(left + 2, 2), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(left + 6, 6), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(left + 4, 4), QColor(255, 255, 128));
  EXPECT_EQ(shown.pixelColor(left + 7, 7), QColor(255, 252, 248));
  tk::testing::CloseWindow();
}

TEST_F(WidgetsTest, TheSongFaceHasAChineseStandIn) {
  const QFontInfo label(W(LabelName())->font());
  EXPECT_TRUE(label.family().contains(QStringLiteral("UMing"))) << label.family().toStdString();
  EXPECT_EQ(label.pixelSize(), 29);
  EXPECT_TRUE(label.bold());

  const QFontInfo button(W(ButtonName())->font());
  EXPECT_TRUE(button.family().contains(QStringLiteral("UMing"))) << button.family().toStdString();
  EXPECT_EQ(button.pixelSize(), 12);
  EXPECT_FALSE(button.bold());
}

TEST_F(WidgetsTest, VisualStylesChangeTheButtonFaceAndKeepLayoutColours) {
  QWidget* window = tk::testing::Window();
  const QColor standard = QApplication::style()->standardPalette().color(QPalette::Window);
  std::vector<QColor> faces;
  for (int style : {1, 2, 3}) {
    tk::SetVisualStyle(style);
    faces.push_back(QApplication::palette().color(QPalette::Window));
    EXPECT_NE(faces.back(), standard);
    // Widgets take the new palette once the events of the change are handled.
    EXPECT_TRUE(WaitFor([&] { return window->palette().color(QPalette::Window) == faces.back(); }));
    EXPECT_EQ(W(FieldName())->palette().color(QPalette::Base), QColor(Qt::white));
  }
  EXPECT_NE(faces[0], faces[1]);
  EXPECT_NE(faces[1], faces[2]);
  tk::SetVisualStyle(0);
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), standard);
}

}  // namespace
}  // namespace toolkit_test
