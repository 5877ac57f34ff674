#include "toolkit/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <system_error>

#include "toolkit/text_boundary.h"

// Fontconfig keeps a few allocations of its own until the process ends,
// which leak checkers report. With the configuration read at Initialise, a
// sanitized build reports them even from a run that never draws (a test
// binary listing its tests while it is built), where no suppression file is
// given yet: these are fontconfig's, so they are suppressed here.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

namespace tk::detail {
namespace {

const QString& SongFace() {
  static const QString face = QString::fromUtf8("宋体");
  return face;
}

}  // namespace

void InstallFonts() {
  const QStringList songStandIns = {QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                                    QStringLiteral("AR PL UMing TW")};
  QFont::insertSubstitutions(SongFace(), songStandIns);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), {QStringLiteral("AR PL UMing CN")});
  QFont applicationFont(SongFace());
  applicationFont.setPixelSize(kDefaultFontHeight);
  applicationFont.setHintingPreference(QFont::PreferNoHinting);
  QApplication::setFont(applicationFont);
}

QFont ToQFont(const Font& font) {
  QFont qfont = font.face.empty() ? QApplication::font() : QFont(ToQString(font.face));
  qfont.setPixelSize(font.height > 0 ? font.height : kDefaultFontHeight);
  qfont.setWeight(font.bold ? QFont::Bold : QFont::Normal);
  qfont.setHintingPreference(QFont::PreferNoHinting);
  return qfont;
}

FontConfigurationPreload::FontConfigurationPreload() {
  try {
    reader_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No thread to spare: the configuration is read when first needed.
  }
}

FontConfigurationPreload::~FontConfigurationPreload() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace tk::detail
