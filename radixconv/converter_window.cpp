#include "radixconv/converter_window.h"

#include <array>
#include <vector>

#include "radixconv/fields.h"
#include "radixconv/layout.h"
#include "radixconv/names.h"
#include "radixcore/convert_radix.h"
#include "radixcore/text.h"
#include "toolkit/toolkit.h"

namespace radixconv {

namespace {

constexpr int kEnterKey = 13;

// What a key release in one field recomputes, in the order it does it.
struct FieldConversion {
  ByteText source;
  int sourceBase;
  ByteText firstTarget;
  int firstBase;
  ByteText secondTarget;
  int secondBase;
  bool padsBinary;       // never while the binary field is itself the source
  int selectAllLength;   // one byte's worth of digits: the next key starts a new number
};

const FieldConversion& DecimalConversion() {
  static const FieldConversion conversion{DecimalField(), 10, BinaryField(), 2, HexField(), 16, true, 3};
  return conversion;
}

const FieldConversion& HexConversion() {
  static const FieldConversion conversion{HexField(), 16, BinaryField(), 2, DecimalField(), 10, true, 2};
  return conversion;
}

const FieldConversion& BinaryConversion() {
  static const FieldConversion conversion{BinaryField(), 2, DecimalField(), 10, HexField(), 16, false, 8};
  return conversion;
}

void SelectAllText(const ByteText& field) {
  tk::SetSelectionStart(field, 0);
  tk::SetSelectionLength(field, TextLength(tk::GetText(field)));
}

void ShowPrompt(const ByteText& prompt) { tk::SetText(tk::kWindow, prompt); }

// Reads the source afresh; ConvertRadix normalises only this copy, so the
// source keeps what the user typed. A message result is written as it comes.
void WriteConversion(const ByteText& source, int from, const ByteText& target, int to) {
  ByteText text = tk::GetText(source);
  tk::SetText(target, ConvertRadix(text, from, to));
}

void PadBinaryField() {
  for (int length = 1; length < kBitLampCount; ++length) {
    const ByteText binary = tk::GetText(BinaryField());
    if (TextLength(binary) == length) tk::SetText(BinaryField(), PaddingZeros(length) + binary);
  }
}

void ShowBitLamps() {
  const std::array<LampColor, kBitLampCount> colours = BitLampColours(tk::GetText(BinaryField()));
  for (int position = 1; position <= kBitLampCount; ++position) {
    tk::SetFillColor(BitLamp(LampForPosition(position)), colours[static_cast<std::size_t>(position - 1)]);
  }
}

void ConvertFrom(const FieldConversion& conversion) {
  WriteConversion(conversion.source, conversion.sourceBase, conversion.firstTarget, conversion.firstBase);
  WriteConversion(conversion.source, conversion.sourceBase, conversion.secondTarget, conversion.secondBase);
  if (conversion.padsBinary) PadBinaryField();
  ShowBitLamps();
  if (TextLength(tk::GetText(conversion.source)) == conversion.selectAllLength) SelectAllText(conversion.source);
}

// Enter selects the whole field and still reaches it.
tk::Binding SelectAllOnEnter(const ByteText& field) {
  return tk::OnKeyPressed(field, [field](const tk::EventArgs& key) {
    if (key.keyCode == kEnterKey) SelectAllText(field);
    return true;
  });
}

tk::Binding ConvertOnKeyRelease(const FieldConversion& conversion) {
  return tk::On(conversion.source, tk::EventKind::KeyReleased, [&conversion] { ConvertFrom(conversion); });
}

std::vector<tk::Binding> ConverterBindings() {
  return {
      tk::On(tk::kWindow, tk::EventKind::Created, [] { tk::SetVisualStyle(2); }),
      tk::On(DecimalField(), tk::EventKind::GotFocus,
             [] {
               SelectAllText(DecimalField());
               ShowPrompt(DecimalPrompt());
             }),
      tk::On(HexField(), tk::EventKind::GotFocus,
             [] {
               ShowPrompt(HexPrompt());
               SelectAllText(HexField());
             }),
      tk::On(BinaryField(), tk::EventKind::GotFocus,
             [] {
               ShowPrompt(BinaryPrompt());
               SelectAllText(BinaryField());
             }),
      SelectAllOnEnter(DecimalField()),
      SelectAllOnEnter(HexField()),
      SelectAllOnEnter(BinaryField()),
      ConvertOnKeyRelease(DecimalConversion()),
      ConvertOnKeyRelease(HexConversion()),
      ConvertOnKeyRelease(BinaryConversion()),
  };
}

}  // namespace

void OpenConverterWindow() { tk::LoadWindow(ConverterLayout(), ConverterBindings()); }

int RunConverter(int& argc, char** argv) {
  tk::Initialise(argc, argv);
  OpenConverterWindow();
  return tk::RunEventLoop();
}

}  // namespace radixconv
