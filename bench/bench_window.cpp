// Cost of the windows against a bare Qt Charts window, side by side in one run:
// start-up (the program's three windows created as the program does, the main
// window shown and painted, then everything destroyed) against one window holding
// one chart with one line, and one click on the schematic until every result
// label is written. Peak memory of each start-up comes from a fresh child process
// (this binary started again with --startup-child=...), so neither pollutes the
// other's high-water mark.
#include "ui/application.h"
#include "ui/messages.h"
#include "ui/uhelp.h"
#include "ui/uinfo.h"
#include "ui/umain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Lets the event loop run until `window` has had its first paint: the platform
// window is exposed and the backing store drawn (children are drawn in the same
// pass as their top-level window).
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* window) : window_(window) { window_->installEventFilter(this); }

    void waitPainted()
    {
        if (!QTest::qWaitForWindowExposed(window_))
            throw std::runtime_error("the window was never exposed");
        QElapsedTimer t;
        t.start();
        while (!painted_) {
            if (t.elapsed() > 5000)
                throw std::runtime_error("the window was never painted");
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint)
            painted_ = true;
        return false;
    }

private:
    QWidget* window_;
    bool painted_ = false;
};

// The program's start-up as its entry does it: main window first and shown, then
// the About and Help windows created hidden and handed to it; all destroyed in
// the reverse order when the program leaves its message loop.
void programStartup()
{
    auto main = std::make_unique<anodyne::ui::TMain>();
    PaintWatch watch(main.get());
    main->setEndsProgramOnClose(true);
    main->show();
    auto fInfo = std::make_unique<anodyne::TFInfo>();
    auto fHelp = std::make_unique<anodyne::TFHelp>();
    main->setInfoWindow(fInfo.get());
    main->setHelpWindow(fHelp.get());
    watch.waitPainted();
    fHelp.reset();
    fInfo.reset();
    main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The yardstick: the least a Qt Widgets program with one chart costs.
void chartsStartup(int charts)
{
    auto window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    for (int i = 0; i < charts; ++i) {
        auto* series = new QLineSeries;
        series->append({QPointF(1.8, 1.6), QPointF(1.9, 1.1), QPointF(2.0, 1.4)});
        auto* chart = new QChart;
        chart->addSeries(series);
        chart->createDefaultAxes();
        layout->addWidget(new QChartView(chart));
    }
    window->resize(788, 724);
    PaintWatch watch(window.get());
    window->show();
    watch.waitPainted();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void baselineStartup()
{
    chartsStartup(1);
}

// The floor for any main window of this program: the same window with the two
// charts it must hold and nothing else.
void twoChartsStartup()
{
    chartsStartup(2);
}

using Startup = void (*)();

// The program's start-up with the application-wide settings its entry makes first.
void preparedProgramStartup()
{
    anodyne::ui::prepareApplication();
    programStartup();
}

Startup startupByName(const char* name)
{
    if (std::strcmp(name, "program") == 0)
        return preparedProgramStartup;
    if (std::strcmp(name, "baseline") == 0)
        return baselineStartup;
    if (std::strcmp(name, "twocharts") == 0)
        return twoChartsStartup;
    return nullptr;
}

// The peak resident set so far (VmHWM), in kB.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // Files under /proc report no size: read to the end, then look.
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// A whole start-up in a fresh process: application object, windows, first paint,
// teardown. Prints "<peak kB> <nanoseconds>".
int runChild(Startup startup, int argc, char* argv[])
{
    QElapsedTimer t;
    t.start();
    {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        startup();
    }
    const qint64 ns = t.nsecsElapsed();
    std::printf("%ld %lld\n", peakResidentKb(), static_cast<long long>(ns));
    return 0;
}

struct ChildResult {
    double peakKb = 0;
    double wallNs = 0;
};

ChildResult measureInChild(const char* name)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup-child=") + QLatin1String(name)});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        throw std::runtime_error(std::string("the start-up child '") + name + "' failed");
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        throw std::runtime_error(std::string("the start-up child '") + name + "' printed no measurement");
    return {fields[0].toDouble(), fields[1].toDouble()};
}

// Fresh-process figures for both start-ups, the median of a few runs each.
struct ChildFigures {
    ChildResult program;
    ChildResult baseline;
    ChildResult twoCharts;
};

const ChildFigures& childFigures()
{
    static const ChildFigures figures = [] {
        constexpr int kRuns = 5;
        auto median = [](const char* name) {
            std::vector<ChildResult> runs;
            for (int i = 0; i < kRuns; ++i)
                runs.push_back(measureInChild(name));
            auto mid = [&](double ChildResult::*field) {
                std::vector<double> v;
                for (const ChildResult& r : runs)
                    v.push_back(r.*field);
                std::sort(v.begin(), v.end());
                return v[v.size() / 2];
            };
            return ChildResult{mid(&ChildResult::peakKb), mid(&ChildResult::wallNs)};
        };
        return ChildFigures{median("program"), median("baseline"), median("twocharts")};
    }();
    return figures;
}

// Mean wall time of one start-up of the yardstick window, for the program's ratio.
double baselineWallNs = 0;

double meanWallNs(benchmark::State& state, void (*startup)())
{
    QElapsedTimer t;
    qint64 total = 0;
    for (auto _ : state) {
        t.start();
        startup();
        total += t.nsecsElapsed();
    }
    return state.iterations() > 0 ? static_cast<double>(total) / static_cast<double>(state.iterations()) : 0.0;
}

void BM_StartupBaseline(benchmark::State& state)
{
    baselineWallNs = meanWallNs(state, baselineStartup);
    const ChildFigures& f = childFigures();
    state.counters["peak_kB"] = f.baseline.peakKb;
    state.counters["cold_ms"] = f.baseline.wallNs / 1e6;
}

// A start-up's figures set against the bare window's.
void countAgainstBaseline(benchmark::State& state, double wallNs, const ChildResult& cold)
{
    if (baselineWallNs > 0)
        state.counters["time_ratio"] = wallNs / baselineWallNs;
    const ChildResult& base = childFigures().baseline;
    state.counters["peak_kB"] = cold.peakKb;
    state.counters["cold_ms"] = cold.wallNs / 1e6;
    state.counters["peak_ratio"] = cold.peakKb / base.peakKb;
    state.counters["cold_ratio"] = cold.wallNs / base.wallNs;
}

void BM_StartupTwoCharts(benchmark::State& state)
{
    countAgainstBaseline(state, meanWallNs(state, twoChartsStartup), childFigures().twoCharts);
}

void BM_StartupProgram(benchmark::State& state)
{
    anodyne::ui::prepareApplication(); // once per process, as the entry does
    countAgainstBaseline(state, meanWallNs(state, programStartup), childFigures().program);
}

BENCHMARK(BM_StartupBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupTwoCharts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupProgram)->Unit(benchmark::kMillisecond);

// One click on the schematic of a shown main window: press and release reach the
// picture, the design pass runs and writes every result label.
void BM_SchematicClick(benchmark::State& state)
{
    int boxes = 0;
    anodyne::ui::setBoxPresenter([&boxes](const anodyne::ui::BoxRequest&) { ++boxes; });
    anodyne::ui::TMain main;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        state.SkipWithError("the main window was never exposed");
        return;
    }
    auto* image1 = main.findChild<QWidget*>(QStringLiteral("Image1"));
    auto* pi = main.findChild<QLabel*>(QStringLiteral("PiLabel"));
    for (auto _ : state) {
        QTest::mouseClick(image1, Qt::LeftButton, {}, QPoint(100, 100));
        benchmark::DoNotOptimize(pi->text());
    }
    anodyne::ui::setBoxPresenter({});
    if (boxes != 0)
        state.SkipWithError("the design pass asked for a message box");
    if (pi->text() == QLatin1String("Pi"))
        state.SkipWithError("the design pass wrote no labels");
}
BENCHMARK(BM_SchematicClick)->Unit(benchmark::kMicrosecond);

const char* verdict(double measured, double budget)
{
    return measured <= budget ? "within" : "OVER BUDGET";
}

// Collects the start-up times so the summary can set them against each other.
class Reporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved run reads cleanly.
    Reporter() : ConsoleReporter(isatty(fileno(stdout)) != 0 ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred)
                continue;
            const std::string name = r.benchmark_name();
            const double ms = r.GetAdjustedRealTime(); // in the benchmark's unit (ms)
            if (name == "BM_StartupBaseline")
                baselineMs = ms;
            else if (name == "BM_StartupProgram")
                programMs = ms;
            else if (name == "BM_SchematicClick")
                clickUs = ms;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double baselineMs = 0;
    double programMs = 0;
    double clickUs = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    // Headless unless the caller asked for a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    for (int i = 1; i < argc; ++i) {
        constexpr char kChild[] = "--startup-child=";
        if (std::strncmp(argv[i], kChild, sizeof kChild - 1) == 0) {
            const Startup startup = startupByName(argv[i] + sizeof kChild - 1);
            if (startup == nullptr)
                return 2;
            return runChild(startup, argc, argv);
        }
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    // The fresh-process figures are the start-up of record: they hold what a user
    // waits for, the application object and the first loads of fonts and styles
    // included. The in-process ones show the windows' own share.
    if (reporter.programMs > 0 && reporter.baselineMs > 0) {
        const ChildFigures& f = childFigures();
        const double coldRatio = f.program.wallNs / f.baseline.wallNs;
        const double peakRatio = f.program.peakKb / f.baseline.peakKb;
        std::printf("\nStart-up, fresh process: program %.1f ms, bare one-chart window %.1f ms: ratio %.2f, budget 1.30: %s\n",
                    f.program.wallNs / 1e6, f.baseline.wallNs / 1e6, coldRatio, verdict(coldRatio, 1.30));
        std::printf("  the two charts alone, for comparison: %.1f ms, ratio %.2f\n", f.twoCharts.wallNs / 1e6,
                    f.twoCharts.wallNs / f.baseline.wallNs);
        std::printf("Start-up, in process (windows only): program %.2f ms, bare window %.2f ms, ratio %.2f\n",
                    reporter.programMs, reporter.baselineMs, reporter.programMs / reporter.baselineMs);
        std::printf("Peak memory (VmHWM, fresh process): program %.0f kB, bare window %.0f kB: ratio %.2f, budget 1.20: %s\n",
                    f.program.peakKb, f.baseline.peakKb, peakRatio, verdict(peakRatio, 1.20));
    }
    if (reporter.clickUs > 0)
        std::printf("Schematic click: %.1f us, budget 1000 us: %s\n", reporter.clickUs, verdict(reporter.clickUs, 1000));
    benchmark::Shutdown();
    return 0;
}
