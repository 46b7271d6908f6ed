// The main window, TMain ("Main").
//
// How the parts meet: the window holds the controls (spin fields, edits, radio
// groups, check boxes, result labels over the schematic picture, the two SWR
// charts and the menu) and nothing else. A click on the schematic hands the
// DesignState and the form interface (MainForm, the controls by object name) to
// the toolkit-free design pass (design/), and a complete pass ends with the band
// proposal of the sweeps (sweep/); a chart click runs that chart's sweep and only
// plots the points it returns; the File menu shows the dialogs and hands the chosen
// file to the .amp reader and writer (datafile/), which work on the form interface
// too; About and Help show windows created after this one. Every handler runs
// guarded: an error that escapes it is shown by the error display, and the
// program goes on.
#pragma once

#include "design/designstate.h"
#include "sweep/pointbuffer.h"
#include "sweep/sweepside.h"

#include <QMainWindow>

#include <memory>

class QComboBox;

namespace anodyne {
class DesignForm;
}

namespace anodyne::ui {

class MainForm;
class Schematic;
class SpinField;
class SwrChart;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    DesignState& state() { return state_; }
    DesignForm& form();
    SwrChart* chart1() const { return chart1_; }
    SwrChart* chart2() const { return chart2_; }
    QWidget* client() const { return centralWidget(); }

    // The About and Help windows, created after this one.
    void setInfoWindow(QWidget* window) { info_ = window; }
    void setHelpWindow(QWidget* window) { help_ = window; }
    // The program's main window ends the program when it closes (after its zoom).
    void setEndsProgramOnClose(bool ends) { endsProgram_ = ends; }

    // The window's handlers, each bound to its control's event.
    void FormCreate();
    void FormClose();
    void Image1Click();
    void Chart1Click();
    void Chart2Click();
    void MOpenClick();
    void MSaveClick();
    void MExitClick();
    void MUseClick();
    void MAboutClick();
    void RinCheckBoxClick();
    void QiCheckBoxClick();
    void QoCheckBoxClick();
    void FrComboBoxSelect(int index);
    void UaSpinEditChange();
    void CinSpinEditChange();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildSchematicLabels(QWidget* client);
    void buildTubeGroup(QWidget* client);
    void buildNetworkGroup(QWidget* client, bool input);
    void buildCharts(QWidget* client);
    void connectHandlers();
    void setTabOrders();
    SpinField* field(const char* name) const;
    void runChartSweep(SweepSide side, SwrChart* chart, PointBuffer& buffer);

    DesignState state_{};
    std::unique_ptr<MainForm> form_;
    Schematic* image1_ = nullptr;
    SwrChart* chart1_ = nullptr;
    SwrChart* chart2_ = nullptr;
    QComboBox* frComboBox_ = nullptr;
    QWidget* info_ = nullptr;
    QWidget* help_ = nullptr;
    bool endsProgram_ = false;
    PointBuffer stringGrid1_; // the sweeps' point buffers, one per chart
    PointBuffer stringGrid2_;
};

// The 38 band frequencies of the band list, in MHz, written with ".".
const QStringList& bandFrequencies();

} // namespace anodyne::ui
