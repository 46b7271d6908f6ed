#include "captionzoom.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPalette>
#include <QRegion>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

namespace anodyne::ui {
namespace {

constexpr int kDurationMs = 180;
qint64 busyUntil = 0; // when the zoom drawn last ends

bool platformDrawsWindows()
{
    const QString p = QGuiApplication::platformName();
    return p != QLatin1String("offscreen") && p != QLatin1String("minimal");
}

QRect interpolate(const QRect& a, const QRect& b, double t)
{
    auto mix = [t](int x, int y) { return x + static_cast<int>((y - x) * t); };
    return QRect(QPoint(mix(a.left(), b.left()), mix(a.top(), b.top())),
                 QPoint(mix(a.right(), b.right()), mix(a.bottom(), b.bottom())));
}

} // namespace

QRect zoomCentre(const QRect& bounds)
{
    const QPoint c(bounds.left() + bounds.width() / 2, bounds.top() + bounds.height() / 2);
    return QRect(c, QSize(0, 0));
}

int playCaptionZoom(const QRect& from, const QRect& to)
{
    if (!platformDrawsWindows())
        return 0;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int delay = static_cast<int>(qMax<qint64>(0, busyUntil - now));
    busyUntil = now + delay + kDurationMs;

    auto* outline = new QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                                             Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint);
    outline->setAttribute(Qt::WA_QuitOnClose, false);
    outline->setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette pal = outline->palette();
    pal.setColor(QPalette::Window, QColor(0x60, 0x60, 0x60));
    outline->setPalette(pal);
    outline->setAutoFillBackground(true);

    auto* anim = new QVariantAnimation(outline);
    anim->setStartValue(0.0);
    anim->setEndValue(1.0);
    anim->setDuration(kDurationMs);
    QObject::connect(anim, &QVariantAnimation::valueChanged, outline, [outline, from, to](const QVariant& v) {
        QRect r = interpolate(from, to, v.toDouble()).normalized();
        r.setSize(r.size().expandedTo(QSize(4, 4)));
        outline->setGeometry(r);
        const QRect local(QPoint(0, 0), r.size());
        outline->setMask(QRegion(local).subtracted(QRegion(local.adjusted(2, 2, -2, -2))));
        if (!outline->isVisible())
            outline->show();
    });
    QObject::connect(anim, &QVariantAnimation::finished, outline, &QObject::deleteLater);
    QTimer::singleShot(delay, anim, [anim] { anim->start(); });
    return delay + kDurationMs;
}

} // namespace anodyne::ui
