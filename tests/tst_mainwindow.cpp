// The main window: its controls, places and start-up texts, the small handlers,
// the band list under both decimal separators, a design pass started from the
// schematic, the error display and the plug-in points of the charts and menus.
#include "boxguard.h"

#include "design/apperror.h"
#include "design/designform.h"
#include "design/numtext.h"
#include "ui/application.h"
#include "ui/datadialogs.h"
#include "ui/messages.h"
#include "ui/programfont.h"
#include "ui/resultlabel.h"
#include "ui/spinfield.h"
#include "ui/startupdir.h"
#include "ui/swrchart.h"
#include "ui/umain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QMenu>
#include <QLocale>
#include <QRadioButton>
#include <QtCharts/QValueAxis>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace anodyne;
using anodyne::ui::TMain;

using Texts = QMap<QString, QString>; // control -> text shown

namespace {

QLocale localeFor(const QString& separator)
{
    return separator == QLatin1String(",") ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::C);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyControlExists_data();
    void everyControlExists();
    void windowFrame();
    void applicationSettings();
    void places_data();
    void places();
    void startUpState();
    void tabOrder();
    void rightJustifiedLabelKeepsRightEdge_data();
    void rightJustifiedLabelKeepsRightEdge();
    void calculateBoxEnablesRinField();
    void checkQBoxesExcludeEachOther_data();
    void checkQBoxesExcludeEachOther();
    void bandList_data();
    void bandList();
    void schematicClickRunsDesign_data();
    void schematicClickRunsDesign();
    void typedValueIsReadBeforeLeaving();
    void tubeCountZeroShowsDivisionError();
    void negativeLoadShowsMathError();
    void errorDisplayText_data();
    void errorDisplayText();
    void chartClicksRunSweeps();
    void everyMethodPair_data();
    void everyMethodPair();
    void frequencyLabelStep_data();
    void frequencyLabelStep();
    void saveAndOpenThroughDialogs();
    void chartKeepsPointsAscending();
    void menuEntries();

private:
    TMain& window() { return *main_; }
    void makeWindow();
    QString text(const char* control) { return QString::fromStdString(main_->form().text(control)); }
    template <class T>
    T* find(const QString& name) { return main_->findChild<T*>(name); }

    std::unique_ptr<anodyne::test::BoxGuard> guard_;
    std::unique_ptr<TMain> main_;
};

// Every window here is made as the program makes it: after the entry's settings.
void TestMainWindow::initTestCase()
{
    ui::prepareApplication();
}

void TestMainWindow::init()
{
    guard_ = std::make_unique<anodyne::test::BoxGuard>();
    makeWindow();
}

void TestMainWindow::makeWindow()
{
    main_ = std::make_unique<TMain>();
    main_->show();
    QApplication::setActiveWindow(main_.get());
    QVERIFY(QTest::qWaitForWindowActive(main_.get()));
}

void TestMainWindow::cleanup()
{
    main_.reset();
    QLocale::setDefault(QLocale(QLocale::C));
    for (const auto& b : guard_->boxes)
        qWarning("box left unchecked: %s", qPrintable(b.text));
    const bool noBoxes = guard_->boxes.empty();
    const bool noDialogs = guard_->strayDialogs.isEmpty();
    guard_.reset();
    QVERIFY2(noBoxes, "unexpected message box");
    QVERIFY2(noDialogs, "unexpected modal dialog");
}

void TestMainWindow::everyControlExists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    auto rows = [](const char* kind, std::initializer_list<const char*> names) {
        for (const char* n : names)
            QTest::newRow(n) << QString::fromLatin1(n) << QString::fromLatin1(kind);
    };
    rows("anodyne::ui::SpinField",
         {"UaSpinEdit", "IaSpinEdit", "SSpinEdit", "CinSpinEdit", "CipSpinEdit", "CotSpinEdit", "CopSpinEdit",
          "EffSpinEdit", "FrSpinEdit", "TqSpinEdit", "RinSpinEdit", "QioSpinEdit", "QilSpinEdit", "QooSpinEdit",
          "QolSpinEdit", "ILFSpinEdit", "IHFSpinEdit", "OLFSpinEdit", "OHFSpinEdit"});
    rows("anodyne::ui::ResultLabel",
         {"PiLabel", "UinLabel", "RexLabel", "LiLabel", "Ci1Label", "Ci2Label", "Label20", "IinLabel", "RinLabel",
          "OhmLabel", "Label22", "UiLabel", "CiLabel", "Label21", "SLabel", "CtLabel", "UaLabel", "PaoLabel",
          "PadLabel", "ReLabel", "IaLabel", "Co1Label", "LoLabel", "Co2Label", "UouLabel", "PrfLabel", "RaLabel",
          "INComLabel", "INSWRLabel", "OUComLabel", "OUSWRLabel"});
    rows("QLineEdit", {"RaEdit", "RexEdit", "TubeEdit", "KiefEdit", "KoefEdit"});
    rows("QRadioButton", {"TRIButton", "TETButton", "InARRLButton", "InUA3DAButton", "InIMPButton", "InW5FDButton",
                          "InZorvexButton", "OuARRLButton", "OuUA3DAButton", "OuIMPButton", "OuW5FDButton",
                          "OuZorvexButton"});
    rows("QCheckBox", {"RinCheckBox", "QiCheckBox", "QoCheckBox"});
    rows("QGroupBox", {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6", "GroupBox7"});
    rows("QComboBox", {"FrComboBox"});
    rows("QFrame", {"Panel1", "Panel2"});
    rows("anodyne::ui::Schematic", {"Image1"});
    rows("anodyne::ui::SwrChart", {"Chart1", "Chart2"});
    rows("QAction", {"MOpen", "MSave", "MExit", "MUse", "MAbout"});
    rows("QMenu", {"MHelp"});
}

void TestMainWindow::everyControlExists()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QObject* o = main_->findChild<QObject*>(name);
    QVERIFY2(o != nullptr, qPrintable(name));
    QVERIFY2(o->inherits(kind.toLatin1().constData()), o->metaObject()->className());
    QCOMPARE(main_->findChildren<QObject*>(name).size(), 1);
}

void TestMainWindow::windowFrame()
{
    QCOMPARE(main_->objectName(), QStringLiteral("Main"));
    QVERIFY(main_->windowTitle().startsWith(QStringLiteral(" Anodyne PA V1.0     ")));
    QVERIFY(main_->windowTitle().size() > 21);
    QCOMPARE(main_->client()->size(), QSize(788, 703));
    QCOMPARE(main_->minimumSize(), main_->maximumSize());
    QVERIFY(!(main_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(main_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(main_->pos(), QPoint(356, 51));
    QCOMPARE(main_->font().pixelSize(), 11);
    QCOMPARE(find<QLabel>("UaLabel")->font().pixelSize(), 13);
    QCOMPARE(find<QLabel>("SLabel")->font().pixelSize(), 9);
    QCOMPARE(find<QLabel>("Label22")->font().pixelSize(), 11);
    QCOMPARE(find<QLabel>("UaLabel")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(find<QLabel>("Label22")->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(find<QLabel>("INComLabel")->font().bold());
}

// What the entry sets before any window: the icon from the library's own
// resources, and the program's face for every part that names none of its own.
void TestMainWindow::applicationSettings()
{
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!QApplication::windowIcon().pixmap(QSize(32, 32)).isNull());
    QVERIFY(!QApplication::quitOnLastWindowClosed());
    for (const char* popup : {"MFile", "MHelp"}) {
        const QMenu* menu = find<QMenu>(popup);
        QVERIFY2(menu != nullptr, popup);
        QCOMPARE(menu->font().family(), programFamily());
        QCOMPARE(menu->font().pixelSize(), 11);
    }
    const QComboBox* bands = find<QComboBox>("FrComboBox");
    QVERIFY(bands != nullptr);
    QCOMPARE(bands->view()->font().family(), programFamily());
}

void TestMainWindow::places_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // in the client area; width or height -1 where the text decides

    auto row = [](const char* n, int x, int y, int w, int h) { QTest::newRow(n) << QString::fromLatin1(n) << QRect(x, y, w, h); };
    row("Image1", 4, 7, 779, 220);
    row("Panel1", 5, 1, 780, 2);
    row("Panel2", 5, 230, 780, 2);
    row("GroupBox1", 3, 237, 211, 461);
    row("GroupBox2", 218, 505, 282, 194);
    row("GroupBox3", 503, 505, 282, 194);
    row("Chart1", 218, 237, 282, 263);
    row("Chart2", 503, 237, 282, 263);
    row("UaSpinEdit", 3 + 131, 237 + 14, 72, -1);
    row("EffSpinEdit", 3 + 131, 237 + 182, 72, -1);
    row("FrSpinEdit", 3 + 105, 237 + 206, 80, -1);
    row("FrComboBox", 3 + 130, 237 + 206, 72, -1);
    row("TqSpinEdit", 3 + 163, 237 + 269, 40, -1);
    row("RinSpinEdit", 3 + 149, 237 + 294, 54, -1);
    row("TRIButton", 3 + 4, 237 + 230, 192, -1);
    row("TubeEdit", 3 + 63, 237 + 435, 140, -1);
    row("GroupBox5", 3 + 7, 237 + 315, 196, 58);
    row("INSWRLabel", 3 + 7 + 10, 237 + 315 + 35, 180, 16);
    row("OUComLabel", 3 + 7 + 10, 237 + 373 + 16, 180, 16);
    row("QilSpinEdit", 218 + 200, 505 + 42, 72, -1);
    row("RexEdit", 218 + 218, 505 + 90, 54, -1);
    row("QiCheckBox", 218 + 115, 505 + 45, 72, -1);
    row("QoCheckBox", 503 + 115, 505 + 43, -1, -1);
    row("InIMPButton", 218 + 7 + 10, 505 + 115 + 43, 159, -1);
    row("OuUA3DAButton", 503 + 7 + 184, 505 + 115 + 21, 72, -1);
    row("ILFSpinEdit", 218 + 2, 237 + 242, 91, -1);
    row("IHFSpinEdit", 218 + 188, 237 + 242, 92, -1);
    row("OHFSpinEdit", 503 + 188, 237 + 242, 92, -1);
    row("LiLabel", 121, 50, 103, 18);
    row("OhmLabel", 285, 98, 29, 16);
    row("UaLabel", 416, 26, 71, 16);
    row("PaoLabel", 414, 45, 79, 16);
    row("IaLabel", 495, 63, 60, 16);
    row("Ci1Label", 116, 112, -1, -1);
    row("RaLabel", 688, 78, -1, -1);
}

void TestMainWindow::places()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    auto* w = main_->findChild<QWidget*>(name);
    QVERIFY(w != nullptr);
    const QRect actual(w->mapTo(main_->client(), QPoint(0, 0)), w->size());
    QCOMPARE(actual.topLeft(), rect.topLeft());
    if (rect.width() >= 0)
        QCOMPARE(actual.width(), rect.width());
    if (rect.height() >= 0)
        QCOMPARE(actual.height(), rect.height());
}

void TestMainWindow::startUpState()
{
    const Texts expected{
        {"UaSpinEdit", "1050"},   {"IaSpinEdit", "0.500"},  {"SSpinEdit", "2.5"},    {"CinSpinEdit", "10.0"},
        {"CipSpinEdit", "5"},     {"CotSpinEdit", "10.0"},  {"CopSpinEdit", "30"},   {"EffSpinEdit", "0.65"},
        {"FrSpinEdit", "14.050"}, {"TqSpinEdit", "1"},      {"RinSpinEdit", "1"},    {"QioSpinEdit", "80"},
        {"QilSpinEdit", "3.0"},   {"QooSpinEdit", "200"},   {"QolSpinEdit", "13.0"}, {"ILFSpinEdit", "14.050"},
        {"IHFSpinEdit", "14.050"}, {"OLFSpinEdit", "14.050"}, {"OHFSpinEdit", "14.050"}, {"RexEdit", "50"},
        {"RaEdit", "50"},         {"TubeEdit", ""},         {"KiefEdit", ""},        {"KoefEdit", ""},
        {"PiLabel", "Pi"},        {"UinLabel", "Uin"},      {"RexLabel", "Rex"},     {"LiLabel", "Li"},
        {"Ci1Label", "Ci1"},      {"Ci2Label", "Ci2"},      {"Label20", "pF"},       {"IinLabel", "Iin"},
        {"RinLabel", "Rin"},      {"OhmLabel", "Ohm"},      {"Label22", ""},         {"UiLabel", "Ui"},
        {"CiLabel", "Ci"},        {"Label21", "pF"},        {"SLabel", ""},          {"CtLabel", "Ct"},
        {"UaLabel", "Ua"},        {"PaoLabel", "Pao"},      {"PadLabel", "Pad"},     {"ReLabel", "Re"},
        {"IaLabel", "Ia"},        {"Co1Label", "Co1"},      {"LoLabel", "Lo"},       {"Co2Label", "Co2"},
        {"UouLabel", "Uou"},      {"PrfLabel", "Prf"},      {"RaLabel", "Ra"},       {"INComLabel", ""},
        {"INSWRLabel", ""},       {"OUComLabel", ""},       {"OUSWRLabel", ""}};
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(text(it.key().toLatin1().constData()), it.value());

    DesignForm& f = window().form();
    for (const char* on : {"TRIButton", "RinCheckBox", "InARRLButton", "OuARRLButton"})
        QVERIFY2(f.isChecked(on), on);
    for (const char* off : {"TETButton", "QiCheckBox", "QoCheckBox", "InW5FDButton", "OuZorvexButton"})
        QVERIFY2(!f.isChecked(off), off);
    QVERIFY(!f.isEnabled("RinSpinEdit"));
    QVERIFY(f.isEnabled("UaSpinEdit"));
}

void TestMainWindow::tabOrder()
{
    // Tab visits each group in its order; the disabled Rin field and the unchecked
    // radio buttons of a group are passed over.
    const QStringList expected{
        "UaSpinEdit", "IaSpinEdit", "SSpinEdit", "CinSpinEdit", "CipSpinEdit", "CotSpinEdit", "CopSpinEdit",
        "EffSpinEdit", "FrSpinEdit", "TRIButton", "TqSpinEdit", "RinCheckBox", "TubeEdit", "FrComboBox",
        "RexEdit", "QioSpinEdit", "QilSpinEdit", "KiefEdit", "InARRLButton", "QiCheckBox",
        "RaEdit", "QooSpinEdit", "QolSpinEdit", "KoefEdit", "OuARRLButton", "QoCheckBox",
        "ILFSpinEdit", "IHFSpinEdit", "OLFSpinEdit", "OHFSpinEdit", "UaSpinEdit"};
    find<QWidget>("UaSpinEdit")->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QWidget* w = QApplication::focusWidget();
        while (w != nullptr && w->objectName().isEmpty())
            w = w->parentWidget(); // the edit inside a spin field
        visited << (w != nullptr ? w->objectName() : QStringLiteral("-"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::rightJustifiedLabelKeepsRightEdge_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("rightEdge");
    QTest::newRow("Rin") << "RinLabel" << 283;
    QTest::newRow("Ci2") << "Ci2Label" << 206;
    QTest::newRow("Ci") << "CiLabel" << 374;
    QTest::newRow("Co2") << "Co2Label" << 662;
    QTest::newRow("series equivalent") << "Label22" << 308;
    QTest::newRow("transconductance") << "SLabel" << 394;
}

void TestMainWindow::rightJustifiedLabelKeepsRightEdge()
{
    QFETCH(QString, label);
    QFETCH(int, rightEdge);
    auto* l = find<QLabel>(label);
    int lastWidth = -1;
    for (const char* t : {"7", "230", "12345.6", "1"}) {
        window().form().setText(label.toStdString(), t);
        QCOMPARE(l->x() + l->width(), rightEdge);
        QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(QString::fromLatin1(t)));
        QVERIFY(l->width() != lastWidth);
        lastWidth = l->width();
    }
    // A label that keeps its left edge grows to the right instead.
    auto* left = find<QLabel>("ReLabel");
    window().form().setText("ReLabel", "1260 Ohm");
    QCOMPARE(left->x(), 480);
    QVERIFY(left->width() >= left->fontMetrics().horizontalAdvance(QStringLiteral("1260 Ohm")));
}

void TestMainWindow::calculateBoxEnablesRinField()
{
    auto* box = find<QCheckBox>("RinCheckBox");
    auto* rin = find<ui::SpinField>("RinSpinEdit");
    QVERIFY(!rin->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QVERIFY(rin->isEnabled());
    QTRY_VERIFY(rin->hasFocus());

    find<QLineEdit>("TubeEdit")->setFocus();
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QVERIFY(rin->isEnabled()); // disabled again only by the next calculation
    QTRY_VERIFY(rin->hasFocus());

    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!rin->isEnabled());
}

void TestMainWindow::checkQBoxesExcludeEachOther_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("byForm"); // set through the form interface instead of a click
    QTest::newRow("input after output") << "QoCheckBox" << "QiCheckBox" << false;
    QTest::newRow("output after input") << "QiCheckBox" << "QoCheckBox" << false;
    QTest::newRow("input after output, set by the form") << "QoCheckBox" << "QiCheckBox" << true;
    QTest::newRow("output after input, set by the form") << "QiCheckBox" << "QoCheckBox" << true;
}

void TestMainWindow::checkQBoxesExcludeEachOther()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, byForm);
    DesignForm& f = window().form();
    auto check = [&](const QString& name) {
        if (byForm)
            f.setChecked(name.toStdString(), true);
        else
            QTest::mouseClick(find<QCheckBox>(name), Qt::LeftButton);
    };
    check(first);
    QVERIFY(f.isChecked(first.toStdString()));
    check(second);
    QVERIFY(f.isChecked(second.toStdString()));
    QVERIFY(!f.isChecked(first.toStdString()));

    // Unchecking the box checked last changes nothing else.
    f.setChecked(second.toStdString(), false);
    QVERIFY(!f.isChecked(second.toStdString()));
    QVERIFY(!f.isChecked(first.toStdString()));
}

void TestMainWindow::bandList_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7.030 under point") << "." << "7.030" << "7.030";
    QTest::newRow("432.200 under point") << "." << "432.200" << "432.200";
    QTest::newRow("1.830 under point") << "." << "1.830" << "1.830";
    QTest::newRow("7.030 under comma") << "," << "7.030" << "7,030";
    QTest::newRow("10.125 under comma") << "," << "10.125" << "10,125";
    QTest::newRow("432.200 under comma") << "," << "432.200" << "432,200";
}

void TestMainWindow::bandList()
{
    QFETCH(QString, separator);
    QFETCH(QString, band);
    QFETCH(QString, shown);
    QLocale::setDefault(localeFor(separator));
    makeWindow();
    QCOMPARE(text("FrSpinEdit"), separator == "," ? QStringLiteral("14,050") : QStringLiteral("14.050"));

    auto* combo = find<QComboBox>("FrComboBox");
    QCOMPARE(combo->count(), 38);
    QCOMPARE(combo->itemText(0), QStringLiteral("1.830"));
    QCOMPARE(combo->itemText(37), QStringLiteral("432.200"));
    QCOMPARE(combo->maxVisibleItems(), 7);
    const int index = combo->findText(band);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index); // as when the user picks the entry
    QCOMPARE(text("FrSpinEdit"), shown);
}

void TestMainWindow::schematicClickRunsDesign_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Texts>("expected");
    const Texts point{{"UaLabel", "1050V"},   {"RaLabel", "50 Ohm"},   {"IaLabel", "0.50A"},
                      {"PaoLabel", "525.0W"}, {"ReLabel", "1260 Ohm"}, {"EffSpinEdit", "0.65"},
                      {"PrfLabel", "341.3W"}, {"PadLabel", "183.8W"},  {"UouLabel", "130.6V"},
                      {"CtLabel", "40.0pF"},  {"SLabel", "2.5ma/V"},   {"RexLabel", "50 Ohm"},
                      {"KiefEdit", "0.962"},  {"CiLabel", "15.0"},     {"Label22", "209.8-j63.7"},
                      {"RinLabel", "230"},    {"RinSpinEdit", "230"},  {"PiLabel", "63W"},
                      {"UiLabel", "119.2V"},  {"UinLabel", "55.7V"},   {"IinLabel", "0.5A"}};
    QTest::newRow("point") << "." << point;
    Texts comma;
    for (auto it = point.begin(); it != point.end(); ++it)
        comma[it.key()] = QString(it.value()).replace('.', ',');
    QTest::newRow("comma") << "," << comma;
}

void TestMainWindow::schematicClickRunsDesign()
{
    QFETCH(QString, separator);
    QFETCH(Texts, expected);
    QLocale::setDefault(localeFor(separator));
    makeWindow();
    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(400, 120));
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(text(it.key().toLatin1().constData()), it.value());
    QVERIFY(find<QLabel>("Label22")->isVisible());
    QVERIFY(!find<ui::SpinField>("RinSpinEdit")->isEnabled());
    QCOMPARE(window().state().Ra, 50);
    QCOMPARE(window().state().Prf, 341.25f);
}

void TestMainWindow::typedValueIsReadBeforeLeaving()
{
    // A plate current that keeps the plate load near 1 kOhm, so the whole pass completes.
    window().form().setText("IaSpinEdit", "12.000");
    auto* ua = find<ui::SpinField>("UaSpinEdit");
    ua->setFocus();
    QTRY_VERIFY(ua->hasFocus());
    ua->selectAll();
    QTest::keyClicks(ua, QStringLiteral("20000"));
    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(300, 50));
    QCOMPARE(text("UaLabel"), QStringLiteral("20000V"));
    QVERIFY(ua->hasFocus()); // the picture takes no focus
    QCOMPARE(text("UaSpinEdit"), QStringLiteral("20000"));
    find<QLineEdit>("TubeEdit")->setFocus();
    QTRY_COMPARE(text("UaSpinEdit"), QStringLiteral("10000"));
}

void TestMainWindow::tubeCountZeroShowsDivisionError()
{
    window().form().setText("TqSpinEdit", "0");
    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(guard_->boxes.size(), size_t(1));
    const ui::BoxRequest box = guard_->boxes.front();
    guard_->boxes.clear();
    QCOMPARE(box.kind, ui::BoxKind::Error);
    QCOMPARE(box.text, QStringLiteral("Floating point division by zero."));
    QCOMPARE(box.caption, QStringLiteral("tst_mainwindow"));
    // The pass ended at the plate load: earlier labels are written, later ones are not.
    QCOMPARE(text("UaLabel"), QStringLiteral("1050V"));
    QCOMPARE(text("IaLabel"), QStringLiteral("0.00A"));
    QCOMPARE(text("PaoLabel"), QStringLiteral("0.0W"));
    QCOMPARE(text("ReLabel"), QStringLiteral("Re"));
    // The program goes on: the next pass works.
    window().form().setText("TqSpinEdit", "1");
    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(text("ReLabel"), QStringLiteral("1260 Ohm"));
}

void TestMainWindow::negativeLoadShowsMathError()
{
    window().form().setText("RaEdit", "-50");
    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!guard_->boxes.empty());
    const ui::BoxRequest box = guard_->boxes.front();
    guard_->boxes.clear();
    QCOMPARE(box.kind, ui::BoxKind::Error);
    QCOMPARE(box.text, QStringLiteral("sqrt: DOMAIN error"));
    QCOMPARE(box.caption, QStringLiteral("tst_mainwindow"));
}

void TestMainWindow::errorDisplayText_data()
{
    QTest::addColumn<QString>("raised");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full stop added") << "'abc' is not a valid floating point value"
                                     << "'abc' is not a valid floating point value.";
    QTest::newRow("full stop kept") << "Cannot open file x.amp." << "Cannot open file x.amp.";
    QTest::newRow("conversion of RexEdit") << "" << "'5O' is not a valid floating point value.";
}

void TestMainWindow::errorDisplayText()
{
    QFETCH(QString, raised);
    QFETCH(QString, shown);
    if (raised.isEmpty()) { // through the window: a letter O typed for a zero
        window().form().setText("RexEdit", "5O");
        QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(10, 10));
    } else {
        ui::guarded([&] { throw AppError(raised.toStdString()); });
    }
    QCOMPARE(guard_->boxes.size(), size_t(1));
    QCOMPARE(guard_->boxes.front().text, shown);
    QCOMPARE(guard_->boxes.front().kind, ui::BoxKind::Error);
    guard_->boxes.clear();
}

void TestMainWindow::chartClicksRunSweeps()
{
    ui::SwrChart* c1 = window().chart1();
    ui::SwrChart* c2 = window().chart2();
    // Before any calculation there are no components: the sweep faults, nothing is plotted.
    QTest::mouseClick(c1->viewport(), Qt::LeftButton, {}, QPoint(140, 120));
    QCOMPARE(guard_->boxes.size(), size_t(1));
    QCOMPARE(guard_->boxes.front().text, QStringLiteral("Floating point division by zero."));
    guard_->boxes.clear();
    QVERIFY(c1->points().isEmpty());

    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(400, 120));
    QCOMPARE(text("ILFSpinEdit"), QStringLiteral("13.82"));
    QCOMPARE(text("IHFSpinEdit"), QStringLiteral("14.28"));
    QCOMPARE(text("OLFSpinEdit"), QStringLiteral("13.78"));
    QCOMPARE(text("OHFSpinEdit"), QStringLiteral("14.32"));

    QTest::mouseClick(c1->viewport(), Qt::LeftButton, {}, QPoint(140, 120));
    QList<QPointF> pts = c1->points();
    QCOMPARE(pts.size(), 21);
    QCOMPARE(pts.front().x(), 13.82);
    QCOMPARE(pts[1].x(), 13.84);
    QCOMPARE(pts.back().x(), 14.28);
    QVERIFY(c2->points().isEmpty());
    QTest::mouseClick(c2->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(c2->points().size(), 21);
    QCOMPARE(c2->points().front().x(), 13.78);
    QCOMPARE(c2->points().back().x(), 14.32);

    // The limit fields sit on the chart but are not part of its click; a changed limit
    // shows on the second click, after the first has taken it over.
    auto* lo = find<ui::SpinField>("ILFSpinEdit");
    QTest::mouseClick(lo, Qt::LeftButton, {}, QPoint(20, 10));
    window().form().setText("ILFSpinEdit", "13.50");
    QCOMPARE(c1->points(), pts);
    QTest::mouseClick(c1->viewport(), Qt::LeftButton, {}, QPoint(140, 120));
    QCOMPARE(c1->points().front().x(), 13.82);
    QTest::mouseClick(c1->viewport(), Qt::LeftButton, {}, QPoint(140, 120));
    QCOMPARE(c1->points().front().x(), 13.5);
    QCOMPARE(c1->points().back().x(), 14.28);

    QCOMPARE(c1->swrAxis()->min(), 1.0);
    QCOMPARE(c1->swrAxis()->max(), 1.5);
    QCOMPARE(c2->swrAxis()->max(), 2.0);
}

void TestMainWindow::everyMethodPair_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    const QStringList methods{"ARRLButton", "UA3DAButton", "IMPButton", "W5FDButton", "ZorvexButton"};
    for (const QString& i : methods)
        for (const QString& o : methods)
            QTest::newRow(qPrintable(i + " / " + o)) << i << o;
}

// Every pair of methods, clicked twice in the real window from the start-up
// entries: each pass either completes (match boxes and sweep limits written) or
// ends with its network's own message; nothing else is shown and nothing crashes.
void TestMainWindow::everyMethodPair()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    find<QRadioButton>(("In" + in).toLatin1().constData())->click();
    find<QRadioButton>(("Ou" + out).toLatin1().constData())->click();
    for (int click = 0; click < 2; ++click) {
        window().form().setText("ILFSpinEdit", "1.000");
        window().form().setText("INSWRLabel", "");
        window().form().setText("OUSWRLabel", "");
        QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton, {}, QPoint(400, 120));
        if (guard_->boxes.empty()) {
            QVERIFY(text("INSWRLabel").startsWith("SWR "));
            QVERIFY(text("OUSWRLabel").startsWith("SWR "));
            // The band proposal ran (the Impedance Transformer proposes from its own Q).
            QCOMPARE(text("ILFSpinEdit"),
                     QString::fromStdString(anodyne::fixedText(window().state().InSweepLo, 2, '.')));
            QVERIFY(window().state().InSweepLo > 13.0F);
        } else {
            QCOMPARE(guard_->boxes.size(), size_t(1));
            const ui::BoxRequest box = guard_->boxes.front();
            guard_->boxes.clear();
            QCOMPARE(box.kind, ui::BoxKind::Information);
            QVERIFY2(box.caption == "Unrealized Input Network!" || box.caption == "Unrealized Output Network!",
                     qPrintable(box.caption));
            QCOMPARE(text("ILFSpinEdit"), QStringLiteral("1.000"));
        }
    }
}

void TestMainWindow::frequencyLabelStep_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("step");
    QTest::newRow("input band at 14 MHz") << 0.46 << 0.1;
    QTest::newRow("output band at 14 MHz") << 0.54 << 0.1;
    QTest::newRow("narrow band at 1.83 MHz") << 0.06 << 0.01;
    QTest::newRow("one frequency") << 0.1 << 0.02;
    QTest::newRow("whole HF") << 28.0 << 5.0;
    QTest::newRow("wide VHF sweep") << 1.2 << 0.2;
}

// Every band keeps a readable frequency axis: two to six labels, 0.1 MHz apart
// where that allows.
void TestMainWindow::frequencyLabelStep()
{
    QFETCH(double, width);
    QFETCH(double, step);
    QCOMPARE(ui::frequencyLabelStep(width), step);
    QVERIFY(width / step <= 6.0);
}

void TestMainWindow::chartKeepsPointsAscending()
{
    ui::SwrChart* c = window().chart1();
    // Limits entered the wrong way round: the sweep runs downwards.
    for (int i = 0; i <= 20; ++i)
        c->addPoint(14.28 - 0.023 * i, 1.0 + 0.01 * i);
    const QList<QPointF> pts = c->points();
    QCOMPARE(pts.size(), 21);
    for (int i = 1; i < pts.size(); ++i)
        QVERIFY(pts[i - 1].x() <= pts[i].x());
    QCOMPARE(pts.front().y(), 1.2);
    QCOMPARE(c->frequencyAxis()->min(), pts.front().x());
    QCOMPARE(c->frequencyAxis()->max(), pts.back().x());

    c->clearPoints();
    QVERIFY(c->points().isEmpty());
    c->replacePoints({{14.0, 1.1}, {13.9, 1.3}, {14.0, 1.2}});
    QCOMPARE(c->points(), (QList<QPointF>{{13.9, 1.3}, {14.0, 1.1}, {14.0, 1.2}}));
}

void TestMainWindow::menuEntries()
{
    const QMap<QString, QString> captions{{"MOpen", "Open"}, {"MSave", "Save Data"}, {"MExit", "Exit"},
                                          {"MUse", "Usage"}, {"MAbout", "About"}};
    for (auto it = captions.begin(); it != captions.end(); ++it) {
        auto* a = find<QAction>(it.key());
        QCOMPARE(a->text(), it.value());
        QVERIFY(a->shortcut().isEmpty());
    }

    // Without the About and Help windows the entries do nothing.
    find<QAction>("MUse")->trigger();
    find<QAction>("MAbout")->trigger();
    QWidget help;
    QWidget about;
    window().setHelpWindow(&help);
    window().setInfoWindow(&about);
    find<QAction>("MUse")->trigger();
    QVERIFY(help.isVisible());
    QVERIFY(!about.isVisible());
    find<QAction>("MAbout")->trigger();
    QVERIFY(about.isVisible());

    find<QAction>("MExit")->trigger();
    QVERIFY(!window().isVisible());
}

// The File menu end to end: the dialogs as configured, a new file in the start-up
// directory, an update of it, and loading it back into changed controls.
void TestMainWindow::saveAndOpenThroughDialogs()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ui::recordStartupDir();
    QDir::setCurrent(oldCwd);

    QStringList seen;
    QString answer;
    ui::setFileChooser([&](QFileDialog& d) {
        seen << d.objectName() + "|" + d.nameFilters().join(";") + "|" + d.defaultSuffix() + "|"
                + (d.testOption(QFileDialog::DontConfirmOverwrite) ? "no-prompt" : "prompt");
        return answer;
    });

    // Cancelled: nothing is written.
    answer.clear();
    find<QAction>("MSave")->trigger();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);

    answer = dir.filePath("elsewhere/test.amp"); // the dialog's folder is not used for a new file
    find<QAction>("MSave")->trigger();
    const QString saved = dir.filePath(" test.amp");
    QVERIFY(QFile::exists(saved));
    answer = saved;
    window().form().setText("UaSpinEdit", "2500");
    find<QAction>("MSave")->trigger();
    QFile f(saved);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 28); // 17 lines, one more record of 10, and the empty text after the last line end
    QVERIFY(lines[4].startsWith("2500  0.5"));

    window().form().setText("UaSpinEdit", "100");
    window().form().setText("RaEdit", "75");
    find<QAction>("MOpen")->trigger();
    QCOMPARE(text("UaSpinEdit"), QStringLiteral("2500"));
    QCOMPARE(text("RaEdit"), QStringLiteral("50  "));

    QCOMPARE(seen.size(), 4);
    QCOMPARE(seen[0], QStringLiteral("SaveDialog1|Amplifier data file(*.amp);Text Files(*.txt *.doc);All Files(*)|amp|no-prompt"));
    QCOMPARE(seen[3], QStringLiteral("OpenDialog1|Amplifier data file(*.amp)|amp|prompt"));

    // A file that cannot be read is reported by the error display.
    answer = dir.filePath("missing.amp");
    find<QAction>("MOpen")->trigger();
    QCOMPARE(guard_->boxes.size(), size_t(1));
    QCOMPARE(guard_->boxes.front().text, QStringLiteral("Cannot open file %1.").arg(answer));
    guard_->boxes.clear();
    ui::setFileChooser({});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
