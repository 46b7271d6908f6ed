// The program's typeface: Verdana where installed, else the wide DejaVu Sans,
// whose metrics come closest, so that texts keep to their designed boxes.
#pragma once

#include <QFont>
#include <QStringList>

namespace anodyne {

// Sizes are given in pixels: every window is laid out in pixels, and a label
// must hold its text at any screen resolution. 8 points are 11 pixels.
inline QFont programFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace anodyne
