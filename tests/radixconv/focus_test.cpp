// The start state, the caption prompts that follow the focus, and what the
// decimal field does to its text when it loses the focus.
#include <QLineEdit>
#include <QTest>

#include "converter_fixture.h"

namespace radixconv {
namespace {

TEST_F(ConverterWindowTest, StartsUnconvertedWithTheDecimalPrompt) {
  EXPECT_EQ(Caption(), "请输入十进制数");
  EXPECT_TRUE(Field(Source::Decimal)->hasFocus());
  EXPECT_EQ(SelectedText(Source::Decimal), "10");
  EXPECT_EQ(Text(Source::Hex), "16");
  EXPECT_EQ(Text(Source::Binary), "10101010");
  EXPECT_EQ(LampPattern(), "--------");
}

TEST_F(ConverterWindowTest, CaptionAndSelectionFollowTheFocusedField) {
  struct Step {
    Source source;
    std::string caption, selected;
  };
  const Step steps[] = {
      {Source::Hex, "请输入十六进制数", "16"},
      {Source::Binary, "请输入二进制数", "10101010"},
      {Source::Decimal, "请输入十进制数", "10"},
      {Source::Binary, "请输入二进制数", "10101010"},
  };
  for (const Step& step : steps) {
    Focus(step.source);
    EXPECT_EQ(Caption(), step.caption);
    EXPECT_EQ(SelectedText(step.source), step.selected);
  }
}

TEST_F(ConverterWindowTest, LeavingTheDecimalFieldNormalisesOnlyItsOwnText) {
  const QString thirtyNines(30, QChar('9'));
  struct Row {
    QString held;
    std::string left;
  };
  const Row rows[] = {
      {"007", "7"},
      {"0", ""},
      {"-0", ""},
      {" 42x", "42"},
      {"99999999999", "2147483647"},
      // Long runs saturate instead of wrapping around.
      {thirtyNines, "2147483647"},
      {"-" + thirtyNines, "-2147483648"},
      {"18446744073709551617", "2147483647"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.held.toStdString());
    Focus(Source::Decimal);  // selects the whole text, so the paste replaces it
    Paste(Source::Decimal, row.held);
    ASSERT_EQ(Text(Source::Decimal), row.held.toStdString());
    const std::string hex = Text(Source::Hex), binary = Text(Source::Binary);

    Focus(Source::Hex);

    EXPECT_EQ(Text(Source::Decimal), row.left);
    EXPECT_EQ(Text(Source::Hex), hex);
    EXPECT_EQ(Text(Source::Binary), binary);
  }
}

TEST_F(ConverterWindowTest, LeavingTheOtherFieldsKeepsTheirText) {
  Focus(Source::Hex);
  Paste(Source::Hex, "007");
  Focus(Source::Binary);
  EXPECT_EQ(Text(Source::Hex), "007");
  Paste(Source::Binary, "0010");
  Focus(Source::Decimal);
  EXPECT_EQ(Text(Source::Binary), "0010");
}

}  // namespace
}  // namespace radixconv
