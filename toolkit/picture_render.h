#pragma once
// Draws a tk::Picture into an image of its own size.

#include <QImage>

#include "toolkit/toolkit.h"

namespace tk::detail {

QImage RenderPicture(const Picture& picture);

}  // namespace tk::detail
