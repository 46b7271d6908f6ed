#include "resultlabel.h"

namespace anodyne::ui {

ResultLabel::ResultLabel(const QString& name, Sizing sizing, int x, int y, QWidget* parent, int width,
                         int height)
    : QLabel(parent), sizing_(sizing), x_(x), y_(y)
{
    setObjectName(name);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
    if (sizing_ == Sizing::Fixed)
        setGeometry(x, y, width, height);
    else
        place();
}

void ResultLabel::setLabelText(const QString& text)
{
    setText(text);
    place();
}

void ResultLabel::place()
{
    if (sizing_ == Sizing::Fixed) {
        // A unit that is a pixel or two wider than its fixed box is drawn a little
        // closer rather than cut off.
        QFont f = font();
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        const int need = QFontMetrics(f).horizontalAdvance(text());
        const auto n = text().size();
        if (n > 1 && need > width()) {
            const int squeeze = static_cast<int>((need - width() + n - 2) / (n - 1));
            f.setLetterSpacing(QFont::AbsoluteSpacing, -qMin(squeeze, 2));
        }
        if (f != font())
            setFont(f);
        return;
    }
    // An empty label takes no width; measuring nothing would still lay out a line.
    const int w = text().isEmpty() ? 0 : sizeHint().width();
    const int h = fontMetrics().height();
    if (sizing_ == Sizing::AutoRight)
        setGeometry(x_ - w, y_, w, h);
    else
        setGeometry(x_, y_, w, h);
}

} // namespace anodyne::ui
