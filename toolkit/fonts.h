#pragma once
// Fonts of the controls. Layouts name the Song face "宋体"; where the
// platform lacks it, a Song-style face stands in.

#include <QFont>
#include <thread>

#include "toolkit/toolkit.h"

namespace tk::detail {

// The character height of the default GUI font, in pixels.
inline constexpr int kDefaultFontHeight = 12;

// Registers the stand-ins for the Song face and makes it, at the default
// height, the application font, so that Chinese text has glyphs everywhere.
//
// Every font is drawn unhinted. The Song stand-in carries no hinting of its
// own, so hinting it means FreeType's auto-hinter, which first analyses the
// face's CJK script at each size: that maps some 3 MB of the 20 MB face into
// every program at start, a third of its memory beyond an empty window, for
// a look hardly different. At 11 to 16 px the face's own bitmaps are drawn
// either way.
void InstallFonts();

QFont ToQFont(const Font& font);

// Fontconfig reads the system's font configuration (some sixty files on
// Debian) when the first font is needed, which is in the middle of building
// the window, and takes some 5 ms of a 40 ms start. This reads it on a
// thread of its own from construction to destruction, to be done alongside
// something slow of the main thread's: Qt connecting to the display.
class FontConfigurationPreload {
 public:
  FontConfigurationPreload();
  ~FontConfigurationPreload();
  FontConfigurationPreload(const FontConfigurationPreload&) = delete;
  FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

 private:
  std::thread reader_;
};

}  // namespace tk::detail
