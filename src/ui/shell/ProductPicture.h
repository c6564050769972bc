#pragma once
// Moxlet's picture: three letter tiles (c, a, t) on a blue square, a short
// vowel mark over the vowel and a sound dot under each tile.  The splash
// window and the about box show it, and it is the windows' icon; the
// desktop icon packaging/moxlet.svg is the same drawing.

#include <QPixmap>

namespace moxlet::ui {

// The picture, size x size device-independent pixels.
QPixmap productPicture(int size);

}  // namespace moxlet::ui
