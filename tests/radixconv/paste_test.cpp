// The typing filters of the decimal and binary fields, which a paste passes,
// and pastes far longer than anyone types.
#include <QLineEdit>
#include <QTest>

#include <ostream>

#include "converter_fixture.h"
#include "radixcore/convert_radix.h"

namespace radixconv {
namespace {

struct FilterCase {
  const char* name;
  Source source;
  QString character;
  bool typingAccepted;
  std::string before;      // the layout text of the field
  std::string otherField;  // what the pasted text makes of a field it feeds
  Source fedField;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const FilterCase& row, std::ostream* out) { *out << row.name; }

const FilterCase kFilterCases[] = {
    {"Decimal", Source::Decimal, "a", false, "10", "参数错误-10A不是一个有效的一十进制数！", Source::Hex},
    {"Binary", Source::Binary, "x", false, "10101010", "参数错误-10101010X不是一个有效的二进制数！", Source::Decimal},
    {"Hex", Source::Hex, "x", true, "16", "参数错误-16XX不是一个有效的一十六进制数！", Source::Decimal},
};

class Filter : public ConverterWindowTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(Filter, TypedCharacterFilteredPastedOneArrives) {
  const FilterCase& row = GetParam();
  Focus(row.source);
  ClickAtEnd(row.source);
  Type(row.source, row.character);
  const std::string typed = row.typingAccepted ? row.character.toStdString() : "";
  EXPECT_EQ(Text(row.source), row.before + typed);

  ClickAtEnd(row.source);  // a full binary field selects itself on the key release
  Paste(row.source, row.character);

  EXPECT_EQ(Text(row.source), row.before + typed + row.character.toStdString());
  EXPECT_EQ(Text(row.fedField), row.otherField);
}

INSTANTIATE_TEST_SUITE_P(RadixConverter, Filter, ::testing::ValuesIn(kFilterCases),
                         [](const ::testing::TestParamInfo<FilterCase>& info) { return info.param.name; });

// A pasted million digits convert exactly and leave the window usable.
TEST_F(ConverterWindowTest, MillionOnesPastedIntoBinary) {
  constexpr int kDigits = 1'000'000;
  Focus(Source::Binary);
  Paste(Source::Binary, QString(kDigits, QChar('1')));

  EXPECT_EQ(Text(Source::Binary).size(), std::size_t{kDigits});
  EXPECT_EQ(Text(Source::Hex), std::string(kDigits / 4, 'F'));
  ByteText decimal = Text(Source::Decimal);
  EXPECT_EQ(decimal.size(), 301030u);  // 2^1000000 - 1 has 301030 decimal digits
  EXPECT_EQ(ConvertRadix(decimal, 10, 16), Text(Source::Hex));
  EXPECT_EQ(LampPattern(), "BBBBBBBB");

  Focus(Source::Decimal);
  Type(Source::Decimal, "5");
  EXPECT_EQ(Text(Source::Hex), "5");
  EXPECT_EQ(Text(Source::Binary), "00000101");
}

TEST_F(ConverterWindowTest, MillionNinesPastedIntoDecimal) {
  constexpr int kDigits = 1'000'000;
  Paste(Source::Decimal, QString(kDigits, QChar('9')));  // "10" is selected from the start

  ByteText binary = Text(Source::Binary);
  EXPECT_EQ(binary.size(), 3321929u);  // 10^1000000 - 1 needs 3321929 bits
  EXPECT_EQ(ConvertRadix(binary, 2, 16), Text(Source::Hex));
  EXPECT_EQ(LampPattern(), "BBBBBBBB");  // ...999999 is odd and ends in binary ...111111

  Focus(Source::Hex);
  Type(Source::Hex, "1");
  EXPECT_EQ(Text(Source::Decimal), "1");
}

}  // namespace
}  // namespace radixconv
