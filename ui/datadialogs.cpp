#include "datadialogs.h"

#include <QFileDialog>

namespace anodyne::ui {
namespace {

FileChooser& chooser()
{
    static FileChooser c;
    return c;
}

QString runDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void configureDataDialog(QFileDialog& dialog, DataDialog kind)
{
    dialog.setDefaultSuffix(QStringLiteral("amp"));
    if (kind == DataDialog::Open) {
        dialog.setObjectName(QStringLiteral("OpenDialog1"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({QStringLiteral("Amplifier data file(*.amp)")});
    } else {
        dialog.setObjectName(QStringLiteral("SaveDialog1"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilters({QStringLiteral("Amplifier data file(*.amp)"), QStringLiteral("Text Files(*.txt *.doc)"),
                               QStringLiteral("All Files(*)")});
    }
}

void setFileChooser(FileChooser c) { chooser() = std::move(c); }

QString chooseDataFile(QWidget* parent, DataDialog kind)
{
    QFileDialog dialog(parent);
    configureDataDialog(dialog, kind);
    return chooser() ? chooser()(dialog) : runDialog(dialog);
}

} // namespace anodyne::ui
