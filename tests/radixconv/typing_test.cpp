// Keys typed into one field recompute the other two, pad the binary field
// after decimal or hexadecimal input, and light the bit lamps.
#include <QLineEdit>
#include <QTest>

#include <ostream>

#include "converter_fixture.h"

namespace radixconv {
namespace {

struct TypingCase {
  const char* name;
  Source source;
  QString keys;
  std::string decimal, hex, binary;
  std::string lamps;  // 外形框8 (D7) first
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TypingCase& row, std::ostream* out) { *out << row.name; }

const TypingCase kTypingCases[] = {
    {"Decimal1", Source::Decimal, "1", "1", "1", "00000001", "RRRRRRRB"},
    {"Decimal255", Source::Decimal, "255", "255", "FF", "11111111", "BBBBBBBB"},
    // The third digit selects the field, so the next key starts a new number.
    {"Decimal255Then7", Source::Decimal, "2557", "7", "7", "00000111", "RRRRRBBB"},
    {"Decimal256NotPadded", Source::Decimal, "256", "256", "100", "100000000", "RRRRRRRR"},
    {"DecimalMinus1", Source::Decimal, "-1", "-1", "参数错误--1不是一个有效的一十进制数！",
     "参数错误--1不是一个有效的一十进制数！", "BBBBBBBB"},
    {"HexLowerCaseKept", Source::Hex, "a", "10", "a", "00001010", "RRRRBRBR"},
    {"HexFf", Source::Hex, "ff", "255", "ff", "11111111", "BBBBBBBB"},
    {"HexG", Source::Hex, "G", "参数错误-G不是一个有效的一十六进制数！", "G",
     "参数错误-G不是一个有效的一十六进制数！", "BBBBBBBB"},
    // The binary field is never padded while it is the source.
    {"Binary101", Source::Binary, "101", "5", "5", "101", "BRBBBBBB"},
    {"Binary0", Source::Binary, "0", "0", "0", "0", "RBBBBBBB"},
    {"Binary2", Source::Binary, "2", "参数错误-2不是一个有效的二进制数！", "参数错误-2不是一个有效的二进制数！", "2",
     "BBBBBBBB"},
    {"BinaryNinthDigitStartsAgain", Source::Binary, "101010101", "1", "1", "1", "BBBBBBBB"},
};

class Typing : public ConverterWindowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, OtherFieldsAndLampsFollow) {
  const TypingCase& row = GetParam();
  Focus(row.source);
  Type(row.source, row.keys);
  EXPECT_EQ(Text(Source::Decimal), row.decimal);
  EXPECT_EQ(Text(Source::Hex), row.hex);
  EXPECT_EQ(Text(Source::Binary), row.binary);
  EXPECT_EQ(LampPattern(), row.lamps);
}

INSTANTIATE_TEST_SUITE_P(RadixConverter, Typing, ::testing::ValuesIn(kTypingCases),
                         [](const ::testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

TEST_F(ConverterWindowTest, BackspaceToEmptyConvertsZero) {
  Press(Source::Decimal, Qt::Key_Backspace);  // "10" is selected from the start
  EXPECT_EQ(Text(Source::Decimal), "");
  EXPECT_EQ(Text(Source::Hex), "0");
  EXPECT_EQ(Text(Source::Binary), "00000000");
  EXPECT_EQ(LampPattern(), "RRRRRRRR");
}

TEST_F(ConverterWindowTest, ThirdHexDigitAfterClickingAwayTheSelection) {
  Focus(Source::Hex);
  Type(Source::Hex, "FF");
  EXPECT_EQ(SelectedText(Source::Hex), "FF");
  ClickAtEnd(Source::Hex);
  Type(Source::Hex, "F");
  EXPECT_EQ(Text(Source::Hex), "FFF");
  EXPECT_EQ(Text(Source::Binary), "111111111111");
  EXPECT_EQ(Text(Source::Decimal), "4095");
  EXPECT_EQ(LampPattern(), "BBBBBBBB");
}

struct EnterCase {
  const char* name;
  Source source;
  QString keys;  // short enough that no automatic selection follows
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const EnterCase& row, std::ostream* out) { *out << row.name; }

const EnterCase kEnterCases[] = {
    {"Decimal", Source::Decimal, "12"},
    {"Hex", Source::Hex, "c"},
    {"Binary", Source::Binary, "110"},
};

class Enter : public ConverterWindowTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(Enter, SelectsTheWholeTextAndChangesNothingElse) {
  const EnterCase& row = GetParam();
  Focus(row.source);
  Type(row.source, row.keys);
  ASSERT_EQ(SelectedText(row.source), "");
  const std::string decimal = Text(Source::Decimal), hex = Text(Source::Hex), binary = Text(Source::Binary);
  const std::string lamps = LampPattern();

  Press(row.source, Qt::Key_Return);

  EXPECT_EQ(SelectedText(row.source), row.keys.toStdString());
  EXPECT_EQ(Text(Source::Decimal), decimal);
  EXPECT_EQ(Text(Source::Hex), hex);
  EXPECT_EQ(Text(Source::Binary), binary);
  EXPECT_EQ(LampPattern(), lamps);
}

INSTANTIATE_TEST_SUITE_P(RadixConverter, Enter, ::testing::ValuesIn(kEnterCases),
                         [](const ::testing::TestParamInfo<EnterCase>& info) { return info.param.name; });

}  // namespace
}  // namespace radixconv
