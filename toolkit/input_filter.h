#pragma once
// The typing filter of the integer input modes: of the characters a key or
// an input method would type, only "-" and "0"-"9" get through; control
// characters (Backspace, the clipboard shortcuts) always do.

#include <QString>

namespace tk::detail {

bool IsAcceptedTypedCharacter(QChar character);
// typed without the characters the filter drops.
QString FilterTypedText(const QString& typed);

}  // namespace tk::detail
