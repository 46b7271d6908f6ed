// A label that keeps its place as its text changes: an auto-sized label takes the
// size of its text and keeps its left edge, or its right edge when it is
// right-justified (a number standing against its unit label); a fixed label keeps
// its size and aligns the text inside.
#pragma once

#include <QLabel>

namespace anodyne::ui {

class ResultLabel : public QLabel {
    Q_OBJECT
public:
    enum class Sizing { AutoLeft, AutoRight, Fixed };

    // For AutoRight, `x` is the right edge (one past the last pixel); for Fixed,
    // width and height give the size. Auto-sized labels size themselves.
    ResultLabel(const QString& name, Sizing sizing, int x, int y, QWidget* parent, int width = 0,
                int height = 0);

    // Sets the text and re-places the label by its sizing rule.
    void setLabelText(const QString& text);
    Sizing sizing() const { return sizing_; }

private:
    void place();

    Sizing sizing_;
    int x_;
    int y_;
};

} // namespace anodyne::ui
