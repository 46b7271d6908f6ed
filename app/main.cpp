// The program's entry: the start-up directory, the application object, the main
// window, the message loop, exit code 0.
#include "ui/application.h"
#include "ui/messages.h"
#include "ui/startupdir.h"
#include "ui/uhelp.h"
#include "ui/uinfo.h"
#include "ui/umain.h"

#include <QApplication>

namespace {

// Recorded while the program's modules are initialised, before any window exists.
const bool startupDirRecorded = [] {
    anodyne::ui::recordStartupDir();
    return true;
}();

// The message loop's error display: whatever escapes an event's handling is shown
// and the loop goes on with the next event.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        bool handled = false;
        anodyne::ui::guarded([&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    (void)startupDirRecorded;
    Application app(argc, argv);
    try {
        anodyne::ui::prepareApplication();
        anodyne::ui::TMain main;
        main.setEndsProgramOnClose(true);
        main.show();
        anodyne::TFInfo fInfo; // created hidden; draws its opening zoom
        anodyne::TFHelp fHelp;
        main.setInfoWindow(&fInfo);
        main.setHelpWindow(&fHelp);
        QApplication::exec();
    } catch (const std::exception& e) {
        anodyne::ui::showError(QString::fromUtf8(e.what()));
    } catch (...) {
        anodyne::ui::showError(QString());
    }
    return 0;
}
