#include "application.h"

#include "programfont.h"

#include <QApplication>
#include <QIcon>

// The resources are linked into this static library; their initialiser must be
// called from outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(ui);
}

namespace anodyne::ui {

void prepareApplication()
{
    initResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/anodyne-pa.svg")));
    QApplication::setFont(programFont(11));
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace anodyne::ui
