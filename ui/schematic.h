// The schematic picture of the amplifier, drawn once into an image of 779 x 220
// pixels: exciter resistance, input C1, L, C2, cathode resistance, the tube with
// its grid grounded and its cathode and plate capacitances, plate load, plate
// choke from the "+" terminal, output C1, L, C2 and the load, left to right, each
// part beside the place where its result label stands. A click on it is reported
// by clicked(); the window runs the design from there.
#pragma once

#include <QImage>
#include <QWidget>

namespace anodyne::ui {

QImage schematicImage();

class Schematic : public QWidget {
    Q_OBJECT
public:
    explicit Schematic(QWidget* parent = nullptr);
    QSize sizeHint() const override { return image_.size(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool pressed_ = false;
};

} // namespace anodyne::ui
