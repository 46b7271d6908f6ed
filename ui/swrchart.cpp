#include "swrchart.h"

#include <QGraphicsLayout>
#include <QMouseEvent>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>

namespace anodyne::ui {

SwrChart::SwrChart(const QString& name, const QString& title, const SwrAxis& swr, QWidget* parent,
                   const QRect& geometry)
    // Given its chart at once, the view makes no default chart of its own.
    : QChartView(new QChart, parent), series_(new QLineSeries), axisX_(new QValueAxis), axisY_(new QValueAxis)
{
    setObjectName(name);
    series_->setName(name == QLatin1String("Chart1") ? QStringLiteral("Series1") : QStringLiteral("Series2"));
    if (geometry.isValid())
        setGeometry(geometry);
    setFrameShape(QFrame::NoFrame);
    setRubberBand(QChartView::NoRubberBand);
    setInteractive(false);
    setRenderHint(QPainter::Antialiasing, false);
    setBackgroundBrush(Qt::white);
    setFocusPolicy(Qt::NoFocus);

    QChart* const chart = this->chart();
    chart->setTitle(title);
    chart->setTitleFont(font());
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(2, 0, 6, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->hide();
    chart->setLocalizeNumbers(true); // axis labels with the user's decimal separator

    series_->setPen(QPen(QColor(Qt::darkBlue), 2));
    series_->setPointsVisible(false);
    chart->addSeries(series_);

    QFont axisFont = font();
    axisX_->setLabelsFont(axisFont);
    axisX_->setTitleText(QStringLiteral("Frequency, MHz"));
    axisX_->setTitleFont(axisFont);
    axisX_->setMinorTickCount(0);
    axisX_->setTickType(QValueAxis::TicksDynamic);
    axisX_->setTickAnchor(0.0);
    setFrequencyRange(0.0, 1.0);

    axisY_->setLabelsFont(axisFont);
    axisY_->setRange(swr.minimum, swr.maximum);
    axisY_->setTickCount(swr.tickCount);
    axisY_->setMinorTickCount(swr.minorTickCount);
    axisY_->setLabelFormat(QString::fromLatin1(swr.labelFormat));
    axisY_->setLabelsAngle(-90);

    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisY_, Qt::AlignLeft);
    series_->attachAxis(axisX_);
    series_->attachAxis(axisY_);
}

void SwrChart::clearPoints()
{
    series_->clear();
    fitFrequencyAxis();
}

void SwrChart::addPoint(double frequency, double swr)
{
    const QList<QPointF> pts = series_->points();
    const auto at = std::upper_bound(pts.begin(), pts.end(), frequency,
                                     [](double f, const QPointF& p) { return f < p.x(); });
    series_->insert(static_cast<int>(at - pts.begin()), QPointF(frequency, swr));
    fitFrequencyAxis();
}

void SwrChart::replacePoints(const std::vector<QPointF>& points)
{
    QList<QPointF> sorted(points.begin(), points.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    series_->replace(sorted);
    fitFrequencyAxis();
}

QList<QPointF> SwrChart::points() const { return series_->points(); }

void SwrChart::fitFrequencyAxis()
{
    const QList<QPointF> pts = series_->points();
    if (pts.isEmpty())
        return;
    double lo = pts.front().x();
    double hi = pts.back().x();
    if (!(hi > lo)) { // all points at one frequency: give the axis some width
        lo -= 0.05;
        hi += 0.05;
    }
    setFrequencyRange(lo, hi);
}

double frequencyLabelStep(double width)
{
    constexpr double kPreferred = 0.1;
    constexpr int kFewest = 3;
    constexpr int kMost = 6;
    if (width / kPreferred <= kMost && width / kPreferred >= kFewest - 1)
        return kPreferred;
    double step = 0.001;
    for (int i = 0; i < 60; ++i) {
        for (const double m : {1.0, 2.0, 5.0}) {
            const double candidate = step * m;
            if (width / candidate <= kMost)
                return candidate;
        }
        step *= 10.0;
    }
    return step;
}

void SwrChart::setFrequencyRange(double lo, double hi)
{
    const double step = frequencyLabelStep(hi - lo);
    int decimals = 0;
    for (double s = step; s < 0.999 && decimals < 6; s *= 10.0)
        ++decimals;
    axisX_->setTickInterval(step);
    axisX_->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    axisX_->setRange(lo, hi);
}

void SwrChart::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void SwrChart::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void SwrChart::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void SwrChart::wheelEvent(QWheelEvent* event) { event->accept(); }

} // namespace anodyne::ui
