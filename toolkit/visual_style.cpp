// The three colour schemes of SetVisualStyle: light button faces with black
// text on white fields, so that every layout's colours stay legible.
#include <QApplication>
#include <QPalette>
#include <QStyle>

#include "toolkit/toolkit.h"

namespace tk {
namespace {

QPalette Scheme(const QColor& face, const QColor& highlight) {
  QPalette palette(face, face);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, face.lighter(106));
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::black);
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(QPalette::Disabled, role, face.darker(170));
  }
  return palette;
}

}  // namespace

void SetVisualStyle(int style) {
  switch (style) {
    case 1:  // warm sand
      QApplication::setPalette(Scheme(QColor(0xEC, 0xE9, 0xD8), QColor(0x31, 0x6A, 0xC5)));
      break;
    case 2:  // cool porcelain blue
      QApplication::setPalette(Scheme(QColor(0xE4, 0xEC, 0xF7), QColor(0x33, 0x99, 0xFF)));
      break;
    case 3:  // soft sage
      QApplication::setPalette(Scheme(QColor(0xE6, 0xEE, 0xE0), QColor(0x4A, 0x8A, 0x5C)));
      break;
    default:
      QApplication::setPalette(QApplication::style()->standardPalette());
      break;
  }
}

}  // namespace tk
