#pragma once
// The programs' 0x00BBGGRR colours as Qt colours.

#include <QColor>

#include "toolkit/toolkit.h"

namespace tk::detail {

QColor ToQColor(Color color);

}  // namespace tk::detail
