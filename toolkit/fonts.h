#pragma once
// Fonts of the controls. Layouts name the Song face "宋体"; where the
// platform lacks it, a Song-style face stands in.

#include <QFont>

#include "toolkit/toolkit.h"

namespace tk::detail {

// The character height of the default GUI font, in pixels.
inline constexpr int kDefaultFontHeight = 12;

// Registers the stand-ins for the Song face and makes it, at the default
// height, the application font, so that Chinese text has glyphs everywhere.
void InstallFonts();

QFont ToQFont(const Font& font);

}  // namespace tk::detail
