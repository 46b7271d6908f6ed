#include "uhelp.h"

#include "programfont.h"
#include "ui_uhelp.h"

#include <QKeyEvent>

namespace anodyne {

namespace {

QString helpText()
{
    const QString dot = QString(QChar(0x00B7)) + QLatin1Char('\t');
    const QStringList lines = {
        QString(),
        QStringLiteral("Anodyne Calculator is able to:"),
        dot + QStringLiteral("Calculate Pi-network matching-circuit values. "),
        dot + QStringLiteral("Draw SWR charts. "),
        dot + QStringLiteral("Save calculated data to file. "),
        dot + QStringLiteral("Load saved data from file. "),
        QString(),
        QStringLiteral("Usage is very simple. "),
        QStringLiteral("- Fill or change parameters in an appropriate fields according to tube "),
        QStringLiteral("   datasheet and your amplifier working mode."),
        QStringLiteral("- Click on schematic image to get input and output network values."),
        QStringLiteral("   Do not forget click again if any field or calculation method was changed."),
        QStringLiteral("- Click on charts to view input and output circuit SWR curves."),
        QStringLiteral("   Change sweep frequencies and cklick twice on charts to wiev SWR"),
        QStringLiteral("   curves in a wide or narrow band. Just click twice, not double click."),
        QStringLiteral("- Use menu File to save your amplifier calculated data and to import"),
        QStringLiteral("   from saved earlier. "),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TFHelp::TFHelp(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TFHelp>())
{
    setFont(programFont(11));
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    navy.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    navy.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x80));
    setPalette(navy);

    ui->setupUi(this);
    move(419, 146);
    setFixedSize(439, 284);
    // Open or not, the Help window must not keep the program alive once the
    // main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    QPlainTextEdit* text = ui->RichEdit1;
    QPalette box = text->palette();
    box.setColor(QPalette::Base, box.color(QPalette::HighlightedText));
    text->setPalette(box);
    // Half-inch tab stops, as in the usual rich-text box.
    text->setTabStopDistance(48);
    text->setPlainText(helpText());
    // The box does not take the Enter key: Return never breaks a line of the text.
    text->installEventFilter(this);

    connect(ui->Button1, &QPushButton::clicked, this, &QWidget::close);
}

TFHelp::~TFHelp() = default;

void TFHelp::showWindow()
{
    show();
    raise();
    activateWindow();
}

bool TFHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->RichEdit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace anodyne
