// Every modal box of the program goes through one presenter, so that tests can
// record the boxes instead of blocking on them. The error display lives here too:
// each handler runs inside guarded(), which turns whatever escapes it into the
// application's error box and lets the program go on with the next user action.
#pragma once

#include <QString>

#include <functional>

namespace anodyne::ui {

enum class BoxKind {
    Information, // the calculation's own messages: information icon, one OK button
    Error,       // the error display and the math-error display: error icon, one OK button
};

struct BoxRequest {
    BoxKind kind;
    QString text;
    QString caption;
};

using BoxPresenter = std::function<void(const BoxRequest&)>;

// Replaces how boxes are shown; an empty presenter restores the real message box.
void setBoxPresenter(BoxPresenter presenter);
void presentBox(const BoxRequest& request);

// The program file's name without its extension, the caption of error boxes.
QString applicationTitle();

void showInformation(const QString& text, const QString& caption);
// The error's text with a full stop added unless it already ends with one.
void showError(const QString& text);
// The runtime's math-error box ("sqrt: DOMAIN error").
void showMathError(const QString& text);

// Runs one handler; an error that escapes it is shown by the error display.
void guarded(const std::function<void()>& handler);

} // namespace anodyne::ui
