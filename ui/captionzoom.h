// The caption zoom of a window opening or closing: an outline that grows from the
// window's centre to its bounds, or shrinks back. It runs on its own without
// blocking; where the platform draws no windows (offscreen) nothing is drawn.
#pragma once

#include <QRect>

namespace anodyne::ui {

// Draws the zoom from `from` to `to` (screen coordinates) after any zoom still
// running; returns the milliseconds until it has ended (0 when nothing is drawn).
int playCaptionZoom(const QRect& from, const QRect& to);

// The two rectangles of a window's zoom: its bounds and the empty one at its centre.
QRect zoomCentre(const QRect& bounds);

// A window's zoom when it opens (centre to bounds) and when it closes.
inline int zoomOpen(const QRect& bounds) { return playCaptionZoom(zoomCentre(bounds), bounds); }
inline int zoomClose(const QRect& bounds) { return playCaptionZoom(bounds, zoomCentre(bounds)); }

} // namespace anodyne::ui
