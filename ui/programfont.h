// The program's typeface: Verdana where installed, else the wide DejaVu Sans,
// whose metrics come closest, so that texts keep to their designed boxes.
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace anodyne {

// Verdana when the system has it, else DejaVu Sans, decided once: naming a family
// that is missing makes every font lookup go through the fallback search again.
inline const QString& programFamily()
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana")) ? QStringLiteral("Verdana")
                                                                                        : QStringLiteral("DejaVu Sans");
    return family;
}

// Sizes are given in pixels: every window is laid out in pixels, and a label
// must hold its text at any screen resolution. 8 points are 11 pixels.
inline QFont programFont(int pixelSize)
{
    QFont font(programFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace anodyne
