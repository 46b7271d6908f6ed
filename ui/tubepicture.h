// The picture of the About window: a metal-ceramic transmitting tube with its
// finned anode cooler, painted rather than loaded so that it scales with nothing
// and ships in no binary file.
#pragma once

#include <QImage>
#include <QSize>

namespace anodyne {

QImage paintTransmittingTube(const QSize& size);

} // namespace anodyne
