// The File menu's dialogs: OpenDialog1 and SaveDialog1 with their filters and
// default extension, behind one replaceable chooser so tests can answer them.
#pragma once

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace anodyne::ui {

enum class DataDialog { Open, Save };

// Names the dialog and sets its mode, filters and default extension "amp". No
// starting folder is set, and saving asks no overwrite question: an existing file
// is updated, never replaced.
void configureDataDialog(QFileDialog& dialog, DataDialog kind);

// Answers a configured dialog with the chosen file, or an empty text when cancelled.
using FileChooser = std::function<QString(QFileDialog&)>;
void setFileChooser(FileChooser chooser); // an empty chooser restores the real dialog

// Shows the dialog of that kind; the chosen file or an empty text.
QString chooseDataFile(QWidget* parent, DataDialog kind);

} // namespace anodyne::ui
