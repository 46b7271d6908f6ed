// The About and Help windows: their texts, places, clicks and what survives
// closing and showing again.
#include "ui/uhelp.h"
#include "ui/uinfo.h"
#include "ui/captionzoom.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace anodyne;

class TestInfoHelp : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFInfo> info;
    std::unique_ptr<TFHelp> help;
    QList<QUrl> opened; // pages the About window asked the system to open

    template <typename T> T* child(QWidget* window, const char* name)
    {
        auto* w = window->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr)
            qFatal("no control %s", name);
        return w;
    }
    QWidget* control(const QString& name)
    {
        if (name == QLatin1String("FInfo"))
            return info.get();
        if (name == QLatin1String("FHelp"))
            return help.get();
        QWidget* w = info->findChild<QWidget*>(name);
        return w != nullptr ? w : help->findChild<QWidget*>(name);
    }

private slots:
    // Both windows as the program makes them at start-up: hidden.
    void init()
    {
        info = std::make_unique<TFInfo>();
        help = std::make_unique<TFHelp>();
        opened.clear();
        info->setUrlOpener([this](const QUrl& url) { opened.append(url); });
    }
    void cleanup()
    {
        info.reset();
        help.reset();
    }

    void createdHidden()
    {
        QCOMPARE(info->objectName(), QStringLiteral("FInfo"));
        QCOMPARE(help->objectName(), QStringLiteral("FHelp"));
        QVERIFY(!info->isVisible());
        QVERIFY(!help->isVisible());
        QVERIFY(info->isWindow());
        QVERIFY(help->isWindow());
        QVERIFY(info->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(help->windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(help->windowTitle(), QStringLiteral(" Help"));
        // Neither window may hold the program open after the main window closed.
        QVERIFY(!info->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("About window") << "FInfo" << QRect(450, 234, 406, 215);
        QTest::newRow("title") << "ULLabel1" << QRect(66, 7, 268, 22);
        QTest::newRow("slogan 1") << "ULLabel2" << QRect(55, 40, 345, 18);
        QTest::newRow("slogan 2") << "ULLabel6" << QRect(173, 62, 226, 18);
        QTest::newRow("slogan 3") << "ULLabel4" << QRect(173, 84, 172, 18);
        QTest::newRow("picture") << "ULImage1" << QRect(5, 64, 164, 143);
        QTest::newRow("note") << "Label2" << QRect(184, 125, 208, 26);
        QTest::newRow("link") << "Label1" << QRect(185, 153, 199, 13);
        QTest::newRow("notice") << "ULLabel3" << QRect(173, 190, 227, 17);
        QTest::newRow("Help window") << "FHelp" << QRect(419, 146, 439, 284);
        QTest::newRow("help text") << "RichEdit1" << QRect(2, 3, 434, 241);
        QTest::newRow("Close") << "Button1" << QRect(201, 252, 52, 25);
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QWidget* w = control(name);
        QVERIFY2(w != nullptr, qPrintable(name));
        // A window's place is its outer corner, its size the client area.
        QCOMPARE(QRect(w->isWindow() ? w->frameGeometry().topLeft() : w->pos(), w->size()), place);
    }

    void aboutTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "ULLabel1" << "Anodyne PA Calculator V1.0";
        QTest::newRow("slogan 1") << "ULLabel2" << "Just a few cklicks to achieve PA input/output matching";
        QTest::newRow("slogan 2") << "ULLabel6" << "and SWR charts in a wide frequency";
        QTest::newRow("slogan 3") << "ULLabel4" << "and load impedance range.";
        QTest::newRow("note") << "Label2" << "Program is still under development. \nCheck updates.";
        QTest::newRow("link") << "Label1" << QString::fromLatin1(kProductPage);
        QTest::newRow("notice") << "ULLabel3" << QString::fromLatin1(kMakerNotice);
    }
    // Each text as written, fully inside its box in the font it is drawn with.
    void aboutTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        info->showWindow(); // the card dresses itself when first shown
        auto* label = child<QLabel>(info.get(), qPrintable(name));
        QCOMPARE(label->text(), text);
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text);
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(QStringLiteral("%1 needs %2 x %3").arg(name).arg(needed.width()).arg(needed.height())));
    }

    void aboutLook()
    {
        info->showWindow(); // the card dresses itself when first shown
        for (const char* name : {"ULLabel1", "ULLabel2", "ULLabel6", "ULLabel4", "ULLabel3"}) {
            auto* label = child<QLabel>(info.get(), name);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x8B));
            QVERIFY(label->font().styleStrategy() & QFont::PreferAntialias);
        }
        const QFont link = child<QLabel>(info.get(), "Label1")->font();
        QVERIFY(link.bold() && link.italic() && link.underline());
        QVERIFY(child<QLabel>(info.get(), "Label2")->font().italic());
        // The slogan is one sentence over three labels: one size throughout.
        const int slogan = child<QLabel>(info.get(), "ULLabel2")->font().pixelSize();
        QCOMPARE(child<QLabel>(info.get(), "ULLabel6")->font().pixelSize(), slogan);
        QCOMPARE(child<QLabel>(info.get(), "ULLabel4")->font().pixelSize(), slogan);

        const QImage picture = child<QLabel>(info.get(), "ULImage1")->pixmap().toImage();
        QCOMPARE(picture.size(), QSize(164, 143));
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 3)
            for (int x = 0; x < picture.width(); x += 3)
                colours.insert(picture.pixel(x, y));
        QVERIFY2(colours.size() > 200, "the picture is not a shaded photograph");
    }

    // A click anywhere but on the link hides the window, which stays in being.
    void aboutClickCloses_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("picture") << "ULImage1" << QPoint(80, 70);
        QTest::newRow("background") << "FInfo" << QPoint(20, 20);
        QTest::newRow("title") << "ULLabel1" << QPoint(10, 10);
        QTest::newRow("note") << "Label2" << QPoint(10, 5);
        QTest::newRow("notice") << "ULLabel3" << QPoint(5, 5);
    }
    void aboutClickCloses()
    {
        QFETCH(QString, target);
        QFETCH(QPoint, at);
        info->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(info.get()));
        QPointer<TFInfo> alive(info.get());
        QTest::mouseClick(control(target), Qt::LeftButton, {}, at);
        QVERIFY(!info->isVisible());
        QVERIFY(alive);
        QVERIFY(opened.isEmpty());
        // Shown again: the same window, once.
        info->showWindow();
        QVERIFY(info->isVisible());
        int abouts = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            abouts += w->objectName() == QLatin1String("FInfo");
        QCOMPARE(abouts, 1);
    }

    void aboutRightClickStaysOpen()
    {
        info->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(info.get()));
        QTest::mouseClick(info.get(), Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(info->isVisible());
    }

    void aboutLinkOpensPage()
    {
        info->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(info.get()));
        QTest::mouseClick(control("Label1"), Qt::LeftButton, {}, QPoint(20, 6));
        QCOMPARE(opened, QList<QUrl>{QUrl(QString::fromLatin1(kProductPage))});
        QVERIFY(info->isVisible());
        QVERIFY(QUrl(QString::fromLatin1(kProductPage)).isValid());
    }

    void helpText_data()
    {
        const QString dot = QString(QChar(0x00B7)) + QLatin1Char('\t');
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("01 empty") << 1 << "";
        QTest::newRow("02 heading") << 2 << "Anodyne Calculator is able to:";
        QTest::newRow("03 calculate") << 3 << dot + "Calculate Pi-network matching-circuit values. ";
        QTest::newRow("04 charts") << 4 << dot + "Draw SWR charts. ";
        QTest::newRow("05 save") << 5 << dot + "Save calculated data to file. ";
        QTest::newRow("06 load") << 6 << dot + "Load saved data from file. ";
        QTest::newRow("07 empty") << 7 << "";
        QTest::newRow("08 usage") << 8 << "Usage is very simple. ";
        QTest::newRow("09 fill") << 9 << "- Fill or change parameters in an appropriate fields according to tube ";
        QTest::newRow("10 datasheet") << 10 << "   datasheet and your amplifier working mode.";
        QTest::newRow("11 schematic") << 11 << "- Click on schematic image to get input and output network values.";
        QTest::newRow("12 again") << 12 << "   Do not forget click again if any field or calculation method was changed.";
        QTest::newRow("13 charts") << 13 << "- Click on charts to view input and output circuit SWR curves.";
        QTest::newRow("14 sweep") << 14 << "   Change sweep frequencies and cklick twice on charts to wiev SWR";
        QTest::newRow("15 twice") << 15 << "   curves in a wide or narrow band. Just click twice, not double click.";
        QTest::newRow("16 file") << 16 << "- Use menu File to save your amplifier calculated data and to import";
        QTest::newRow("17 earlier") << 17 << "   from saved earlier. ";
    }
    void helpText()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        const QStringList lines = child<QPlainTextEdit>(help.get(), "RichEdit1")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines.at(line - 1), text);
    }

    void helpBox()
    {
        auto* box = child<QPlainTextEdit>(help.get(), "RichEdit1");
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(child<QPushButton>(help.get(), "Button1")->text(), QStringLiteral("Close"));
        // "Close" comes first in the tab order.
        QCOMPARE(help->nextInFocusChain(), static_cast<QWidget*>(child<QPushButton>(help.get(), "Button1")));
    }

    // Return does not break a line; ordinary typing edits the text.
    void helpReturnNotTaken_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    }
    void helpReturnNotTaken()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto* box = child<QPlainTextEdit>(help.get(), "RichEdit1");
        help->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
        box->setFocus();
        const QString before = box->toPlainText();
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->toPlainText(), before);
        QTest::keyClicks(box, "x");
        QCOMPARE(box->toPlainText().size(), before.size() + 1);
    }

    void helpCloseKeepsEdits()
    {
        auto* box = child<QPlainTextEdit>(help.get(), "RichEdit1");
        help->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, "My note");
        const QString edited = box->toPlainText();
        QVERIFY(edited.endsWith(QStringLiteral("from saved earlier. My note")));

        QPointer<TFHelp> alive(help.get());
        QTest::mouseClick(child<QPushButton>(help.get(), "Button1"), Qt::LeftButton);
        QVERIFY(!help->isVisible());
        QVERIFY(alive);

        help->showWindow();
        QVERIFY(help->isVisible());
        QCOMPARE(child<QPlainTextEdit>(help.get(), "RichEdit1"), box);
        QCOMPARE(box->toPlainText(), edited);
    }

    void zoomCentre_data()
    {
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("About window") << QRect(450, 234, 406, 215) << QPoint(653, 341);
        QTest::newRow("odd sizes truncate") << QRect(0, 0, 7, 5) << QPoint(3, 2);
        QTest::newRow("left of the screen") << QRect(-101, -51, 101, 51) << QPoint(-51, -26);
    }
    void zoomCentre()
    {
        QFETCH(QRect, bounds);
        QFETCH(QPoint, centre);
        const QRect c = anodyne::ui::zoomCentre(bounds);
        QCOMPARE(c.topLeft(), centre);
        QVERIFY(c.isEmpty());
        QCOMPARE(c.size(), QSize(0, 0));
    }

    // Offscreen the zoom draws nothing and leaves no window behind.
    void zoomOffscreenIsSilent()
    {
        const int before = QApplication::topLevelWidgets().size();
        QCOMPARE(anodyne::ui::zoomOpen(QRect(10, 10, 200, 100)), 0);
        QCOMPARE(anodyne::ui::zoomClose(QRect(10, 10, 200, 100)), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    }
};

QTEST_MAIN(TestInfoHelp)
#include "tst_infohelp.moc"
