#include "toolkit/input_filter.h"

namespace tk::detail {

bool IsAcceptedTypedCharacter(QChar character) {
  const char16_t code = character.unicode();
  // DEL is what some platforms attach to the Delete key: an editing key,
  // not a typed character.
  if (code < 32 || code == 0x7F) return true;
  return code == u'-' || (code >= u'0' && code <= u'9');
}

QString FilterTypedText(const QString& typed) {
  QString kept;
  kept.reserve(typed.size());
  for (const QChar character : typed) {
    if (IsAcceptedTypedCharacter(character)) kept += character;
  }
  return kept;
}

}  // namespace tk::detail
