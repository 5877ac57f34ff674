// Random users and hostile pastes against the converter window: after every
// key release in a field the other two fields hold its conversion and the
// lamps show the binary text's low byte; a lamp is only ever red or black,
// or without fill before the first conversion.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <string>

#include "hostile_input.h"
#include "radixconv/converter_window.h"
#include "radixconv/fields.h"
#include "radixconv/names.h"
#include "radixcore/convert_radix.h"
#include "radixcore/gbk.h"
#include "random_events.h"
#include "toolkit/testing.h"
#include "toolkit/toolkit.h"

namespace radixconv {
namespace {

struct Field {
  const ByteText& (*name)();
  int base;
  std::size_t selectAllLength;  // one byte's worth of digits
};

const Field kFields[] = {{DecimalField, 10, 3}, {HexField, 16, 2}, {BinaryField, 2, 8}};

const Field* FieldNamed(const ByteText& control) {
  for (const Field& field : kFields) {
    if (field.name() == control) return &field;
  }
  return nullptr;
}

// Long texts are cut so that a failure stays readable.
std::string Shown(const ByteText& text) {
  constexpr std::size_t kShownBytes = 80;
  if (text.size() <= kShownBytes) return Utf8FromGbk(text);
  return Utf8FromGbk(text.substr(0, kShownBytes)) + "… (" + std::to_string(text.size()) + " bytes)";
}

// The binary field after a decimal or hexadecimal source: short numbers are
// padded to a whole byte, anything else is left as it is.
ByteText Padded(const ByteText& binary) {
  if (binary.empty() || binary.size() >= 8) return binary;
  return std::string(8 - binary.size(), '0') + binary;
}

// The lamps from 外形框8 down to 外形框1: R red, B black, - no fill.
std::string ShownLamps() {
  std::string lamps;
  for (int lamp = 8; lamp >= 1; --lamp) {
    const tk::Color fill = tk::GetFillColor(BitLamp(lamp));
    lamps += fill == kZeroBitColor ? 'R' : fill == kOtherBitColor ? 'B' : fill == tk::kDefaultColor ? '-' : '?';
  }
  return lamps;
}

// The rightmost eight bytes of the binary text, left to right from 外形框8;
// a "0" is red, anything else or nothing black.
std::string LampsFor(const ByteText& binary) {
  const ByteText low = binary.size() > 8 ? binary.substr(binary.size() - 8) : binary;
  std::string lamps;
  for (std::size_t position = 0; position < 8; ++position) {
    lamps += position < low.size() && low[position] == '0' ? 'R' : 'B';
  }
  return lamps;
}

void ExpectFieldsFollow(const Field& source, const char* after) {
  const ByteText text = tk::GetText(source.name());
  for (const Field& target : kFields) {
    if (&target == &source) continue;
    ByteText scratch = text;
    ByteText expected = ConvertRadix(scratch, source.base, target.base);
    if (target.base == 2) expected = Padded(expected);
    const ByteText shown = tk::GetText(target.name());
    EXPECT_TRUE(shown == expected) << "after " << after << ", " << Utf8FromGbk(source.name()) << " holds \""
                                   << Shown(text) << "\" and " << Utf8FromGbk(target.name()) << " \"" << Shown(shown)
                                   << "\", not \"" << Shown(expected) << "\"";
  }
  EXPECT_EQ(ShownLamps(), LampsFor(tk::GetText(BinaryField()))) << "after " << after;
  if (text.size() == source.selectAllLength) {
    const auto* widget = qobject_cast<QLineEdit*>(tk::testing::Widget(source.name()));
    EXPECT_EQ(widget->selectedText(), widget->text()) << "a full byte's worth is not selected after " << after;
  }
}

class ConverterMonkey : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenConverterWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tk::testing::Window()));
  }
  void TearDown() override { tk::testing::CloseWindow(); }
};

class ConverterMonkeyRun : public ConverterMonkey, public ::testing::WithParamInterface<std::uint64_t> {};

TEST_P(ConverterMonkeyRun, FieldsAndLampsAgreeWhateverTheUserDoes) {
  bool converted = false;
  const auto check = [&converted](const monkey::Event& event, const monkey::Outcome& outcome) {
    const Field* source = FieldNamed(outcome.keyReleasedIn);
    converted = converted || source != nullptr;
    const std::string lamps = ShownLamps();
    if (converted) {
      EXPECT_EQ(lamps.find_first_not_of("RB"), std::string::npos) << "lamps " << lamps;
    } else {
      EXPECT_EQ(lamps, "--------") << "a lamp changed before any conversion";
    }
    if (source != nullptr) ExpectFieldsFollow(*source, event.Describe().c_str());
  };
  monkey::Run("radixconv", monkey::Targets{}, GetParam(), monkey::EventCount(1000), check);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ConverterMonkeyRun, ::testing::ValuesIn(monkey::Seeds()), monkey::SeedName);

// A million characters pasted into a field: the others follow and the
// window goes on answering.
struct HugePaste {
  const char* name;
  const Field& field;
  const QString& (*text)();
};

void PrintTo(const HugePaste& row, std::ostream* out) { *out << row.name; }

class ConverterHugePaste : public ConverterMonkey, public ::testing::WithParamInterface<HugePaste> {};

TEST_P(ConverterHugePaste, FieldsFollowAndTheWindowAnswers) {
  const HugePaste& row = GetParam();
  const double seconds = monkey::PasteOver(row.field.name(), row.text());
  std::printf("[ HOSTILE  ] radixconv %s: paste and conversions %.2f s\n", row.name, seconds);
  EXPECT_LT(seconds, monkey::kHangSeconds);
  EXPECT_GE(tk::GetText(row.field.name()).size(), std::size_t{monkey::kMillion});
  ExpectFieldsFollow(row.field, "the paste");

  // Back into the decimal field, which selects itself, and a new number.
  monkey::Focus(row.field.base == 10 ? HexField() : DecimalField());
  monkey::Focus(DecimalField());
  monkey::Type(Qt::Key_5, QStringLiteral("5"));
  ExpectFieldsFollow(kFields[0], "typing 5 after the paste");
  EXPECT_EQ(Shown(tk::GetText(BinaryField())), "00000101");
}

INSTANTIATE_TEST_SUITE_P(RadixConverter, ConverterHugePaste,
                         ::testing::Values(HugePaste{"DigitsInDecimal", kFields[0], monkey::MillionDigits},
                                           HugePaste{"ChineseInDecimal", kFields[0], monkey::MillionChinese},
                                           HugePaste{"DigitsInHex", kFields[1], monkey::MillionDigits},
                                           HugePaste{"ChineseInHex", kFields[1], monkey::MillionChinese},
                                           HugePaste{"DigitsInBinary", kFields[2], monkey::MillionDigits},
                                           HugePaste{"ChineseInBinary", kFields[2], monkey::MillionChinese},
                                           HugePaste{"OutsideGbkInHex", kFields[1], monkey::MillionOutsideGbk}),
                         [](const ::testing::TestParamInfo<HugePaste>& info) { return info.param.name; });

// Characters a field cannot keep as they came: what it reads back, and what
// the other fields then show.
struct OddInput {
  const char* name;
  const Field& field;
  enum { Typed, Pasted, Written } how;
  const char* input;        // UTF-8, or raw GBK bytes when written
  const char* readBack;     // UTF-8
  const char* otherField;   // UTF-8: the decimal field, or the hexadecimal one for a decimal source
};

void PrintTo(const OddInput& row, std::ostream* out) { *out << row.name; }

const OddInput kOddInputs[] = {
    {"EmojiTypedInHex", kFields[1], OddInput::Typed, "😀", "?", "参数错误-?不是一个有效的一十六进制数！"},
    {"KoreanTypedInHex", kFields[1], OddInput::Typed, "한", "?", "参数错误-?不是一个有效的一十六进制数！"},
    {"FullWidthTypedInHex", kFields[1], OddInput::Typed, "ｆ", "ｆ", "15"},
    {"ControlCharacterPastedInHex", kFields[1], OddInput::Pasted, "1\x01", "1\x01",
     "参数错误-1\x01不是一个有效的一十六进制数！"},
    {"TabPastedInBinary", kFields[2], OddInput::Pasted, "1\t0", "1\t0", "参数错误-1\t0不是一个有效的二进制数！"},
    {"EmojiPastedInDecimal", kFields[0], OddInput::Pasted, "1😀", "1?", "参数错误-1?不是一个有效的一十进制数！"},
    // A single-line field holds one line: a copied line's end is dropped.
    {"LineEndPastedInDecimal", kFields[0], OddInput::Pasted, "255\r\n", "255", "FF"},
    {"LineBreaksPastedInHex", kFields[1], OddInput::Pasted, "1\n0\r0", "100", "256"},
    // Bytes that are no GBK character read back as "?" in their place.
    {"LoneLeadByteInHex", kFields[1], OddInput::Written, "A\x81", "A?", "参数错误-A?不是一个有效的一十六进制数！"},
    {"LeadByteBeforeDigitInHex", kFields[1], OddInput::Written, "\x81" "1", "?1",
     "参数错误-?1不是一个有效的一十六进制数！"},
};

class ConverterOddInput : public ConverterMonkey, public ::testing::WithParamInterface<OddInput> {};

TEST_P(ConverterOddInput, ReadsBackAsSpecifiedAndConverts) {
  const OddInput& row = GetParam();
  const ByteText& field = row.field.name();
  monkey::Focus(field);  // selects the whole field
  switch (row.how) {
    case OddInput::Typed:
      monkey::Type(Qt::Key_unknown, QString::fromUtf8(row.input));
      break;
    case OddInput::Pasted:
      monkey::PasteOver(field, QString::fromUtf8(row.input));
      break;
    case OddInput::Written:
      tk::SetText(field, row.input);
      monkey::Type(Qt::Key_End);
      break;
  }
  EXPECT_EQ(Utf8FromGbk(tk::GetText(field)), row.readBack);
  const ByteText& other = &row.field == &kFields[0] ? HexField() : DecimalField();
  EXPECT_EQ(Utf8FromGbk(tk::GetText(other)), row.otherField);
  ExpectFieldsFollow(row.field, row.name);
}

INSTANTIATE_TEST_SUITE_P(RadixConverter, ConverterOddInput, ::testing::ValuesIn(kOddInputs),
                         [](const ::testing::TestParamInfo<OddInput>& info) { return info.param.name; });

}  // namespace
}  // namespace radixconv
