// The real window, driven through its widgets on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "baudfind/baud_window.h"
#include "baudfind/layout.h"
#include "radixcore/bytetext.h"
#include "radixcore/text.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace {

// Splits a listing into its lines, each without its CR LF; a line that does
// not end in CR LF is kept whole so the comparison shows it.
std::vector<ByteText> LinesOf(const ByteText& text) {
  std::vector<ByteText> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == ByteText::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class BaudWindow : public testing::Test {
 protected:
  void SetUp() override {
    OpenBaudFindWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tk::testing::Window()));
  }
  void TearDown() override { tk::testing::CloseWindow(); }

  static void Click(const ByteText& control) {
    QWidget* widget = tk::testing::Widget(control);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
  }

  // The listing as the program reads it back, split into lines.
  static std::vector<ByteText> ListedLines() {
    const ByteText text = tk::GetText(OutputBoxName());
    EXPECT_TRUE(text.ends_with("\r\n"));
    for (std::size_t at = text.find('\n'); at != ByteText::npos; at = text.find('\n', at + 1)) {
      EXPECT_TRUE(at > 0 && text[at - 1] == '\r') << "a line ends without CR at byte " << at;
    }
    return LinesOf(text);
  }

  // Every reload value from 255 down to 0 has its line, in that order.
  static void ExpectEveryReloadInOrder(const std::vector<ByteText>& lines) {
    ASSERT_EQ(lines.size(), 256u);
    for (int index = 0; index < 256; ++index) {
      const ByteText reloadPiece = "定时器值:"_gbk + IntToText(255 - index) + "[";
      EXPECT_NE(lines[index].find(reloadPiece), ByteText::npos) << "line " << index;
    }
  }
};

TEST_F(BaudWindow, OpensReadyForTheCrystal) {
  EXPECT_EQ(tk::GetText(tk::kWindow), "寻找波特率"_gbk);
  EXPECT_EQ(tk::GetText(CrystalBoxName()), "12000000");
  EXPECT_EQ(tk::GetText(OutputBoxName()), "");
  EXPECT_FALSE(tk::GetChecked(DoublingBoxName()));
  EXPECT_EQ(QApplication::focusWidget(), tk::testing::Widget(CrystalBoxName()));
}

TEST_F(BaudWindow, ClickListsEveryReloadAndReportsProgress) {
  Click(ListButtonName());

  const std::vector<ByteText> lines = ListedLines();
  ExpectEveryReloadInOrder(lines);
  EXPECT_EQ(lines.front(), "晶振频率:12000000Hz\t定时器值:255[FF]\t波特率=31250bps."_gbk);
  EXPECT_EQ(lines.back(), "晶振频率:12000000Hz\t定时器值:0[0]\t波特率=122.07bps."_gbk);

  const ByteText finalCaption = "正在定时器值为0上查找，已完成任务的100%。"_gbk;
  EXPECT_EQ(tk::GetText(tk::kWindow), finalCaption);
  EXPECT_EQ(tk::testing::Window()->windowTitle(), tk::testing::ToQString(finalCaption));
}

TEST_F(BaudWindow, SecondClickStartsAfreshWithTheNewCrystal) {
  Click(ListButtonName());
  tk::SetText(CrystalBoxName(), "11059200");
  Click(ListButtonName());

  const std::vector<ByteText> lines = ListedLines();
  ExpectEveryReloadInOrder(lines);
  EXPECT_EQ(lines.front(), "晶振频率:11059200Hz\t定时器值:255[FF]\t波特率=28800bps."_gbk);
  EXPECT_EQ(lines.back(), "晶振频率:11059200Hz\t定时器值:0[0]\t波特率=112.5bps."_gbk);
}

TEST_F(BaudWindow, TickedDoublingHalvesTheDivisor) {
  Click(DoublingBoxName());
  ASSERT_TRUE(tk::GetChecked(DoublingBoxName()));
  Click(ListButtonName());

  const std::vector<ByteText> lines = ListedLines();
  ExpectEveryReloadInOrder(lines);
  EXPECT_EQ(lines.front(), "晶振频率:12000000Hz\t定时器值:255[FF]\t波特率=62500bps."_gbk);
  EXPECT_EQ(lines.back(), "晶振频率:12000000Hz\t定时器值:0[0]\t波特率=244.141bps."_gbk);
}

}  // namespace

int main(int argc, char** argv) {
  // Run headless even when ctest is started without the test script.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  tk::Initialise(argc, argv);
  return RUN_ALL_TESTS();
}
