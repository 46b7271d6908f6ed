#include "uinfo.h"

#include "programfont.h"
#include "tubepicture.h"
#include "ui_uinfo.h"
#include "captionzoom.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QShowEvent>
#include <QUrl>

#include <algorithm>

namespace anodyne {

namespace {

const QColor kSmoothBlue(0x00, 0x00, 0x8B);
const QColor kNavy(0x00, 0x00, 0x80);

// The largest size at which the label's text fits its box in both directions
// (6 pixels when none above that does). Every size tried loads a font of its own,
// so the search starts where the text's size at full height says it should fit
// (a text grows about in proportion to its font) and steps from there.
int fittingPixelSize(const QLabel* label)
{
    const auto needed = [label](int size) {
        return QFontMetrics(programFont(size))
            .boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, label->text())
            .size();
    };
    const auto fits = [label](const QSize& need) {
        return need.width() <= label->width() && need.height() <= label->height();
    };
    const int top = label->height();
    if (top <= 6)
        return top;
    const QSize atTop = needed(top);
    if (fits(atTop))
        return top;
    int size = top - 1;
    if (atTop.width() > 0)
        size = std::min(size, top * label->width() / atTop.width());
    if (atTop.height() > 0)
        size = std::min(size, top * label->height() / atTop.height());
    size = std::max(size, 7);
    if (fits(needed(size))) {
        while (size + 1 < top && fits(needed(size + 1)))
            ++size;
        return size;
    }
    while (--size > 6) {
        if (fits(needed(size)))
            return size;
    }
    return 6;
}

void smoothLabel(QLabel* label, int pixelSize)
{
    QFont font = programFont(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kSmoothBlue);
    label->setPalette(palette);
}

void navyText(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
}

} // namespace

TFInfo::TFInfo(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(std::make_unique<Ui::TFInfo>())
    , openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setFont(programFont(11));
    ui->setupUi(this);
    move(450, 234);
    setFixedSize(406, 215);
    // Open or not, the About window must not keep the program alive once the
    // main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);
    setAutoFillBackground(true);

    ui->Label2->setText(QStringLiteral("Program is still under development. \nCheck updates."));
    ui->Label1->setText(QString::fromLatin1(kProductPage));
    ui->ULLabel3->setText(QString::fromLatin1(kMakerNotice));

    // The link handles its own clicks; every other control passes them on to
    // the window, which closes.
    ui->Label1->installEventFilter(this);

    ui::zoomOpen(frameGeometry());
}

TFInfo::~TFInfo() = default;

// Fitting the texts loads a font for every size tried, and the shaded picture
// takes as long again: both wait until the card is first shown, so that a program
// start which never opens About does not pay for them.
void TFInfo::dress()
{
    dressed = true;
    // The three lines of the slogan read as one sentence: one size for all.
    smoothLabel(ui->ULLabel1, fittingPixelSize(ui->ULLabel1));
    const int sloganSize = std::min({fittingPixelSize(ui->ULLabel2), fittingPixelSize(ui->ULLabel6),
                                     fittingPixelSize(ui->ULLabel4)});
    for (QLabel* line : {ui->ULLabel2, ui->ULLabel6, ui->ULLabel4})
        smoothLabel(line, sloganSize);
    smoothLabel(ui->ULLabel3, fittingPixelSize(ui->ULLabel3));
    navyText(ui->Label2);
    navyText(ui->Label1);

    ui->ULImage1->setPixmap(QPixmap::fromImage(paintTransmittingTube(ui->ULImage1->size())));
}

void TFInfo::showEvent(QShowEvent* event)
{
    // Every widget is polished soon after it is made, shown or not, so only the
    // show itself tells that the card is wanted.
    if (!dressed)
        dress();
    QWidget::showEvent(event);
}

void TFInfo::showWindow()
{
    show();
    raise();
    activateWindow();
}

void TFInfo::setUrlOpener(UrlOpener opener)
{
    openUrl = std::move(opener);
}

void TFInfo::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void TFInfo::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        close();
}

void TFInfo::closeEvent(QCloseEvent* event)
{
    if (isVisible())
        ui::zoomClose(frameGeometry());
    event->accept(); // hides; the window lives until the program ends
}

bool TFInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Label1) {
        if (event->type() == QEvent::MouseButtonPress)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && ui->Label1->rect().contains(mouse->position().toPoint()))
                label1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFInfo::label1Click()
{
    if (openUrl)
        openUrl(QUrl(QString::fromLatin1(kProductPage)));
}

} // namespace anodyne
