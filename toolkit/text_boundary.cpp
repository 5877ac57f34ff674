#include "toolkit/text_boundary.h"

#include <QByteArray>

#include "radixcore/gbk.h"

namespace tk::detail {

QString ToQString(const ByteText& text) {
  const std::string utf8 = Utf8FromGbk(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

ByteText FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return GbkFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

ByteText ToProgramText(const QString& widgetText, LineBreaks breaks) {
  ByteText text = FromQString(widgetText);
  if (breaks == LineBreaks::OneChar) return text;
  ByteText withCrLf;
  withCrLf.reserve(text.size() + text.size() / 16);
  for (char byte : text) {
    if (byte == '\n') withCrLf += '\r';
    withCrLf += byte;
  }
  return withCrLf;
}

QString ToWidgetText(const ByteText& text, LineBreaks breaks) {
  QString widgetText = ToQString(text);
  if (breaks == LineBreaks::CrLf) {
    widgetText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    widgetText.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  }
  return widgetText;
}

int CharPositionAtByte(const QString& widgetText, int byteOffset, LineBreaks breaks, Rounding rounding) {
  // The GBK form has exactly one character per code point (a character GBK
  // cannot hold becomes a one-byte "?"), so both texts can be walked side by
  // side; the width of each character is read off its GBK lead byte.
  const ByteText gbk = FromQString(widgetText);
  const qsizetype length = widgetText.size();
  std::size_t gbkAt = 0;
  qsizetype at = 0;
  int bytes = 0;
  while (at < length && bytes < byteOffset) {
    const QChar unit = widgetText.at(at);
    const qsizetype units =
        unit.isHighSurrogate() && at + 1 < length && widgetText.at(at + 1).isLowSurrogate() ? 2 : 1;
    const auto lead = gbkAt < gbk.size() ? static_cast<unsigned char>(gbk[gbkAt]) : 0;
    const int gbkBytes = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
    const int width = unit == QLatin1Char('\n') && breaks == LineBreaks::CrLf ? 2 : gbkBytes;
    if (bytes + width > byteOffset) {
      return static_cast<int>(rounding == Rounding::Up ? at + units : at);
    }
    bytes += width;
    gbkAt += static_cast<std::size_t>(gbkBytes);
    at += units;
  }
  return static_cast<int>(at);
}

}  // namespace tk::detail
