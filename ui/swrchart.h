// One SWR chart: a flat white chart with one navy line, SWR on a fixed left axis
// against frequency on a bottom axis that follows the points, and the two limit
// spin fields of the sweep in its bottom corners. A click on the chart area (not
// on the spin fields) is reported by clicked(); the sweep then replaces the points.
#pragma once

#include <QtCharts/QChartView>

#include <vector>

QT_BEGIN_NAMESPACE
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace anodyne::ui {

struct SwrAxis {
    double minimum;
    double maximum;
    int tickCount;
    int minorTickCount;
    const char* labelFormat;
};

class SwrChart : public QChartView {
    Q_OBJECT
public:
    // `geometry`, when given, is taken before the chart is laid out, so that its
    // axes are laid out once at their real size rather than once more at a default.
    SwrChart(const QString& name, const QString& title, const SwrAxis& swrAxis, QWidget* parent = nullptr,
             const QRect& geometry = QRect());

    // The series keeps its points in ascending frequency order: a point with a
    // smaller frequency goes before the larger ones.
    void clearPoints();
    void addPoint(double frequency, double swr);
    void replacePoints(const std::vector<QPointF>& points);
    QList<QPointF> points() const;

    QLineSeries* series() const { return series_; }
    QValueAxis* frequencyAxis() const { return axisX_; }
    QValueAxis* swrAxis() const { return axisY_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void fitFrequencyAxis();
    void setFrequencyRange(double lo, double hi);

    QLineSeries* series_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    bool pressed_ = false;
};

// The frequency axis's label step for a band `width` MHz wide: 0.1 MHz where that
// gives a readable axis, else the nearest 1-2-5 step that gives at most six labels.
double frequencyLabelStep(double width);

} // namespace anodyne::ui
