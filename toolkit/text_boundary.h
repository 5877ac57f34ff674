#pragma once
// The one place where GBK byte text meets Qt's strings, and where positions
// counted in GBK bytes (what the programs use) meet positions counted in
// characters (what the widgets use).

#include <QString>

#include "radixcore/bytetext.h"

namespace tk::detail {

QString ToQString(const ByteText& text);
ByteText FromQString(const QString& text);

// Multi-line edit boxes hold their line breaks as one '\n' per break, while
// the programs see "\r\n": two bytes.
enum class LineBreaks { OneChar, CrLf };

// The programs' form of a multi-line box's text and back: "\r\n" (and a
// lone "\r" or "\n") is one line break.
ByteText ToProgramText(const QString& widgetText, LineBreaks breaks);
QString ToWidgetText(const ByteText& text, LineBreaks breaks);

enum class Rounding { Down, Up };

// The character position in widgetText at GBK byte offset byteOffset. An
// offset inside a two-byte character rounds down to its start or up past
// its end; offsets beyond the text give its length. Linear in the text.
int CharPositionAtByte(const QString& widgetText, int byteOffset, LineBreaks breaks, Rounding rounding);

}  // namespace tk::detail
