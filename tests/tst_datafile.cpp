// The .amp data file: the new-file layout byte for byte, updates that keep the
// file's history, round trips of the entries, every failure leaving file and
// window as they were, and mangled files that must never half-load.
#include "fakeform.h"

#include "datafile/ampfile.h"
#include "datafile/dataline.h"
#include "datafile/textfile.h"
#include "design/apperror.h"
#include "design/numericfield.h"

#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace anodyne;
using anodyne::test::FakeForm;

using Entries = QMap<QString, QString>; // control -> text typed or choice made
using Expected = QMap<QString, QString>; // control -> text shown after loading

namespace {

// A window whose every saved entry differs from the start-up state, so that a
// load which skipped a control shows.
FakeForm dirtyForm(char separator = '.')
{
    FakeForm f = FakeForm::atStartup(separator);
    for (const char* field : entryControls())
        f.setValue(field, 1.0L);
    f.texts["RaEdit"] = "ZZZZ";
    f.texts["EffSpinEdit"] = "0.77";
    f.checked["RinCheckBox"] = false;
    f.checked["TRIButton"] = false;
    f.checked["TETButton"] = true;
    f.writes.clear();
    return f;
}

void apply(FakeForm& f, const Entries& entries)
{
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const std::string key = it.key().toStdString();
        if (key == "TETButton" || key == "TRIButton") {
            f.checked["TRIButton"] = key == "TRIButton";
            f.checked["TETButton"] = key == "TETButton";
        } else if (key == "RinCheckBox") {
            f.checked["RinCheckBox"] = it.value() == "on";
        } else {
            f.texts[key] = it.value().toStdString();
        }
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList fileLines(const QString& path)
{
    const QString text = QString::fromLatin1(fileBytes(path));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

QStringList dirEntries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The message of the AppError that `action` raises, or a note that it raised none.
QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& e) {
        return QString::fromStdString(e.text());
    }
    return QStringLiteral("<no error>");
}

// Everything a load may touch.
struct Controls {
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> checked;
    bool operator==(const Controls&) const = default;
};
Controls controlsOf(const FakeForm& f) { return {f.texts, f.checked}; }

std::string s8(const QString& s) { return s.toStdString(); }

// The start-up data line, field by field at its column: 161 characters.
const QByteArray kStartupDataLine = QByteArray("1050  ") + "0.5   " + "2.5     " + "10     " + "5       " +
                                    "10     " + "30      " + "14.05   " + "TRI  " + "1   " + "+   " + "1    " +
                                    "50   " + "3    " + "13" + QByteArray(73, ' ');

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void init();

    void newFileAsDocumented();
    void updatesKeepTheHistory();
    void methodNames_data();
    void methodNames();
    void tubeType_data();
    void tubeType();
    void roundTrip_data();
    void roundTrip();
    void storedLayoutReadsAsBefore();
    void lineEnds_data();
    void lineEnds();
    void loadErrors_data();
    void loadErrors();
    void saveErrors_data();
    void saveErrors();
    void interruptedSaveKeepsOldFile();
    void mangledLinesNeverHalfLoad();

private:
    QScopedPointer<QTemporaryDir> tmp;
    QString dir;
};

void TestDataFile::init()
{
    tmp.reset(new QTemporaryDir);
    QVERIFY(tmp->isValid());
    dir = tmp->path();
}

void TestDataFile::newFileAsDocumented()
{
    FakeForm f = FakeForm::atStartup();
    // The dialog's directory is not used: the file goes to the start-up directory.
    const std::string written = saveAmplifierData(f, "/no/such/dialog/dir/test.amp", s8(dir));
    const QString path = dir + "/ test.amp";
    QCOMPARE(QString::fromStdString(written), path);
    QCOMPARE(dirEntries(dir), QStringList{" test.amp"});

    const QByteArray expected = QByteArray("//This file contains calculated data.\r\n"
                                           "//Do not edit lines between ***** manually to prevent data corruption!\r\n"
                                           "*****\r\n"
                                           "Ua,V  Ia,A  S,mA/V  Ci,pF  Cip,pF  Co,pF  Cop,pF  F,MHz   Type Num Ric Rin  Ra   Qin  Qou \r\n") +
                                kStartupDataLine + "\r\n" +
                                "*****\r\n"
                                "//You may edit records below.\r\n"
                                "F = 14.05MHz\r\n"
                                "Input, Rin = 1Ohm, Q = 3, Standard::\r\n"
                                "C1 = Ci1\r\n"
                                "L = Li\r\n"
                                "C2 = Ci2pF\r\n"
                                "Output, Ra = 50Ohm, Q = 13, Standard::\r\n"
                                "C1 = Co1\r\n"
                                "L = Lo\r\n"
                                "C2 = Co2\r\n"
                                " \r\n";
    QCOMPARE(fileBytes(path), expected);

    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[3].size(), 90);
    const QString data = lines[4];
    QCOMPARE(data.size(), 161);
    // Each value stands at its header word's column.
    const QStringList values{"1050", "0.5", "2.5", "10", "5",  "10", "30", "14.05",
                             "TRI",  "1",   "+",   "1",  "50", "3",  "13"};
    for (std::size_t i = 0; i < kDataFieldCount; ++i) {
        const auto col = static_cast<qsizetype>(kDataColumns[i]);
        QCOMPARE(data.mid(col, values[qsizetype(i)].size()), values[qsizetype(i)]);
        QVERIFY(col == 0 || data[col - 1] == ' ');
        QVERIFY(lines[3][col] != ' ' && (col == 0 || lines[3][col - 1] == ' '));
    }
    QVERIFY(f.writes.empty());
}

void TestDataFile::updatesKeepTheHistory()
{
    FakeForm f = FakeForm::atStartup();
    const QString path = QString::fromStdString(saveAmplifierData(f, "test.amp", s8(dir)));
    ::chmod(path.toLocal8Bit().constData(), 0640);

    // The user's own edits, with other line ends and none at the end.
    QByteArray edited = fileBytes(path);
    edited.replace("//You may edit records below.", "my notes\nabout the 3-500Z\rdesign");
    edited += "last note, no line end";
    writeFile(path, edited);
    const QStringList before = QString::fromLatin1(edited).split(QRegularExpression("\r\n|\r|\n"));
    QCOMPARE(before.size(), 20);

    // Chosen in the dialog: the file itself.
    f.texts["UaSpinEdit"] = "2000";
    saveAmplifierData(f, s8(path), s8(dir));
    // A new name that leads to the same file in the start-up directory updates it too.
    f.texts["UaSpinEdit"] = "3000";
    f.texts["FrSpinEdit"] = "7.030";
    saveAmplifierData(f, "/elsewhere/test.amp", s8(dir));
    QCOMPARE(dirEntries(dir), QStringList{" test.amp"});

    const QStringList after = fileLines(path);
    QCOMPARE(after.size(), before.size() + 20);
    for (int i = 0; i < before.size(); ++i) {
        if (i == 4)
            QVERIFY(after[i].startsWith("3000  0.5   2.5     "));
        else
            QCOMPARE(after[i], before[i]);
    }
    QCOMPARE(after.filter(QRegularExpression("^F = ")),
             (QStringList{"F = 14.05MHz", "F = 14.05MHz", "F = 7.03MHz"}));
    QCOMPARE(after.back(), QStringLiteral(" "));
    QVERIFY(fileBytes(path).endsWith("C2 = Co2\r\n \r\n"));
    QVERIFY(fileBytes(path).contains("last note, no line end\r\nF = 14.05MHz\r\n"));
    struct stat st {};
    QCOMPARE(::stat(path.toLocal8Bit().constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777U, 0640U); // the file's permissions survive the rewrite
}

void TestDataFile::methodNames_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("standard") << "ARRLButton" << "Standard::";
    QTest::newRow("W5FD") << "W5FDButton" << "W5FD::";
    QTest::newRow("UA3DA") << "UA3DAButton" << "UA3DA::";
    QTest::newRow("impedance transformer") << "IMPButton" << "Impedance Transformer::";
    QTest::newRow("Zorvex: nothing after the comma") << "ZorvexButton" << "";
}

void TestDataFile::methodNames()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    FakeForm f = FakeForm::atStartup();
    f.chooseMethod("In", s8(button));
    const QString path = QString::fromStdString(saveAmplifierData(f, "m.amp", s8(dir)));
    f.chooseMethod("In", "ARRLButton");
    f.chooseMethod("Ou", s8(button));
    saveAmplifierData(f, s8(path), s8(dir));
    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 27);
    QCOMPARE(lines[8], "Input, Rin = 1Ohm, Q = 3, " + name);
    QCOMPARE(lines[12], QStringLiteral("Output, Ra = 50Ohm, Q = 13, Standard::"));
    QCOMPARE(lines[18], QStringLiteral("Input, Rin = 1Ohm, Q = 3, Standard::"));
    QCOMPARE(lines[22], "Output, Ra = 50Ohm, Q = 13, " + name);
}

void TestDataFile::tubeType_data()
{
    QTest::addColumn<bool>("tri");
    QTest::addColumn<bool>("tet");
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("loadedTri");
    QTest::addColumn<bool>("loadedTet");
    QTest::addColumn<QString>("efficiency");
    // The window loaded into is a tetrode at efficiency 0.77 (dirtyForm).
    QTest::newRow("triode sets 0.65") << true << false << "TRI" << true << false << "0.65";
    QTest::newRow("tetrode sets 0.55") << false << true << "TET" << false << true << "0.55";
    QTest::newRow("neither: type and efficiency stay") << false << false << "   " << false << true << "0.77";
    QTest::newRow("both: type and efficiency stay") << true << true << "   " << false << true << "0.77";
}

void TestDataFile::tubeType()
{
    QFETCH(bool, tri);
    QFETCH(bool, tet);
    QFETCH(QString, column);
    QFETCH(bool, loadedTri);
    QFETCH(bool, loadedTet);
    QFETCH(QString, efficiency);
    FakeForm f = FakeForm::atStartup();
    f.checked["TRIButton"] = tri;
    f.checked["TETButton"] = tet;
    f.texts["EffSpinEdit"] = "0.90"; // never stored
    const QString path = QString::fromStdString(saveAmplifierData(f, "t.amp", s8(dir)));
    QCOMPARE(fileLines(path)[4].mid(58, 3), column);

    FakeForm g = dirtyForm();
    loadAmplifierData(g, s8(path));
    QCOMPARE(g.isChecked("TRIButton"), loadedTri);
    QCOMPARE(g.isChecked("TETButton"), loadedTet);
    QCOMPARE(QString::fromStdString(g.text("EffSpinEdit")), efficiency);
}

void TestDataFile::roundTrip_data()
{
    QTest::addColumn<QString>("saveSep");
    QTest::addColumn<QString>("loadSep");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<Expected>("expected"); // beyond the field's own value as it would be set

    QTest::newRow("start-up entries") << "." << "." << Entries{} << Expected{{"RaEdit", "50  "}};
    QTest::newRow("plate current longer than its room keeps S whole")
        << "." << "." << Entries{{"IaSpinEdit", "0.01255"}, {"SSpinEdit", "2.5"}}
        << Expected{{"IaSpinEdit", "0.013"}, {"SSpinEdit", "2.5"}};
    QTest::newRow("loaded Q 10000 reads whole") << "." << "." << Entries{{"QolSpinEdit", "10000"}}
                                                << Expected{{"QolSpinEdit", "10000.0"}};
    QTest::newRow("frequency 1296.125 reads whole") << "." << "." << Entries{{"FrSpinEdit", "1296.125"}}
                                                    << Expected{{"FrSpinEdit", "1296.125"}};
    QTest::newRow("every field at its widest")
        << "." << "."
        << Entries{{"UaSpinEdit", "10000"}, {"IaSpinEdit", "19.995"}, {"SSpinEdit", "499.9"},
                   {"CinSpinEdit", "999.9"}, {"CipSpinEdit", "3000"},  {"CotSpinEdit", "999.9"},
                   {"CopSpinEdit", "3000"},  {"FrSpinEdit", "1299.995"}, {"TqSpinEdit", "12"},
                   {"RinSpinEdit", "2999"},  {"RaEdit", "1000"},       {"QilSpinEdit", "199.9"},
                   {"QolSpinEdit", "9999.9"}, {"RinCheckBox", "off"},  {"TETButton", "on"}}
        << Expected{{"UaSpinEdit", "10000"},   {"IaSpinEdit", "19.995"}, {"SSpinEdit", "499.9"},
                    {"CinSpinEdit", "999.9"},  {"CipSpinEdit", "3000"},  {"CotSpinEdit", "999.9"},
                    {"CopSpinEdit", "3000"},   {"FrSpinEdit", "1299.995"}, {"TqSpinEdit", "12"},
                    {"RinSpinEdit", "2999"},   {"RaEdit", "1000"},       {"QilSpinEdit", "199.9"},
                    {"QolSpinEdit", "9999.9"}, {"EffSpinEdit", "0.55"}};
    QTest::newRow("beyond the ranges, limited as loading would")
        << "." << "." << Entries{{"UaSpinEdit", "123456"}, {"IaSpinEdit", "-0.5"}, {"QilSpinEdit", "1234.5678"}}
        << Expected{{"UaSpinEdit", "10000"}, {"IaSpinEdit", "0.010"}, {"QilSpinEdit", "200.0"}};
    QTest::newRow("more digits than room") << "." << "."
                                           << Entries{{"FrSpinEdit", "14.0512345"}, {"CinSpinEdit", "12.3456789"}}
                                           << Expected{{"FrSpinEdit", "14.051"}, {"CinSpinEdit", "12.3"}};
    QTest::newRow("load impedance as four characters")
        << "." << "." << Entries{{"RaEdit", "75.25"}} << Expected{{"RaEdit", "75.2"}};
    QTest::newRow("load impedance cut to its room")
        << "." << "." << Entries{{"RaEdit", "300 Ohm"}, {"QilSpinEdit", "4.5"}}
        << Expected{{"RaEdit", "300 "}, {"QilSpinEdit", "4.5"}};
    QTest::newRow("decimal comma")
        << "," << "," << Entries{{"IaSpinEdit", "0,75"}, {"FrSpinEdit", "7,03"}, {"QolSpinEdit", "12,5"}}
        << Expected{{"IaSpinEdit", "0,750"}, {"FrSpinEdit", "7,030"}, {"QolSpinEdit", "12,5"}};
    QTest::newRow("decimal comma file under point")
        << "," << "." << Entries{{"IaSpinEdit", "0,75"}, {"FrSpinEdit", "1296,125"}}
        << Expected{{"IaSpinEdit", "0.750"}, {"FrSpinEdit", "1296.125"}};
    QTest::newRow("decimal point file under comma")
        << "." << "," << Entries{{"IaSpinEdit", "0.01255"}} << Expected{{"IaSpinEdit", "0,013"}};
}

void TestDataFile::roundTrip()
{
    QFETCH(QString, saveSep);
    QFETCH(QString, loadSep);
    QFETCH(Entries, entries);
    QFETCH(Expected, expected);
    FakeForm saver = FakeForm::atStartup(saveSep.at(0).toLatin1());
    apply(saver, entries);
    const QString path = QString::fromStdString(saveAmplifierData(saver, "r.amp", s8(dir)));

    // No field reaches into the next one's column.
    const std::string line = s8(fileLines(path)[4]);
    const DataFieldTexts texts = dataFieldTexts(saver);
    for (std::size_t i = 0; i < kDataFieldCount; ++i) {
        QVERIFY2(texts[i].size() <= dataFieldRoom(i), texts[i].c_str());
        QCOMPARE(line.substr(kDataColumns[i], texts[i].size()), texts[i]);
    }

    FakeForm loader = dirtyForm(loadSep.at(0).toLatin1());
    loadAmplifierData(loader, s8(path));
    for (const char* field : entryControls()) {
        const QString want = expected.contains(field)
                                 ? expected[field]
                                 : QString::fromStdString(fieldValueText(*findNumericField(field), saver.value(field),
                                                                         loader.decimalSeparator()));
        QCOMPARE(QString::fromStdString(loader.text(field)), want);
    }
    QCOMPARE(QString::fromStdString(loader.text("RaEdit")), expected.value("RaEdit", "50  "));
    QCOMPARE(loader.isChecked("RinCheckBox"), saver.isChecked("RinCheckBox"));
    QCOMPARE(loader.isChecked("TETButton"), saver.isChecked("TETButton"));
    QCOMPARE(QString::fromStdString(loader.text("EffSpinEdit")),
             expected.value("EffSpinEdit", loadSep == "," ? "0,65" : "0.65"));
}

void TestDataFile::storedLayoutReadsAsBefore()
{
    // A plate current one character too long had S inserted into its middle.
    DataFieldTexts texts{"1050", "0.01255", "2.5", "10", "5", "10", "30", "14.05",
                         "TRI",  "1",       "+",   "1",  "50", "3", "13"};
    const std::string old = buildDataLine(texts);
    QCOMPARE(old.size(), std::size_t(165));
    QCOMPARE(old.substr(6, 14), std::string("0.01252.55    "));
    const AmpEntries e = readDataLine(old);
    QCOMPARE(e.values[1], 0.0125L);
    QCOMPARE(e.values[2], 2.55L);
    QCOMPARE(e.ra, std::string("50  "));
    QVERIFY(e.rinCalculate.has_value() && *e.rinCalculate);
    QVERIFY(e.type == TubeType::Triode);
}

void TestDataFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray head = "a\r\nb\r\nc\r\nd\r\n";
    QTest::newRow("CR LF") << head + "2000\r\ne\r\n";
    QTest::newRow("LF") << QByteArray("a\nb\nc\nd\n2000\ne\n");
    QTest::newRow("CR") << QByteArray("a\rb\rc\rd\r2000\re\r");
    QTest::newRow("mixed, empty lines count") << QByteArray("a\r\n\nc\rd\n2000\r\n");
    QTest::newRow("no line end at the end") << head + "2000";
    QTest::newRow("NUL bytes elsewhere") << QByteArray("a\0\0\r\nb\r\nc\r\nd\r\n2000\r\n\0\xff", 23);
}

void TestDataFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    // Only the plate voltage: the other fields of line 5 are empty and the load fails,
    // which shows that exactly line 5 was taken.
    const QString path = dir + "/l.amp";
    writeFile(path, bytes);
    FakeForm f = dirtyForm();
    QCOMPARE(errorOf([&] { loadAmplifierData(f, s8(path)); }),
             QStringLiteral("'' is not a valid floating point value"));
    writeFile(path, QByteArray(bytes).replace("2000", QByteArray(kStartupDataLine).replace("1050", "2000")));
    loadAmplifierData(f, s8(path));
    QCOMPARE(QString::fromStdString(f.text("UaSpinEdit")), QStringLiteral("2000"));
    QCOMPARE(QString::fromStdString(f.text("QolSpinEdit")), QStringLiteral("13.0"));
}

void TestDataFile::loadErrors_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: see the row's name
    QTest::addColumn<QString>("error");    // %1: the path
    const QByteArray head = "a\r\nb\r\nc\r\nd\r\n";
    auto withField = [&](int column, const QByteArray& from, const QByteArray& to) {
        QByteArray line = kStartupDataLine;
        const auto at = line.indexOf(from, column);
        return head + line.replace(at, from.size(), to) + "\r\n";
    };
    QTest::newRow("four lines") << head << "List index out of bounds (4)";
    QTest::newRow("empty file") << QByteArray() << "List index out of bounds (4)";
    QTest::newRow("missing file") << QByteArray() << "Cannot open file %1";
    QTest::newRow("directory") << QByteArray() << "Cannot open file %1";
    QTest::newRow("larger than an amp file") << QByteArray() << "Cannot open file %1";
    QTest::newRow("letter in plate voltage") << withField(0, "1050", "1O50")
                                             << "'1O50  ' is not a valid floating point value";
    QTest::newRow("empty plate current") << withField(6, "0.5", "   ") << "'      ' is not a valid floating point value";
    QTest::newRow("thousands separator") << withField(0, "1050  ", "1,050.") << "'1,050.' is not a valid floating point value";
    QTest::newRow("bad last field, nothing before it set") << withField(86, "13", "1x")
                                                           << "'1x' is not a valid floating point value";
    QTest::newRow("NUL bytes shown as ?") << withField(50, "14.05", QByteArray("14\0\0" "5", 5))
                                          << "'14??5   ' is not a valid floating point value";
    QTest::newRow("huge garbage last field is cut")
        << head + kStartupDataLine.left(86) + QByteArray(100000, 'x') + "\r\n"
        << "'" + QString(64, 'x') + "...' is not a valid floating point value";
}

void TestDataFile::loadErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const QByteArray tag = QTest::currentDataTag();
    QString path = dir + "/bad.amp";
    if (tag == "directory")
        QVERIFY(QDir(dir).mkdir("bad.amp"));
    else if (tag == "larger than an amp file")
        writeFile(path, QByteArray("a\r\nb\r\nc\r\nd\r\n") + kStartupDataLine + "\r\n" +
                            QByteArray(int(kMaxAmpFileSize), ' '));
    else if (tag != "missing file")
        writeFile(path, bytes);

    FakeForm f = dirtyForm();
    const Controls before = controlsOf(f);
    QCOMPARE(errorOf([&] { loadAmplifierData(f, s8(path)); }), error.contains("%1") ? error.arg(path) : error);
    QVERIFY(controlsOf(f) == before);
    QVERIFY(f.writes.empty());
    QVERIFY(f.focus.empty());
}

void TestDataFile::saveErrors_data()
{
    QTest::addColumn<QString>("chosen");   // relative to the temporary directory
    QTest::addColumn<QString>("startup");  // relative to the temporary directory
    QTest::addColumn<QString>("remarks");
    QTest::addColumn<QString>("error");    // %1: the temporary directory
    QTest::newRow("existing file of four lines") << "four.amp" << "start" << "" << "List index out of bounds (4)";
    QTest::newRow("existing empty file") << "empty.amp" << "start" << "" << "List index out of bounds (4)";
    QTest::newRow("existing file too large") << "large.amp" << "start" << "" << "Cannot open file %1/large.amp";
    QTest::newRow("existing file would outgrow what loading accepts")
        << "full.amp" << "start" << "" << "Cannot create file %1/full.amp";
    QTest::newRow("chosen name is a directory") << "folder.amp" << "start" << "" << "Cannot open file %1/folder.amp";
    QTest::newRow("new name is a directory") << "x/folder.amp" << "." << "" << "Cannot open file %1/./ folder.amp";
    QTest::newRow("start-up directory is a file") << "x/new.amp" << "four.amp" << "3CX800"
                                                  << "Cannot create file %1/four.amp/3CX800 new.amp";
    QTest::newRow("start-up directory missing") << "x/new.amp" << "gone" << ""
                                                << "Cannot create file %1/gone/ new.amp";
    QTest::newRow("path separator in the remarks") << "x/new.amp" << "start" << "../GU74B"
                                                   << "Cannot create file %1/start/../GU74B new.amp";
}

void TestDataFile::saveErrors()
{
    QFETCH(QString, chosen);
    QFETCH(QString, startup);
    QFETCH(QString, remarks);
    QFETCH(QString, error);
    QVERIFY(QDir(dir).mkdir("start"));
    QVERIFY(QDir(dir).mkdir(" folder.amp"));
    QVERIFY(QDir(dir).mkdir("folder.amp"));
    writeFile(dir + "/four.amp", "a\r\nb\r\nc\r\nd\r\n");
    writeFile(dir + "/empty.amp", "");
    writeFile(dir + "/large.amp", QByteArray(int(kMaxAmpFileSize) + 1, '\n'));
    // Loadable as it is, but one more record would take it past the size limit.
    if (QByteArray(QTest::currentDataTag()) == "existing file would outgrow what loading accepts") {
        const QByteArray head = QByteArray("a\r\nb\r\nc\r\nd\r\n") + kStartupDataLine + "\r\n";
        writeFile(dir + "/full.amp", head + QByteArray(int(kMaxAmpFileSize) - head.size() - 10, '#') + "\r\n");
        FakeForm probe = FakeForm::atStartup();
        loadAmplifierData(probe, s8(dir + "/full.amp"));
    }
    const QStringList entriesBefore = dirEntries(dir) + dirEntries(dir + "/start");
    QMap<QString, QByteArray> bytesBefore;
    for (const char* name : {"four.amp", "empty.amp", "large.amp", "full.amp"})
        bytesBefore[name] = fileBytes(dir + "/" + name);

    FakeForm f = FakeForm::atStartup();
    f.texts["TubeEdit"] = s8(remarks);
    const Controls before = controlsOf(f);
    QCOMPARE(errorOf([&] { saveAmplifierData(f, s8(dir + "/" + chosen), s8(dir + "/" + startup)); }),
             error.contains("%1") ? error.arg(dir) : error);
    QCOMPARE(dirEntries(dir) + dirEntries(dir + "/start"), entriesBefore);
    for (auto it = bytesBefore.begin(); it != bytesBefore.end(); ++it)
        QVERIFY2(fileBytes(dir + "/" + it.key()) == it.value(), qPrintable(it.key()));
    QVERIFY(controlsOf(f) == before);
    QVERIFY(f.writes.empty());
}

void TestDataFile::interruptedSaveKeepsOldFile()
{
    FakeForm f = FakeForm::atStartup();
    const QString path = QString::fromStdString(saveAmplifierData(f, "keep.amp", s8(dir)));
    const QByteArray old = fileBytes(path);

    // A disk that fills up in the middle of writing, even for root: a file size
    // limit makes the write fail part of the way through.
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(old.size());
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    f.texts["UaSpinEdit"] = "2500";
    const QString updateError = errorOf([&] { saveAmplifierData(f, s8(path), s8(dir)); });
    small.rlim_cur = 0;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString newError = errorOf([&] { saveAmplifierData(f, "other.amp", s8(dir)); });
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(updateError, "Cannot create file " + path);
    QCOMPARE(newError, "Cannot create file " + dir + "/ other.amp");
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(dirEntries(dir), QStringList{" keep.amp"}); // no half-written or temporary files

    // With room on the disk again the same save goes through.
    saveAmplifierData(f, s8(path), s8(dir));
    QVERIFY(fileLines(path)[4].startsWith("2500  "));
}

void TestDataFile::mangledLinesNeverHalfLoad()
{
    const std::string good(kStartupDataLine.constData(), std::size_t(kStartupDataLine.size()));
    std::vector<std::pair<std::string, std::string>> cases; // name, line 5
    for (std::size_t n = 0; n <= good.size(); ++n)
        cases.emplace_back("truncated to " + std::to_string(n), good.substr(0, n));
    for (std::size_t i = 0; i < good.size(); ++i) {
        std::string nul = good;
        nul[i] = '\0';
        cases.emplace_back("NUL at " + std::to_string(i), nul);
        std::string letter = good;
        letter[i] = 'x';
        cases.emplace_back("x at " + std::to_string(i), letter);
    }
    for (std::size_t field = 0; field < kDataFieldCount; ++field) {
        std::string blank = good;
        blank.replace(kDataColumns[field], field + 1 < kDataFieldCount ? dataFieldRoom(field) : 2,
                      field + 1 < kDataFieldCount ? dataFieldRoom(field) : 2, ' ');
        cases.emplace_back("empty field " + std::to_string(field), blank);
    }
    cases.emplace_back("overlong", good.substr(0, 86) + std::string(3000000, '9'));
    QRandomGenerator random(20261211);
    for (int r = 0; r < 200; ++r) {
        std::string bytes(std::size_t(random.bounded(400)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(random.bounded(256));
        cases.emplace_back("random " + std::to_string(r), bytes);
    }

    const QString path = dir + "/m.amp";
    int loaded = 0;
    for (const auto& [name, line] : cases) {
        QByteArray bytes("a\r\nb\r\nc\r\nd\r\n");
        bytes.append(line.data(), qsizetype(line.size()));
        writeFile(path, bytes + "\r\n");
        FakeForm f = dirtyForm();
        const Controls before = controlsOf(f);
        bool ok = true;
        try {
            loadAmplifierData(f, s8(path));
        } catch (const AppError&) {
            ok = false;
        }
        if (ok) {
            ++loaded;
            // All of it: every spin edit, the load impedance and the type were set.
            QVERIFY2(f.writes == std::vector<std::string>{"RaEdit"}, name.c_str());
            const AmpEntries e = readDataLine(line);
            for (std::size_t i = 0; i < entryControls().size(); ++i) {
                const char* field = entryControls()[i];
                QVERIFY2(f.text(field) == fieldValueText(*findNumericField(field), e.values[i], '.'), name.c_str());
            }
        } else {
            QVERIFY2(controlsOf(f) == before, name.c_str());
        }
        if (name.starts_with("truncated to "))
            QVERIFY2(ok == (line.size() > 86), name.c_str());
    }
    QVERIFY(loaded > 80);
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
