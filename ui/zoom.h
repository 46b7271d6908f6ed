// The caption zoom drawn when a window opens or closes.
//
// A short outline flies between two screen rectangles and the call returns at
// once; nothing waits for the animation. Where windows cannot be placed on the
// screen by the program (offscreen, minimal, Wayland) nothing is drawn.
#pragma once

#include <QRect>

namespace anodyne {

// The rectangle of no size at a window's centre: both corners at
// (left + width / 2, top + height / 2), each half truncated toward zero.
QRect zoomCentre(const QRect& bounds);

// Animates an outline from `from` to `to` (screen coordinates) without blocking.
void drawCaptionZoom(const QRect& from, const QRect& to);

// The window's zoom when it opens (centre to bounds) and closes (bounds to centre).
inline void zoomOpen(const QRect& bounds) { drawCaptionZoom(zoomCentre(bounds), bounds); }
inline void zoomClose(const QRect& bounds) { drawCaptionZoom(bounds, zoomCentre(bounds)); }

} // namespace anodyne
