// The output (plate) Pi-network by its five methods, its Q-step correction and
// impossible-network message, and the output "Check Q", through one click on the
// schematic against a fake form. Unless a row says otherwise the stage is entered
// with Re 1260 Ohm, Ra 50 Ohm, 14.05 MHz, Ct 40 pF, Qoo 200 and Qol 13.
#include "passrunner.h"

#include <QtTest>

using namespace anodyne;
using namespace anodyne::test;

namespace {

const std::initializer_list<const char*> kOutputTexts{"Co1Label", "Co2Label", "LoLabel", "OUComLabel", "OUSWRLabel",
                                                      "INComLabel"};

const QString kOutputCaption = QStringLiteral("Unrealized Output Network!");
const QString kQStep = kOutputCaption + " | Q-factor set now to ";
const QString kImpossible =
    kOutputCaption + " | Sorry, impossible for given Re/Ra. Stray circuit capacitance is too high.";

} // namespace

class TestOutputNetwork : public QObject {
    Q_OBJECT
private slots:
    void referenceNetworks_data();
    void referenceNetworks();
    void w5fdSplitsTheLoadedQ();
    void realisabilityTests_data();
    void realisabilityTests();
    void w5fdBelowOneOhmPlateLoad();
    void checkQAboveFieldRange();
    void faults_data();
    void faults();
};

void TestOutputNetwork::referenceNetworks_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Expected>("network");
    QTest::addColumn<Expected>("checkQ");

    QTest::newRow("Standard") << "ARRLButton"
                              << Expected{{"Co1Label", "76.9pF"}, {"Co2Label", "543.1pF"}, {"LoLabel", "1.29uHn"},
                                          {"QolSpinEdit", "13.0"}}
                              << Expected{{"QolSpinEdit", "11.9"}, {"KoefEdit", "0.940"}};
    QTest::newRow("UA3DA") << "UA3DAButton"
                           << Expected{{"Co1Label", "59.6pF"}, {"Co2Label", "466.9pF"}, {"LoLabel", "1.50uHn"},
                                       {"QolSpinEdit", "13.0"}}
                           << Expected{{"QolSpinEdit", "10.6"}, {"KoefEdit", "0.947"}};
    QTest::newRow("Impedance Transformer") << "IMPButton"
                                           << Expected{{"Co1Label", "5.1pF"}, {"Co2Label", "45.1pF"},
                                                       {"LoLabel", "2.84uHn"}, {"QolSpinEdit", "5.2"}}
                                           << Expected{{"QolSpinEdit", "4.6"}, {"KoefEdit", "0.977"}};
    QTest::newRow("W5FD") << "W5FDButton"
                          << Expected{{"Co1Label", "59.2pF"}, {"Co2Label", "445.7pF"}, {"LoLabel", "1.51uHn"},
                                      {"QolSpinEdit", "13.0"}}
                          << Expected{{"QolSpinEdit", "10.5"}, {"KoefEdit", "0.948"}};
    QTest::newRow("Zorvex") << "ZorvexButton"
                            << Expected{{"Co1Label", "59.3pF"}, {"Co2Label", "443.7pF"}, {"LoLabel", "1.51uHn"},
                                        {"QolSpinEdit", "13.0"}}
                            << Expected{{"QolSpinEdit", "10.5"}, {"KoefEdit", "0.948"}};
}

void TestOutputNetwork::referenceNetworks()
{
    QFETCH(QString, button);
    QFETCH(Expected, network);
    QFETCH(Expected, checkQ);

    // Without "Check Q": the network, its match, and on to the band proposal.
    FakeForm f;
    apply(f, {{"Ou", button}});
    markUntouched(f, kOutputTexts);
    DesignState s;
    PassEnd end = click(s, f);
    QCOMPARE(end.error, QString());
    QVERIFY(end.bandProposal);
    QCOMPARE(boxesOf(f), QStringList());
    QCOMPARE(shown(f, "KoefEdit"), QStringLiteral("0.935"));
    QCOMPARE(shown(f, "CtLabel"), QStringLiteral("40.0pF"));
    for (auto it = network.begin(); it != network.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    QVERIFY(shown(f, "OUComLabel").endsWith(" Ohm"));
    QVERIFY(shown(f, "OUSWRLabel").startsWith("SWR "));
    // The tuning capacitor leaves out the tube's and circuit's own Ct.
    QCOMPARE(twoDecimals(s.Co1 + s.Ct), twoDecimals(static_cast<float>(159154.94309189534 / (double(s.XCo1) * double(s.Fr)))));
    QVERIFY(f.focus.empty());

    // With "Check Q": the next loaded Q estimated into the field, Qol itself kept.
    FakeForm g;
    apply(g, {{"Ou", button}, {"QoCheckBox", "on"}});
    DesignState t;
    end = click(t, g);
    QCOMPARE(end.error, QString());
    QVERIFY(!end.bandProposal);
    for (auto it = checkQ.begin(); it != checkQ.end(); ++it)
        QCOMPARE(shown(g, it.key()), it.value());
    QCOMPARE(g.focus, std::string("QolSpinEdit"));
    QCOMPARE(t.Qol, s.Qol);
    QCOMPARE(shown(g, "KiefEdit"), QStringLiteral("0.962")); // the input side is left alone
}

void TestOutputNetwork::w5fdSplitsTheLoadedQ()
{
    FakeForm f;
    apply(f, {{"Ou", "W5FDButton"}});
    DesignState s;
    QVERIFY(click(s, f).bandProposal);
    QCOMPARE(twoDecimals(s.OutAux1), QStringLiteral("11.03"));
    QCOMPARE(twoDecimals(s.OutAux2), QStringLiteral("1.97"));
    QCOMPARE(twoDecimals(s.OutAux1 + s.OutAux2), QStringLiteral("13.00"));
}

void TestOutputNetwork::realisabilityTests_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<Expected>("expected");

    QTest::newRow("Standard, Qol 1.0: Co1 negative")
        << Entries{{"QolSpinEdit", "1.0"}} << QStringList{kQStep + "1.5"}
        << Expected{{"Co1Label", "-31.0pF"}, {"Co2Label", "untouched"}, {"LoLabel", "untouched"},
                    {"QolSpinEdit", "1.5"}, {"KoefEdit", "0.995"}};
    QTest::newRow("Standard, Re 5000 into 50 needs Q above 9.9")
        << Entries{{"UaSpinEdit", "5000"}, {"IaSpinEdit", "0.600"}, {"QolSpinEdit", "9.0"}, {"FrSpinEdit", "3.550"},
                   {"CotSpinEdit", "9.0"}, {"CopSpinEdit", "1"}}
        << QStringList{kQStep + "9.5"}
        << Expected{{"ReLabel", "5000 Ohm"}, {"CtLabel", "10.0pF"}, {"Co1Label", "70.7pF"},
                    {"Co2Label", "untouched"}, {"QolSpinEdit", "9.5"}};
    QTest::newRow("Standard, Qol 13.1: message unrounded")
        << Entries{{"QolSpinEdit", "13.1"}, {"FrSpinEdit", "100"}} << QStringList{kQStep + "13.6000003814697"}
        << Expected{{"Co1Label", "-23.5pF"}, {"QolSpinEdit", "13.6"}, {"KoefEdit", "0.934"}};
    QTest::newRow("UA3DA, Qol 4.5") << Entries{{"Ou", "UA3DAButton"}, {"QolSpinEdit", "4.5"}}
                                    << QStringList{kQStep + "5"}
                                    << Expected{{"Co1Label", "untouched"}, {"Co2Label", "untouched"},
                                                {"QolSpinEdit", "5.0"}};
    QTest::newRow("W5FD, Qol 4.5: sqrt(1260 div 50 - 1) not below")
        << Entries{{"Ou", "W5FDButton"}, {"QolSpinEdit", "4.5"}} << QStringList{kQStep + "5"}
        << Expected{{"Co1Label", "untouched"}, {"Co2Label", "untouched"}, {"QolSpinEdit", "5.0"}};
    QTest::newRow("W5FD, Qol 4.9: past the whole-ohm test, Co2 negative")
        << Entries{{"Ou", "W5FDButton"}, {"QolSpinEdit", "4.9"}} << QStringList{kQStep + "5.40000009536743"}
        << Expected{{"Co1Label", "4.2pF"}, {"Co2Label", "-4.6pF"}, {"LoLabel", "untouched"}, {"QolSpinEdit", "5.4"}};
    QTest::newRow("Zorvex, Qol 4.5") << Entries{{"Ou", "ZorvexButton"}, {"QolSpinEdit", "4.5"}}
                                     << QStringList{kQStep + "5"}
                                     << Expected{{"Co1Label", "untouched"}, {"Co2Label", "untouched"},
                                                 {"QolSpinEdit", "5.0"}};
    QTest::newRow("Impedance Transformer at 28.5 MHz: Co1 negative")
        << Entries{{"Ou", "IMPButton"}, {"FrSpinEdit", "28.5"}} << QStringList{kImpossible}
        << Expected{{"QolSpinEdit", "5.2"}, {"LoLabel", "1.40uHn"}, {"Co2Label", "22.2pF"},
                    {"Co1Label", "-17.8pF"}};
    QTest::newRow("Impedance Transformer at 1000 MHz: Co2 too small")
        << Entries{{"Ou", "IMPButton"}, {"FrSpinEdit", "1000"}, {"CinSpinEdit", "0.1"}, {"CipSpinEdit", "1"}}
        << QStringList{kImpossible}
        << Expected{{"QolSpinEdit", "5.2"}, {"LoLabel", "0.04uHn"}, {"Co2Label", "0.6pF"},
                    {"Co1Label", "untouched"}};
    // Co2 comes out as exactly Ct, 24.8 pF: a tuning capacitor of 0.0 pF is allowed.
    QTest::newRow("Impedance Transformer, Co1 exactly 0.0 passes")
        << Entries{{"Ou", "IMPButton"}, {"RaEdit", "69"}, {"FrSpinEdit", "21.765"}, {"CotSpinEdit", "23.8"},
                   {"CopSpinEdit", "1"}}
        << QStringList{} << Expected{{"Co2Label", "24.8pF"}, {"Co1Label", "0.0pF"}};
}

void TestOutputNetwork::realisabilityTests()
{
    QFETCH(Entries, entries);
    QFETCH(QStringList, boxes);
    QFETCH(Expected, expected);
    FakeForm f;
    apply(f, entries);
    markUntouched(f, kOutputTexts);
    DesignState s;
    const PassEnd end = click(s, f);
    QCOMPARE(end.error, QString());
    QCOMPARE(boxesOf(f), boxes);
    QCOMPARE(end.bandProposal, boxes.isEmpty());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    // The input side of the same click is complete either way.
    QVERIFY(shown(f, "INComLabel") != QStringLiteral("untouched"));
    const bool qStep = !boxes.isEmpty() && boxes.front().startsWith(kQStep);
    QCOMPARE(f.focus, std::string(qStep ? "QolSpinEdit" : ""));
    if (!boxes.isEmpty()) {
        QCOMPARE(shown(f, "OUComLabel"), QStringLiteral("untouched"));
        QCOMPARE(shown(f, "OUSWRLabel"), QStringLiteral("untouched"));
    }
}

// A plate load below 1 ohm has no whole-ohm ratio to test; the exact test of the
// W5FD method then decides alone, so raising Q still ends in a network.
void TestOutputNetwork::w5fdBelowOneOhmPlateLoad()
{
    FakeForm f;
    apply(f, {{"Ou", "W5FDButton"}, {"UaSpinEdit", "50"}, {"IaSpinEdit", "20"}, {"TqSpinEdit", "12"},
              {"RinCheckBox", "off"}, {"RinSpinEdit", "60"}});
    DesignState s;
    PassEnd end = click(s, f);
    QCOMPARE(end.error, QString());
    QCOMPARE(s.Re, 0.125F);
    // Needs Q above (Ra - Re) / sqrt(Ra x Re), about 19.95.
    QCOMPARE(boxesOf(f), QStringList{kQStep + "13.5"});

    f.texts["QolSpinEdit"] = "20.0";
    end = click(s, f);
    QCOMPARE(end.error, QString());
    QVERIFY(end.bandProposal);
    QCOMPARE(f.boxes.size(), std::size_t(1));
    QVERIFY(s.Co1 > 1.0F && s.Co2 > 1.0F && s.Lo > 0.0F);
}

// The estimate goes into the field limited to 10000; the efficiency is that of
// the estimate itself.
void TestOutputNetwork::checkQAboveFieldRange()
{
    FakeForm f;
    apply(f, {{"QolSpinEdit", "20000"}, {"QoCheckBox", "on"}});
    DesignState s;
    QCOMPARE(click(s, f).error, QString());
    QCOMPARE(shown(f, "QolSpinEdit"), QStringLiteral("10000.0"));
    QCOMPARE(shown(f, "KoefEdit"), QStringLiteral("-82.395"));
}

void TestOutputNetwork::faults_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("error");
    QTest::addColumn<Expected>("expected");

    QTest::newRow("UA3DA with Qol equal to Qoo: zero efficiency")
        << Entries{{"Ou", "UA3DAButton"}, {"QooSpinEdit", "10"}, {"QolSpinEdit", "10"}}
        << "Floating point division by zero" << Expected{{"KoefEdit", "0.000"}, {"Co2Label", "untouched"}};
    QTest::newRow("open Q of 0") << Entries{{"QooSpinEdit", "0"}} << "Floating point division by zero"
                                 << Expected{{"KoefEdit", "untouched"}, {"Co1Label", "untouched"}};
    QTest::newRow("load of 0 Ohm") << Entries{{"RaEdit", "0"}} << "Floating point division by zero"
                                   << Expected{{"KoefEdit", "0.935"}, {"CtLabel", "40.0pF"}, {"Co1Label", "untouched"}};
    // Re x Qol - sqrt(Ra x Re x Qol^2) is exactly 0 as well: 0 / 0 is invalid.
    QTest::newRow("W5FD with Re equal to Ra") << Entries{{"Ou", "W5FDButton"}, {"RaEdit", "1260"}}
                                              << "Invalid floating point operation"
                                              << Expected{{"Co1Label", "untouched"}, {"Co2Label", "untouched"}};
    QTest::newRow("Zorvex with Re equal to Ra") << Entries{{"Ou", "ZorvexButton"}, {"RaEdit", "1260"}}
                                                << "Floating point division by zero"
                                                << Expected{{"Co1Label", "untouched"}, {"Co2Label", "untouched"}};
}

void TestOutputNetwork::faults()
{
    QFETCH(Entries, entries);
    QFETCH(QString, error);
    QFETCH(Expected, expected);
    FakeForm f;
    apply(f, entries);
    markUntouched(f, kOutputTexts);
    f.texts["KoefEdit"] = "untouched";
    DesignState s;
    const PassEnd end = click(s, f);
    QCOMPARE(end.error, error);
    QCOMPARE(boxesOf(f), QStringList());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    QVERIFY(shown(f, "INComLabel") != QStringLiteral("untouched"));
    QCOMPARE(shown(f, "OUComLabel"), QStringLiteral("untouched"));
    QCOMPARE(shown(f, "LoLabel"), QStringLiteral("untouched"));
}

QTEST_GUILESS_MAIN(TestOutputNetwork)
#include "tst_outputnetwork.moc"
