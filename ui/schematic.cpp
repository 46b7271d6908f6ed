#include "schematic.h"

#include "programfont.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace anodyne::ui {
namespace {

// The drawing is laid out in the window's client coordinates, where the result
// labels are placed, and shifted onto the picture, which stands at (4, 7).
constexpr int kImageLeft = 4;
constexpr int kImageTop = 7;

constexpr int kInputLine = 90;   // exciter to cathode
constexpr int kOutputLine = 102; // plate to load
constexpr int kGround = 200;

class Pen {
public:
    explicit Pen(QPainter& p) : p_(p) {}

    void wire(int x1, int y1, int x2, int y2) { p_.drawLine(x1, y1, x2, y2); }
    void dot(int x, int y)
    {
        p_.save();
        p_.setBrush(Qt::black);
        p_.drawRect(x - 1, y - 1, 3, 3);
        p_.restore();
    }

    // A resistor standing between two nodes of one column.
    void resistor(int x, int yTop, int yBottom, int bodyTop, int bodyBottom)
    {
        wire(x, yTop, x, bodyTop);
        p_.drawRect(x - 5, bodyTop, 10, bodyBottom - bodyTop);
        wire(x, bodyBottom, x, yBottom);
    }

    // A shunt capacitor in one column: horizontal plates at `plate` and `plate + 7`.
    void shuntCapacitor(int x, int yTop, int yBottom, int plate, bool variable = false)
    {
        wire(x, yTop, x, plate);
        plates(x, plate);
        wire(x, plate + 7, x, yBottom);
        if (variable)
            arrow(QPoint(x - 12, plate + 16), QPoint(x + 12, plate - 9));
    }

    // A capacitor lying in a row: vertical plates at `plate` and `plate + 6`.
    void seriesCapacitor(int x1, int x2, int y, int plate)
    {
        wire(x1, y, plate, y);
        p_.drawLine(plate, y - 8, plate, y + 8);
        p_.drawLine(plate + 1, y - 8, plate + 1, y + 8);
        p_.drawLine(plate + 6, y - 8, plate + 6, y + 8);
        p_.drawLine(plate + 7, y - 8, plate + 7, y + 8);
        wire(plate + 7, y, x2, y);
    }

    // A coil along a row, its turns above the line.
    void rowCoil(int x1, int x2, int y, int turns)
    {
        const double w = double(x2 - x1) / turns;
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        QPainterPath path(QPointF(x1, y));
        for (int i = 0; i < turns; ++i)
            path.arcTo(QRectF(x1 + i * w, y - w / 2, w, w), 180, -180);
        p_.drawPath(path);
        p_.restore();
    }

    // A coil down a column, its turns to the right.
    void columnCoil(int x, int y1, int y2, int turns)
    {
        const double h = double(y2 - y1) / turns;
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        QPainterPath path(QPointF(x, y1));
        for (int i = 0; i < turns; ++i)
            path.arcTo(QRectF(x - h / 2, y1 + i * h, h, h), 90, -180);
        p_.drawPath(path);
        p_.restore();
    }

    void arrow(QPoint from, QPoint to)
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.drawLine(from, to);
        const QLineF shaft(to, from);
        QLineF a = shaft;
        a.setLength(6);
        a.setAngle(shaft.angle() + 25);
        QLineF b = shaft;
        b.setLength(6);
        b.setAngle(shaft.angle() - 25);
        p_.setBrush(Qt::black);
        p_.drawPolygon(QPolygonF({to, a.p2(), b.p2()}));
        p_.restore();
    }

    void plates(int x, int plate)
    {
        p_.drawLine(x - 10, plate, x + 10, plate);
        p_.drawLine(x - 10, plate + 1, x + 10, plate + 1);
        p_.drawLine(x - 10, plate + 6, x + 10, plate + 6);
        p_.drawLine(x - 10, plate + 7, x + 10, plate + 7);
    }

    QPainter& painter() { return p_; }

private:
    QPainter& p_;
};

void drawTube(Pen& pen)
{
    QPainter& p = pen.painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.drawEllipse(QPointF(398, 94), 30.0, 30.0);
    p.restore();

    // Cathode on the left, fed by the input line.
    pen.wire(380, 78, 380, 104);
    pen.wire(381, 78, 381, 104);
    // Grid in the middle, tied to ground.
    QPen dashed = p.pen();
    dashed.setStyle(Qt::DashLine);
    p.save();
    p.setPen(dashed);
    p.drawLine(397, 72, 397, 118);
    p.restore();
    pen.wire(397, 118, 397, kGround);
    // Plate on the right, feeding the output line.
    pen.wire(414, 82, 414, 114);
    pen.wire(415, 82, 415, 114);
}

void drawGroundSymbol(Pen& pen, int x, int y)
{
    pen.wire(x, y, x, y + 5);
    pen.wire(x - 9, y + 5, x + 9, y + 5);
    pen.wire(x - 6, y + 8, x + 6, y + 8);
    pen.wire(x - 3, y + 11, x + 3, y + 11);
}

void drawCircuit(Pen& pen)
{
    QPainter& p = pen.painter();

    // Rails.
    pen.wire(35, kInputLine, 380, kInputLine);
    pen.wire(415, kOutputLine, 760, kOutputLine);
    pen.wire(35, kGround, 760, kGround);
    drawGroundSymbol(pen, 397, kGround);

    // Exciter: its output resistance between the rails.
    pen.resistor(35, kInputLine, kGround, 110, 170);
    pen.dot(35, kInputLine);

    // Input Pi-network: C1, L, C2.
    pen.shuntCapacitor(105, kInputLine, kGround, 124);
    pen.dot(105, kInputLine);
    pen.dot(105, kGround);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(140, kInputLine - 1, 65, 3);
    p.restore();
    pen.rowCoil(140, 205, kInputLine, 4);
    pen.shuntCapacitor(236, kInputLine, kGround, 150);
    pen.dot(236, kInputLine);
    pen.dot(236, kGround);

    // Cathode current arrow and cathode input resistance.
    pen.arrow(QPoint(258, kInputLine - 6), QPoint(284, kInputLine - 6));
    pen.resistor(322, kInputLine, kGround, 104, 160);
    pen.dot(322, kInputLine);
    pen.dot(322, kGround);

    // The tube with its cathode and plate capacitances to the grounded grid.
    drawTube(pen);
    pen.wire(360, kInputLine, 360, 140);
    pen.dot(360, kInputLine);
    pen.seriesCapacitor(360, 397, 140, 372);
    pen.dot(397, 140);
    pen.seriesCapacitor(397, 440, 140, 412);
    pen.wire(440, 140, 440, kOutputLine);
    pen.dot(440, kOutputLine);
    pen.dot(397, kGround);

    // Equivalent plate load.
    pen.resistor(470, kOutputLine, kGround, 112, 165);
    pen.dot(470, kOutputLine);
    pen.dot(470, kGround);

    // Plate choke from the "+" terminal.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.drawEllipse(QPointF(563, 16), 3.0, 3.0);
    p.restore();
    QFont f = programFont(14);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(544, 6, 14, 20), Qt::AlignCenter, QStringLiteral("+"));
    pen.wire(563, 19, 563, 34);
    pen.columnCoil(563, 34, 82, 4);
    pen.wire(563, 82, 563, kOutputLine);
    pen.dot(563, kOutputLine);

    // Output Pi-network: variable C1, L, variable C2, then the load.
    pen.shuntCapacitor(563, kOutputLine, kGround, 126, true);
    pen.dot(563, kGround);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(600, kOutputLine - 1, 65, 3);
    p.restore();
    pen.rowCoil(600, 665, kOutputLine, 4);
    pen.shuntCapacitor(680, kOutputLine, kGround, 158, true);
    pen.dot(680, kOutputLine);
    pen.dot(680, kGround);
    pen.resistor(760, kOutputLine, kGround, 118, 175);
}

QImage drawSchematic()
{
    QImage image(779, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.translate(-kImageLeft, -kImageTop);
    Pen pen(p);
    drawCircuit(pen);
    return image;
}

} // namespace

QImage schematicImage()
{
    // The circuit never changes: drawn once, shared by every window that shows it.
    static const QImage image = drawSchematic();
    return image;
}

Schematic::Schematic(QWidget* parent) : QWidget(parent), image_(schematicImage())
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(image_.size());
}

void Schematic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void Schematic::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void Schematic::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace anodyne::ui
