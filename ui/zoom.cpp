#include "zoom.h"

#include <QApplication>
#include <QRegion>
#include <QVariantAnimation>
#include <QWidget>

namespace anodyne {

namespace {

constexpr int kDurationMs = 160;
constexpr int kThickness = 3;

bool platformCanZoom()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    const QString platform = QGuiApplication::platformName();
    return !(platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")
             || platform.startsWith(QLatin1String("wayland")));
}

QRect between(const QRect& a, const QRect& b, qreal t)
{
    auto mix = [t](int p, int q) { return p + qRound(t * (q - p)); };
    const int left = mix(a.left(), b.left());
    const int top = mix(a.top(), b.top());
    const int width = mix(a.width(), b.width());
    const int height = mix(a.height(), b.height());
    // A window needs some size; the outline of a point is a small square.
    return QRect(left, top, qMax(width, 2 * kThickness), qMax(height, 2 * kThickness));
}

// A frameless, click-through window shaped as a rectangular ring. The ring is
// a window mask, so no compositor is needed for the transparent middle.
class ZoomOutline : public QWidget {
public:
    ZoomOutline()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
                                | Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_QuitOnClose, false);
        // Filled before the first paint, so the ring never flashes another colour.
        QPalette ring = palette();
        ring.setColor(QPalette::Window, ring.color(QPalette::Highlight));
        setPalette(ring);
        setAutoFillBackground(true);
    }

    void place(const QRect& r)
    {
        setGeometry(r);
        const QRegion outer(0, 0, r.width(), r.height());
        setMask(outer.subtracted(QRegion(kThickness, kThickness, r.width() - 2 * kThickness,
                                         r.height() - 2 * kThickness)));
    }

};

} // namespace

QRect zoomCentre(const QRect& bounds)
{
    const int x = bounds.left() + bounds.width() / 2;
    const int y = bounds.top() + bounds.height() / 2;
    return QRect(x, y, 0, 0);
}

void drawCaptionZoom(const QRect& from, const QRect& to)
{
    if (!platformCanZoom())
        return;
    auto* outline = new ZoomOutline;
    outline->place(between(from, to, 0));
    auto* animation = new QVariantAnimation(outline);
    animation->setDuration(kDurationMs);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    QObject::connect(animation, &QVariantAnimation::valueChanged, outline,
                     [outline, from, to](const QVariant& t) { outline->place(between(from, to, t.toReal())); });
    QObject::connect(animation, &QVariantAnimation::finished, outline, &QWidget::close);
    outline->show();
    animation->start();
}

} // namespace anodyne
