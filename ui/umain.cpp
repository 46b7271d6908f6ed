#include "umain.h"

#include "captionzoom.h"
#include "datadialogs.h"
#include "mainform.h"
#include "programfont.h"
#include "messages.h"
#include "resultlabel.h"
#include "schematic.h"
#include "spinfield.h"
#include "startupdir.h"
#include "swrchart.h"

#include "design/driver.h"
#include "design/numericfield.h"
#include "design/numtext.h"
#include "datafile/ampfile.h"
#include "sweep/sweep.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>

#include <stdexcept>

namespace anodyne::ui {
namespace {

constexpr int kClientWidth = 788;
constexpr int kClientHeight = 703;
constexpr int kEditHeight = 21;

// Verdana as asked for; where it is missing, DejaVu Sans with the same pixel size.
QFont verdana(int pixels, bool bold = false)
{
    QFont f = programFont(pixels);
    f.setBold(bold);
    return f;
}

constexpr int k8pt = 11;
constexpr int k10pt = 13;
constexpr int k7pt = 9;

QLabel* caption(QWidget* parent, const QString& text, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setContentsMargins(0, 0, 0, 0);
    l->move(left, top);
    l->adjustSize();
    return l;
}

QLineEdit* edit(QWidget* parent, const char* name, int left, int top, int width, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(left, top, width, kEditHeight);
    return e;
}

// A radio button or check box whose caption stands left of its mark.
template <class Button>
Button* button(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
               bool captionLeft)
{
    auto* b = new Button(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (captionLeft)
        b->setLayoutDirection(Qt::RightToLeft);
    b->setGeometry(left, top, width, 17);
    return b;
}

struct LabelPlace {
    const char* name;
    ResultLabel::Sizing sizing;
    int x; // left edge, or right edge for AutoRight
    int y;
    int width;
    int height;
    Qt::Alignment align;
    bool transparent;
    const char* startText;
};

using S = ResultLabel::Sizing;
constexpr Qt::Alignment L = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment R = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment C = Qt::AlignHCenter | Qt::AlignVCenter;

// Result labels over the schematic, each beside its part.
const LabelPlace kSchematicLabels[] = {
    {"PiLabel", S::AutoLeft, 52, 18, 0, 0, L, true, "Pi"},
    {"UinLabel", S::AutoLeft, 52, 38, 0, 0, L, true, "Uin"},
    {"RexLabel", S::AutoLeft, 52, 61, 0, 0, L, false, "Rex"},
    {"LiLabel", S::Fixed, 121, 50, 103, 18, C, false, "Li"},
    {"Ci1Label", S::AutoLeft, 116, 112, 0, 0, L, false, "Ci1"},
    {"Ci2Label", S::AutoRight, 206, 151, 0, 0, R, false, "Ci2"},
    {"Label20", S::AutoLeft, 208, 151, 0, 0, L, false, "pF"},
    {"IinLabel", S::AutoLeft, 251, 59, 0, 0, L, true, "Iin"},
    {"RinLabel", S::AutoRight, 283, 98, 0, 0, R, false, "Rin"},
    {"OhmLabel", S::Fixed, 285, 98, 29, 16, R, false, "Ohm"},
    {"Label22", S::AutoRight, 308, 113, 0, 0, R, false, ""},
    {"UiLabel", S::AutoRight, 358, 58, 0, 0, R, false, "Ui"},
    {"CiLabel", S::AutoRight, 374, 160, 0, 0, R, false, "Ci"},
    {"Label21", S::AutoLeft, 376, 160, 0, 0, L, false, "pF"},
    {"SLabel", S::AutoRight, 394, 90, 0, 0, R, true, ""},
    {"CtLabel", S::AutoLeft, 401, 160, 0, 0, L, false, "Ct"},
    {"UaLabel", S::Fixed, 416, 26, 71, 16, C, false, "Ua"},
    {"PaoLabel", S::Fixed, 414, 45, 79, 16, C, true, "Pao"},
    {"PadLabel", S::AutoLeft, 429, 77, 0, 0, L, false, "Pad"},
    {"ReLabel", S::AutoLeft, 480, 108, 0, 0, L, false, "Re"},
    {"IaLabel", S::Fixed, 495, 63, 60, 16, C, false, "Ia"},
    {"Co1Label", S::AutoLeft, 579, 130, 0, 0, L, false, "Co1"},
    {"LoLabel", S::AutoLeft, 611, 66, 0, 0, C, false, "Lo"},
    {"Co2Label", S::AutoRight, 662, 160, 0, 0, R, false, "Co2"},
    {"UouLabel", S::AutoLeft, 688, 37, 0, 0, L, false, "Uou"},
    {"PrfLabel", S::AutoLeft, 688, 57, 0, 0, L, false, "Prf"},
    {"RaLabel", S::AutoLeft, 688, 78, 0, 0, L, false, "Ra"},
};

struct FieldPlace {
    const char* caption;
    int captionLeft;
    int captionTop;
    const char* name;
    int left;
    int top;
    int width;
};

const FieldPlace kTubeFields[] = {
    {"Plate Voltage, V", 6, 18, "UaSpinEdit", 131, 14, 72},
    {"Plate Current, A", 6, 42, "IaSpinEdit", 131, 38, 72},
    {"Amplif. Factor, mA/V", 6, 66, "SSpinEdit", 131, 62, 72},
    {"Inp. Capacitance, pF", 6, 90, "CinSpinEdit", 131, 86, 72},
    {"Input Par. Cap., pF", 6, 114, "CipSpinEdit", 131, 110, 72},
    {"Out. Capacitance, pF", 6, 138, "CotSpinEdit", 131, 134, 72},
    {"Output Par. Cap., pF", 6, 162, "CopSpinEdit", 131, 158, 72},
    {"Efficiency", 6, 186, "EffSpinEdit", 131, 182, 72},
    {"Frequency, MHz", 6, 210, "FrSpinEdit", 105, 206, 80},
    {"Tubes Quantity", 6, 273, "TqSpinEdit", 163, 269, 40},
    {"Rin, Ohm", 89, 297, "RinSpinEdit", 149, 294, 54},
};

SpinField* makeField(QWidget* parent, const char* name, int left, int top, int width)
{
    const NumericFieldSpec* settings = findNumericField(name);
    if (settings == nullptr)
        throw std::logic_error(std::string("no settings for field ") + name);
    auto* f = new SpinField(*settings, parent);
    f->setGeometry(left, top, width, kEditHeight);
    return f;
}

} // namespace

const QStringList& bandFrequencies()
{
    static const QStringList bands{
        "1.830",  "1.920",  "3.550",  "3.650",   "3.750",   "7.030",   "7.060",   "7.120",
        "10.125", "14.020", "14.080", "14.150",  "18.100",  "21.020",  "21.080",  "21.200",
        "24.940", "28.050", "28.100", "28.200",  "28.500",  "29.000",  "29.250",  "29.500",
        "50.090", "50.150", "50.250", "70.150",  "70.200",  "144.020", "144.060", "144.150",
        "144.300", "144.350", "145.250", "145.500", "432.050", "432.200"};
    return bands;
}

TMain::TMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral(" Anodyne PA V1.0     (c) 2026 Anodyne PA developers"));
    // The window shows the application's icon, which the program's entry sets.
    setFont(verdana(k8pt));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    buildMenu();

    image1_ = new Schematic(client);
    image1_->move(4, 7);
    // Two sunken lines frame the picture.
    for (const auto& [name, top] : {std::pair{"Panel1", 1}, std::pair{"Panel2", 230}}) {
        auto* line = new QFrame(client);
        line->setObjectName(QString::fromLatin1(name));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setLineWidth(1);
        line->setGeometry(5, top, 780, 2);
    }
    buildSchematicLabels(client);
    buildTubeGroup(client);
    buildNetworkGroup(client, true);
    buildNetworkGroup(client, false);
    buildCharts(client);
    setTabOrders();

    form_ = std::make_unique<MainForm>(*this);
    connectHandlers();

    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    move(356, 51);
    FormCreate();
}

TMain::~TMain() = default;

DesignForm& TMain::form() { return *form_; }

SpinField* TMain::field(const char* name) const
{
    return findChild<SpinField*>(QString::fromLatin1(name));
}

void TMain::buildMenu()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("MFile"));
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("MHelp"));
    struct Item {
        QMenu* menu;
        const char* name;
        const char* text;
        void (TMain::*handler)();
    };
    const Item items[] = {
        {file, "MOpen", "Open", &TMain::MOpenClick},     {file, "MSave", "Save Data", &TMain::MSaveClick},
        {file, "MExit", "Exit", &TMain::MExitClick},     {help, "MUse", "Usage", &TMain::MUseClick},
        {help, "MAbout", "About", &TMain::MAboutClick},
    };
    for (const Item& item : items) {
        QAction* a = item.menu->addAction(QString::fromLatin1(item.text));
        a->setObjectName(QString::fromLatin1(item.name));
        a->setParent(this); // findable by name from the window
        item.menu->addAction(a);
        connect(a, &QAction::triggered, this, [this, h = item.handler] { guarded([&] { (this->*h)(); }); });
    }
}

void TMain::buildSchematicLabels(QWidget* client)
{
    for (const LabelPlace& lp : kSchematicLabels) {
        auto* l = new ResultLabel(QString::fromLatin1(lp.name), lp.sizing, lp.x, lp.y, client, lp.width, lp.height);
        QFont f = verdana(k10pt);
        QColor colour(Qt::darkBlue);
        if (lp.name == std::string("Label22")) {
            f = verdana(k8pt);
            colour = Qt::red;
        } else if (lp.name == std::string("SLabel")) {
            f = verdana(k7pt);
            colour = Qt::red;
        }
        l->setFont(f);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, colour);
        pal.setColor(QPalette::Window, Qt::white);
        l->setPalette(pal);
        l->setAutoFillBackground(!lp.transparent);
        l->setAlignment(lp.align);
        l->setLabelText(QString::fromLatin1(lp.startText));
    }
}

void TMain::buildTubeGroup(QWidget* client)
{
    auto* group = new QGroupBox(QStringLiteral(" Amplifier Tube Data "), client);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(3, 237, 211, 461);

    // The band list lies under the frequency field: only its drop-down button shows.
    frComboBox_ = new QComboBox(group);
    frComboBox_->setObjectName(QStringLiteral("FrComboBox"));
    frComboBox_->setGeometry(130, 206, 72, kEditHeight);
    frComboBox_->addItems(bandFrequencies());
    frComboBox_->setMaxVisibleItems(7);
    // A scrolling list of seven lines, also in styles whose own popup shows every entry.
    frComboBox_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    frComboBox_->setCurrentIndex(-1);

    for (const FieldPlace& fp : kTubeFields) {
        caption(group, QString::fromLatin1(fp.caption), fp.captionLeft, fp.captionTop);
        makeField(group, fp.name, fp.left, fp.top, fp.width);
    }
    field("RinSpinEdit")->setEnabled(false);

    auto* tri = button<QRadioButton>(group, "TRIButton", QStringLiteral("TRIODE, PENTODE"), 4, 230, 192, true);
    tri->setChecked(true);
    button<QRadioButton>(group, "TETButton", QStringLiteral("TETRODE"), 4, 250, 192, true);
    auto* rin = button<QCheckBox>(group, "RinCheckBox", QStringLiteral("Calculate"), 8, 296, 76, false);
    rin->setChecked(true);

    const struct {
        const char* box;
        const char* title;
        int top;
        const char* com;
        const char* swr;
    } matches[] = {{"GroupBox5", " Input Match ", 315, "INComLabel", "INSWRLabel"},
                   {"GroupBox6", " Output Match ", 373, "OUComLabel", "OUSWRLabel"}};
    for (const auto& m : matches) {
        auto* box = new QGroupBox(QString::fromLatin1(m.title), group);
        box->setObjectName(QString::fromLatin1(m.box));
        box->setGeometry(7, m.top, 196, 58);
        for (const auto& [name, top] : {std::pair{m.com, 16}, std::pair{m.swr, 35}}) {
            auto* l = new ResultLabel(QString::fromLatin1(name), S::Fixed, 10, top, box, 180, 16);
            l->setFont(verdana(k8pt, true));
        }
    }

    caption(group, QStringLiteral("Remarks"), 7, 438);
    edit(group, "TubeEdit", 63, 435, 140, QString());
}

void TMain::buildNetworkGroup(QWidget* client, bool input)
{
    auto* group = new QGroupBox(input ? QStringLiteral(" Input Network ") : QStringLiteral(" Output Network "), client);
    group->setObjectName(input ? QStringLiteral("GroupBox2") : QStringLiteral("GroupBox3"));
    group->setGeometry(input ? 218 : 503, 505, 282, 194);

    const int shift = input ? 0 : -1; // the output captions stand one pixel higher
    caption(group, QStringLiteral("Open Q-factor"), 12, 22 + shift);
    makeField(group, input ? "QioSpinEdit" : "QooSpinEdit", 200, 18, 72);
    caption(group, QStringLiteral("Loaded Q-factor"), 12, 46 + shift);
    makeField(group, input ? "QilSpinEdit" : "QolSpinEdit", 200, 42, 72);
    caption(group, QStringLiteral("Efficiency"), 12, 70 + shift);
    edit(group, input ? "KiefEdit" : "KoefEdit", 218, 66, 54, QString());
    caption(group, input ? QStringLiteral("Input Impedance, Ohm") : QStringLiteral("Load Impedance, Ohm"), 12,
            94 + shift);
    edit(group, input ? "RexEdit" : "RaEdit", 218, 90, 54, QStringLiteral("50"));
    button<QCheckBox>(group, input ? "QiCheckBox" : "QoCheckBox", QStringLiteral("Check Q"), 115, input ? 45 : 43, 72,
                      true);

    auto* methods = new QGroupBox(QStringLiteral(" Calculation Method "), group);
    methods->setObjectName(input ? QStringLiteral("GroupBox4") : QStringLiteral("GroupBox7"));
    methods->setGeometry(7, 115, 266, 72);
    const QString prefix = input ? QStringLiteral("In") : QStringLiteral("Ou");
    const struct {
        const char* name;
        const char* text;
        int left, top, width;
    } buttons[] = {
        {"ARRLButton", "Standard", 10, 20, 72},
        {"W5FDButton", "W5FD", 98, 20, 72},
        {"UA3DAButton", "UA3DA ", 184, 21, 72},
        {"IMPButton", "Impedance Transformer", 10, 43, 159},
        {"ZorvexButton", "Zorvex", 184, 43, 72},
    };
    for (const auto& b : buttons) {
        const QByteArray name = (prefix + QString::fromLatin1(b.name)).toLatin1();
        auto* rb = button<QRadioButton>(methods, name.constData(), QString::fromLatin1(b.text), b.left, b.top, b.width,
                                        true);
        rb->setChecked(std::string(b.name) == "ARRLButton");
    }
}

void TMain::buildCharts(QWidget* client)
{
    chart1_ = new SwrChart(QStringLiteral("Chart1"), QStringLiteral("Input Network SWR"), {1.0, 1.5, 6, 1, "%.1f"},
                           client, QRect(218, 237, 282, 263));
    chart2_ = new SwrChart(QStringLiteral("Chart2"), QStringLiteral("Output Network SWR"), {1.0, 2.0, 5, 0, "%.2f"},
                           client, QRect(503, 237, 282, 263));
    makeField(chart1_, "ILFSpinEdit", 2, 242, 91);
    makeField(chart1_, "IHFSpinEdit", 188, 242, 92);
    makeField(chart2_, "OLFSpinEdit", 2, 242, 91);
    makeField(chart2_, "OHFSpinEdit", 188, 242, 92);
}

void TMain::setTabOrders()
{
    static const char* const order[] = {
        // Tube data
        "UaSpinEdit", "IaSpinEdit", "SSpinEdit", "CinSpinEdit", "CipSpinEdit", "CotSpinEdit", "CopSpinEdit",
        "EffSpinEdit", "FrSpinEdit", "TRIButton", "TETButton", "TqSpinEdit", "RinSpinEdit", "RinCheckBox",
        "TubeEdit", "FrComboBox",
        // Input network
        "RexEdit", "QioSpinEdit", "QilSpinEdit", "KiefEdit", "InARRLButton", "InUA3DAButton", "InIMPButton",
        "InW5FDButton", "InZorvexButton", "QiCheckBox",
        // Output network
        "RaEdit", "QooSpinEdit", "QolSpinEdit", "KoefEdit", "OuARRLButton", "OuUA3DAButton", "OuIMPButton",
        "OuW5FDButton", "OuZorvexButton", "QoCheckBox",
        // Sweep limits
        "ILFSpinEdit", "IHFSpinEdit", "OLFSpinEdit", "OHFSpinEdit"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* w = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous != nullptr && w != nullptr)
            setTabOrder(previous, w);
        previous = w;
    }
}

void TMain::connectHandlers()
{
    auto bind = [this](auto* sender, auto signal, void (TMain::*handler)()) {
        connect(sender, signal, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
    };
    bind(image1_, &Schematic::clicked, &TMain::Image1Click);
    bind(chart1_, &SwrChart::clicked, &TMain::Chart1Click);
    bind(chart2_, &SwrChart::clicked, &TMain::Chart2Click);
    bind(findChild<QCheckBox*>(QStringLiteral("RinCheckBox")), &QCheckBox::toggled, &TMain::RinCheckBoxClick);
    bind(findChild<QCheckBox*>(QStringLiteral("QiCheckBox")), &QCheckBox::toggled, &TMain::QiCheckBoxClick);
    bind(findChild<QCheckBox*>(QStringLiteral("QoCheckBox")), &QCheckBox::toggled, &TMain::QoCheckBoxClick);
    bind(field("UaSpinEdit"), &SpinField::textChanged, &TMain::UaSpinEditChange);
    bind(field("CinSpinEdit"), &SpinField::textChanged, &TMain::CinSpinEditChange);
    connect(frComboBox_, &QComboBox::activated, this, [this](int index) { guarded([&] { FrComboBoxSelect(index); }); });
}

// ---- Handlers ----

void TMain::FormCreate() { zoomOpen(frameGeometry()); }

void TMain::FormClose()
{
    const int ms = zoomClose(frameGeometry());
    if (endsProgram_)
        QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
}

void TMain::closeEvent(QCloseEvent* event)
{
    guarded([&] { FormClose(); });
    event->accept();
}

void TMain::Image1Click()
{
    if (runDesignPass(state_, *form_))
        proposeSweepBands(state_, *form_);
}

void TMain::runChartSweep(SweepSide side, SwrChart* chart, PointBuffer& buffer)
{
    // A sweep that faults returns nothing: the curve of the last sweep stays.
    const std::vector<SweepPoint> points = runSweep(side, state_, *form_, buffer);
    std::vector<QPointF> xy;
    xy.reserve(points.size());
    for (const SweepPoint& p : points)
        xy.emplace_back(p.mhz, p.swr);
    chart->replacePoints(xy);
}

void TMain::Chart1Click() { runChartSweep(SweepSide::Input, chart1_, stringGrid1_); }

void TMain::Chart2Click() { runChartSweep(SweepSide::Output, chart2_, stringGrid2_); }

void TMain::MOpenClick()
{
    const QString path = chooseDataFile(this, DataDialog::Open);
    if (!path.isEmpty())
        loadAmplifierData(*form_, QFile::encodeName(path).toStdString());
}

void TMain::MSaveClick()
{
    const QString path = chooseDataFile(this, DataDialog::Save);
    if (!path.isEmpty())
        saveAmplifierData(*form_, QFile::encodeName(path).toStdString(), startupDir());
}

void TMain::MExitClick()
{
    zoomClose(frameGeometry());
    close();
}

void TMain::MUseClick()
{
    if (help_ != nullptr) {
        help_->show();
        help_->raise();
        help_->activateWindow();
    }
}

void TMain::MAboutClick()
{
    if (info_ != nullptr) {
        info_->show();
        info_->raise();
        info_->activateWindow();
    }
}

void TMain::RinCheckBoxClick()
{
    if (!form_->isEnabled("RinSpinEdit"))
        form_->setEnabled("RinSpinEdit", true);
    form_->setFocus("RinSpinEdit");
}

void TMain::QiCheckBoxClick()
{
    if (form_->isChecked("QiCheckBox") && form_->isChecked("QoCheckBox"))
        form_->setChecked("QoCheckBox", false);
}

void TMain::QoCheckBoxClick()
{
    if (form_->isChecked("QoCheckBox") && form_->isChecked("QiCheckBox"))
        form_->setChecked("QiCheckBox", false);
}

void TMain::FrComboBoxSelect(int index)
{
    // The band texts are written with "." whatever the user's separator.
    const QString band = frComboBox_->itemText(index);
    form_->setValue("FrSpinEdit", parseNumber(band.toStdString(), '.'));
}

void TMain::UaSpinEditChange() {}

void TMain::CinSpinEditChange() {}

} // namespace anodyne::ui
