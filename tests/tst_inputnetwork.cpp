// The input (cathode) Pi-network by its five methods, the Q-step correction that
// a network which cannot be built triggers, and the input "Check Q", all through
// one click on the schematic against a fake form.
#include "passrunner.h"

#include <QtTest>

using namespace anodyne;
using namespace anodyne::test;

namespace {

// Rex 50, Rin 60 typed by hand, Qil 3, Qio 80, 14.05 MHz, Ci 15 pF.
const Entries kReference{{"RinCheckBox", "off"}, {"RinSpinEdit", "60"}};

Entries withReference(Entries more)
{
    for (auto it = kReference.begin(); it != kReference.end(); ++it)
        if (!more.contains(it.key()))
            more.insert(it.key(), it.value());
    return more;
}

const std::initializer_list<const char*> kLaterTexts{
    "Ci1Label", "Ci2Label", "LiLabel", "INComLabel", "INSWRLabel",
    "Co1Label", "Co2Label", "LoLabel", "KoefEdit",   "OUComLabel", "OUSWRLabel"};

const QString kQStep = QStringLiteral("Q-factor set now to ");
const QString kInputCaption = QStringLiteral("Unrealized Input Network!");
const QString kImpossible =
    QStringLiteral("Sorry, impossible for given Rex/Rin. Stray circuit capacitance is too high.");

} // namespace

class TestInputNetwork : public QObject {
    Q_OBJECT
private slots:
    void referenceNetworks_data();
    void referenceNetworks();
    void losslessMethodsGiveTheW5fdNetwork_data();
    void losslessMethodsGiveTheW5fdNetwork();
    void w5fdSplitsTheLoadedQ();
    void realisabilityTests_data();
    void realisabilityTests();
    void qStepLoopAtUhf();
    void qStepRoundsTheFieldNotTheMessage();
    void qStepLoopUntilTheNetworkCanBeBuilt();
    void transformerReplacesLoadedQ_data();
    void transformerReplacesLoadedQ();
    void checkQ_data();
    void checkQ();
    void faults_data();
    void faults();
};

void TestInputNetwork::referenceNetworks_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("reactances"); // XCi1, XCi2, XLi
    QTest::addColumn<Expected>("expected");

    QTest::newRow("Standard") << "ARRLButton" << QStringList{"16.67", "18.09", "31.58"}
                              << Expected{{"Ci1Label", "679.7pF"}, {"Ci2Label", "611.2"}, {"LiLabel", "0.36uHn"},
                                          {"QilSpinEdit", "3.0"}};
    QTest::newRow("UA3DA") << "UA3DAButton" << QStringList{"35.45", "36.33", "50.18"}
                           << Expected{{"Ci1Label", "319.6pF"}, {"Ci2Label", "296.8"}, {"LiLabel", "0.57uHn"},
                                       {"QilSpinEdit", "3.0"}};
    QTest::newRow("Impedance Transformer")
        << "IMPButton" << QStringList{"54.77", "54.77", "54.77"}
        << Expected{{"Ci1Label", "206.8pF"}, {"Ci2Label", "191.8"}, {"LiLabel", "0.62uHn"}, {"QilSpinEdit", "2.0"}};
    QTest::newRow("W5FD") << "W5FDButton" << QStringList{"35.68", "37.53", "50.62"}
                          << Expected{{"Ci1Label", "317.5pF"}, {"Ci2Label", "286.8"}, {"LiLabel", "0.57uHn"},
                                      {"QilSpinEdit", "3.0"}};
    QTest::newRow("Zorvex") << "ZorvexButton" << QStringList{"37.49", "36.01", "47.67"}
                            << Expected{{"Ci1Label", "302.2pF"}, {"Ci2Label", "299.6"}, {"LiLabel", "0.54uHn"},
                                        {"QilSpinEdit", "3.0"}};
}

void TestInputNetwork::referenceNetworks()
{
    QFETCH(QString, button);
    QFETCH(QStringList, reactances);
    QFETCH(Expected, expected);
    FakeForm f;
    apply(f, withReference({{"In", button}}));
    markUntouched(f, kLaterTexts);
    DesignState s;
    const PassEnd end = click(s, f);
    QCOMPARE(end.error, QString());
    QVERIFY(end.bandProposal);
    QCOMPARE(boxesOf(f), QStringList());
    QCOMPARE((QStringList{twoDecimals(s.XCi1), twoDecimals(s.XCi2), twoDecimals(s.XLi)}), reactances);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    // The stored components are what the labels show, and the pass went on.
    QCOMPARE(s.Ci2 + s.Ci > 0.0F, true);
    QVERIFY(shown(f, "INSWRLabel").startsWith("SWR "));
    QVERIFY(shown(f, "OUSWRLabel").startsWith("SWR "));
    QVERIFY(f.focus.empty());
}

void TestInputNetwork::losslessMethodsGiveTheW5fdNetwork_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("UA3DA") << "UA3DAButton";
    QTest::newRow("Zorvex") << "ZorvexButton";
}

// A huge open Q makes the network efficiency 1 in single precision; then both
// methods reduce to the lossless W5FD split.
void TestInputNetwork::losslessMethodsGiveTheW5fdNetwork()
{
    QFETCH(QString, button);
    FakeForm f;
    apply(f, withReference({{"In", button}, {"QioSpinEdit", "1000000000"}}));
    DesignState s;
    QCOMPARE(click(s, f).error, QString());
    QCOMPARE(s.Kief, 1.0F);
    QCOMPARE((QStringList{twoDecimals(s.XCi1), twoDecimals(s.XCi2), twoDecimals(s.XLi)}),
             (QStringList{"35.68", "37.53", "50.62"}));
}

void TestInputNetwork::w5fdSplitsTheLoadedQ()
{
    FakeForm f;
    apply(f, withReference({{"In", "W5FDButton"}}));
    DesignState s;
    QCOMPARE(click(s, f).error, QString());
    QCOMPARE(twoDecimals(s.InAux1), QStringLiteral("1.40"));
    QCOMPARE(twoDecimals(s.InAux2), QStringLiteral("1.60"));
    QCOMPARE(s.InAux1 + s.InAux2, s.Qil);
    QCOMPARE(twoDecimals(s.Rex / s.XCi1), QStringLiteral("1.40"));
}

// A failed test: its message, the raised Q in the field with the focus, and
// every text after the test left as it was.
void TestInputNetwork::realisabilityTests_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<Expected>("expected");
    QTest::addColumn<QString>("focus");

    QTest::newRow("Standard, Ci2 negative at 432.2 MHz")
        << withReference({{"FrSpinEdit", "432.2"}, {"CinSpinEdit", "25"}})
        << QStringList{kInputCaption + " | " + kQStep + "3.1"}
        << Expected{{"Ci1Label", "22.1pF"}, {"Ci2Label", "-9.6"}, {"LiLabel", "untouched"}, {"QilSpinEdit", "3.1"},
                    {"INComLabel", "untouched"}, {"INSWRLabel", "untouched"}, {"KoefEdit", "untouched"},
                    {"KiefEdit", "0.962"}}
        << "QilSpinEdit";
    QTest::newRow("Standard, Ci1 exactly 1.0 stops")
        << withReference({{"RexEdit", "161"}, {"QilSpinEdit", "1.0"}, {"FrSpinEdit", "988.540"}})
        << QStringList{kInputCaption + " | " + kQStep + "1.1"}
        << Expected{{"Ci1Label", "1.0pF"}, {"Ci2Label", "untouched"}, {"QilSpinEdit", "1.1"}} << "QilSpinEdit";
    QTest::newRow("Standard, D not above zero")
        << withReference({{"RexEdit", "500"}, {"RinSpinEdit", "40"}})
        << QStringList{kInputCaption + " | " + kQStep + "3.1"}
        << Expected{{"Ci1Label", "68.0pF"}, {"Ci2Label", "untouched"}, {"LiLabel", "untouched"}} << "QilSpinEdit";
    QTest::newRow("W5FD, whole-ohm minimum Q: Rin 25")
        << withReference({{"In", "W5FDButton"}, {"RinSpinEdit", "25"}, {"QilSpinEdit", "1.0"}})
        << QStringList{kInputCaption + " | " + kQStep + "1.1"}
        << Expected{{"Ci1Label", "untouched"}, {"Ci2Label", "untouched"}, {"QilSpinEdit", "1.1"}} << "QilSpinEdit";
    QTest::newRow("W5FD, whole-ohm minimum Q: Rin 26 passes")
        << withReference({{"In", "W5FDButton"}, {"RinSpinEdit", "26"}, {"QilSpinEdit", "1.0"}}) << QStringList{}
        << Expected{{"Ci1Label", "218.0pF"}, {"Ci2Label", "1.5"}, {"QilSpinEdit", "1.0"}} << "";
    QTest::newRow("W5FD, Ci1 negative: label not written")
        << withReference({{"In", "W5FDButton"}, {"RinSpinEdit", "149"}, {"QilSpinEdit", "1.2"}})
        << QStringList{kInputCaption + " | " + kQStep + "1.30000004768372"}
        << Expected{{"Ci1Label", "untouched"}, {"Ci2Label", "untouched"}, {"QilSpinEdit", "1.3"}} << "QilSpinEdit";
    QTest::newRow("UA3DA, T not above zero")
        << withReference({{"In", "UA3DAButton"}, {"RexEdit", "500"}, {"RinSpinEdit", "40"}})
        << QStringList{kInputCaption + " | " + kQStep + "3.1"}
        << Expected{{"Ci1Label", "untouched"}, {"Ci2Label", "untouched"}} << "QilSpinEdit";
    QTest::newRow("Zorvex, Ci2 negative at 432.2 MHz")
        << withReference({{"In", "ZorvexButton"}, {"FrSpinEdit", "432.2"}, {"CinSpinEdit", "25"}})
        << QStringList{kInputCaption + " | " + kQStep + "3.1"}
        << Expected{{"Ci1Label", "untouched"}, {"Ci2Label", "-19.8"}, {"LiLabel", "untouched"}} << "QilSpinEdit";
    QTest::newRow("Impedance Transformer, Ci2 negative")
        << withReference({{"In", "IMPButton"}, {"FrSpinEdit", "432.2"}, {"CinSpinEdit", "25"}})
        << QStringList{kInputCaption + " | " + kImpossible}
        << Expected{{"Ci1Label", "6.7pF"}, {"Ci2Label", "-23.3"}, {"LiLabel", "0.02uHn"}, {"QilSpinEdit", "2.0"},
                    {"INComLabel", "untouched"}}
        << "";
    // Ci1 comes out as exactly the tube's 54.9 pF: a Ci2 of 0.0 is allowed.
    QTest::newRow("Impedance Transformer, Ci2 exactly 0.0 passes")
        << withReference({{"In", "IMPButton"}, {"RinSpinEdit", "21"}, {"FrSpinEdit", "89.465"},
                          {"CinSpinEdit", "53.9"}, {"CipSpinEdit", "1"}, {"CotSpinEdit", "0.1"}, {"CopSpinEdit", "1"}})
        << QStringList{} << Expected{{"Ci1Label", "54.9pF"}, {"Ci2Label", "0.0"}, {"QilSpinEdit", "2.2"}} << "";
    QTest::newRow("Impedance Transformer, Ci1 too small")
        << withReference({{"In", "IMPButton"}, {"FrSpinEdit", "1300"}, {"RinSpinEdit", "3000"}})
        << QStringList{kInputCaption + " | " + kImpossible}
        << Expected{{"Ci1Label", "0.3pF"}, {"Ci2Label", "untouched"}, {"QilSpinEdit", "7.9"}} << "";
}

void TestInputNetwork::realisabilityTests()
{
    QFETCH(Entries, entries);
    QFETCH(QStringList, boxes);
    QFETCH(Expected, expected);
    QFETCH(QString, focus);
    FakeForm f;
    apply(f, entries);
    markUntouched(f, kLaterTexts);
    DesignState s;
    const PassEnd end = click(s, f);
    QCOMPARE(end.error, QString());
    QCOMPARE(boxesOf(f), boxes);
    QCOMPARE(end.bandProposal, boxes.isEmpty());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    QCOMPARE(QString::fromStdString(f.focus), focus);
    if (!boxes.isEmpty()) {
        // Nothing after the input network ran.
        QCOMPARE(shown(f, "INComLabel"), QStringLiteral("untouched"));
        QCOMPARE(shown(f, "KoefEdit"), QStringLiteral("untouched"));
        QCOMPARE(s.Qoo, 0);
    }
}

// Each failing click raises Q by 0.1 once. The message shows the sum of the stored
// float and 0.1 unrounded: 3.1 is held just below 3.1, so its step reads just below 3.2.
void TestInputNetwork::qStepLoopAtUhf()
{
    FakeForm f;
    apply(f, withReference({{"FrSpinEdit", "432.2"}, {"CinSpinEdit", "25"}}));
    f.texts["LiLabel"] = "untouched";
    DesignState s;
    click(s, f);
    QCOMPARE(boxesOf(f), QStringList{kInputCaption + " | " + kQStep + "3.1"});
    QCOMPARE(shown(f, "QilSpinEdit"), QStringLiteral("3.1"));

    f.focus.clear();
    const PassEnd second = click(s, f);
    QVERIFY(!second.bandProposal);
    QCOMPARE(f.boxes.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(f.boxes.back().text), QStringLiteral("Q-factor set now to 3.19999990463257"));
    QCOMPARE(shown(f, "Ci1Label"), QStringLiteral("22.8pF"));
    QCOMPARE(shown(f, "Ci2Label"), QStringLiteral("-9.0"));
    QCOMPARE(shown(f, "QilSpinEdit"), QStringLiteral("3.2"));
    QCOMPARE(shown(f, "LiLabel"), QStringLiteral("untouched"));
    QCOMPARE(f.focus, std::string("QilSpinEdit"));
    QCOMPARE(s.Qil, 3.2F);
}

void TestInputNetwork::qStepRoundsTheFieldNotTheMessage()
{
    FakeForm f;
    apply(f, withReference({{"FrSpinEdit", "432.2"}, {"CinSpinEdit", "25"}, {"QilSpinEdit", "3.25"}}));
    DesignState s;
    click(s, f);
    QCOMPARE(boxesOf(f), QStringList{kInputCaption + " | " + kQStep + "3.35"});
    // 3.35 held in single precision lies just below 3.35.
    QCOMPARE(shown(f, "QilSpinEdit"), QStringLiteral("3.3"));
    QCOMPARE(s.Qil, 3.35F);
}

// Rex 500 into Rin 40 needs Qil above sqrt(12.5 - 1): four clicks raise 3.0 to 3.4.
void TestInputNetwork::qStepLoopUntilTheNetworkCanBeBuilt()
{
    FakeForm f;
    apply(f, withReference({{"RexEdit", "500"}, {"RinSpinEdit", "40"}}));
    f.texts["Ci2Label"] = "untouched";
    DesignState s;
    int clicks = 0;
    PassEnd end;
    do {
        end = click(s, f);
        ++clicks;
        QCOMPARE(end.error, QString());
        if (!end.bandProposal)
            QCOMPARE(shown(f, "Ci2Label"), QStringLiteral("untouched"));
    } while (!end.bandProposal && clicks < 10);
    QCOMPARE(clicks, 5);
    QCOMPARE(f.boxes.size(), std::size_t(4));
    QCOMPARE(shown(f, "QilSpinEdit"), QStringLiteral("3.4"));
    QVERIFY(shown(f, "Ci2Label") != QStringLiteral("untouched"));
}

void TestInputNetwork::transformerReplacesLoadedQ_data()
{
    QTest::addColumn<QString>("rin");
    QTest::addColumn<float>("reactance");
    QTest::addColumn<float>("qil");
    QTest::addColumn<Expected>("expected");
    QTest::newRow("Rin 50: equal resistances") << "50" << 50.0F << 2.0F
                                               << Expected{{"QilSpinEdit", "2.0"}, {"LiLabel", "0.57uHn"}};
    QTest::newRow("Rin 200") << "200" << 100.0F << 2.5F
                             << Expected{{"QilSpinEdit", "2.5"}, {"LiLabel", "1.13uHn"}, {"Ci1Label", "113.3pF"},
                                         {"Ci2Label", "98.3"}};
}

void TestInputNetwork::transformerReplacesLoadedQ()
{
    QFETCH(QString, rin);
    QFETCH(float, reactance);
    QFETCH(float, qil);
    QFETCH(Expected, expected);
    FakeForm f;
    apply(f, withReference({{"In", "IMPButton"}, {"RinSpinEdit", rin}, {"QilSpinEdit", "7.7"}}));
    DesignState s;
    QVERIFY(click(s, f).bandProposal);
    QCOMPARE(s.XCi1, reactance);
    QCOMPARE(s.XCi2, reactance);
    QCOMPARE(s.XLi, reactance);
    QCOMPARE(s.Qil, qil);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    // Kief keeps the value computed from the typed Q; the focus stays where it was.
    QCOMPARE(shown(f, "KiefEdit"), QStringLiteral("0.904"));
    QVERIFY(f.focus.empty());
}

void TestInputNetwork::checkQ_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<Expected>("expected");
    QTest::addColumn<float>("qil");
    QTest::newRow("after Standard") << withReference({{"QiCheckBox", "on"}})
                                    << Expected{{"QilSpinEdit", "3.3"}, {"KiefEdit", "0.959"}} << 3.0F;
    QTest::newRow("after Impedance Transformer, Rin 200")
        << withReference({{"QiCheckBox", "on"}, {"In", "IMPButton"}, {"RinSpinEdit", "200"}})
        << Expected{{"QilSpinEdit", "2.0"}, {"KiefEdit", "0.975"}} << 2.5F;
    QTest::newRow("output Check Q wins")
        << withReference({{"QiCheckBox", "on"}, {"QoCheckBox", "on"}})
        << Expected{{"QilSpinEdit", "3.0"}, {"KiefEdit", "0.962"}, {"QolSpinEdit", "11.9"}} << 3.0F;
}

void TestInputNetwork::checkQ()
{
    QFETCH(Entries, entries);
    QFETCH(Expected, expected);
    QFETCH(float, qil);
    FakeForm f;
    apply(f, entries);
    DesignState s;
    const PassEnd end = click(s, f);
    QCOMPARE(end.error, QString());
    QVERIFY(!end.bandProposal);
    QCOMPARE(boxesOf(f), QStringList());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    QCOMPARE(s.Qil, qil);
    const bool output = entries.value("QoCheckBox") == "on";
    QCOMPARE(f.focus, std::string(output ? "QolSpinEdit" : "QilSpinEdit"));
}

// Faults end the pass with the program's error; what was written before stays,
// what comes after is not reached.
void TestInputNetwork::faults_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("domainError");
    QTest::addColumn<Expected>("expected");

    // Rex x Qil - sqrt(Rex x Rin x Qil^2) is exactly 0 as well: 0 / 0 is invalid.
    QTest::newRow("W5FD with Rin equal to Rex")
        << withReference({{"In", "W5FDButton"}, {"RinSpinEdit", "50"}}) << "Invalid floating point operation" << false
        << Expected{{"RinLabel", "50"}, {"IinLabel", "1.1A"}, {"Ci1Label", "untouched"}, {"Ci2Label", "untouched"},
                    {"LiLabel", "untouched"}};
    QTest::newRow("Zorvex with Rin equal to Rex")
        << withReference({{"In", "ZorvexButton"}, {"RinSpinEdit", "50"}}) << "Floating point division by zero" << false
        << Expected{{"RinLabel", "50"}, {"Ci1Label", "untouched"}, {"Ci2Label", "untouched"}};
    QTest::newRow("W5FD radicand negative: NaN reaches the Ci1 test")
        << withReference({{"In", "W5FDButton"}, {"RinSpinEdit", "17"}, {"QilSpinEdit", "1.1"}})
        << "Invalid floating point operation" << true
        << Expected{{"RinLabel", "17"}, {"Ci1Label", "untouched"}, {"Ci2Label", "untouched"}};
    QTest::newRow("UA3DA with zero efficiency")
        << withReference({{"In", "UA3DAButton"}, {"QioSpinEdit", "10"}, {"QilSpinEdit", "10"}})
        << "Floating point division by zero" << false
        << Expected{{"KiefEdit", "0.000"}, {"Ci1Label", "untouched"}, {"Ci2Label", "untouched"}};
    QTest::newRow("Standard with exciter of 0 Ohm")
        << withReference({{"RexEdit", "0"}}) << "Floating point division by zero" << false
        << Expected{{"RexLabel", "0 Ohm"}, {"Ci1Label", "untouched"}};
    QTest::newRow("W5FD with exciter of 0 Ohm")
        << withReference({{"In", "W5FDButton"}, {"RexEdit", "0"}}) << "Floating point division by zero" << false
        << Expected{{"Ci1Label", "untouched"}, {"QilSpinEdit", "3.0"}};
}

void TestInputNetwork::faults()
{
    QFETCH(Entries, entries);
    QFETCH(QString, error);
    QFETCH(bool, domainError);
    QFETCH(Expected, expected);
    FakeForm f;
    apply(f, entries);
    markUntouched(f, kLaterTexts);
    DesignState s;
    const PassEnd end = click(s, f);
    QCOMPARE(end.error, error);
    QCOMPARE(boxesOf(f), QStringList());
    QCOMPARE(f.mathErrors.empty(), !domainError);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    QCOMPARE(shown(f, "INComLabel"), QStringLiteral("untouched"));
    QCOMPARE(shown(f, "KoefEdit"), QStringLiteral("untouched"));
}

QTEST_GUILESS_MAIN(TestInputNetwork)
#include "tst_inputnetwork.moc"
