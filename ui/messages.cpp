#include "messages.h"

#include "design/apperror.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <exception>

namespace anodyne::ui {
namespace {

BoxPresenter& presenter()
{
    static BoxPresenter p;
    return p;
}

void showMessageBox(const BoxRequest& r)
{
    QMessageBox box(r.kind == BoxKind::Information ? QMessageBox::Information : QMessageBox::Critical,
                    r.caption, r.text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void setBoxPresenter(BoxPresenter p) { presenter() = std::move(p); }

void presentBox(const BoxRequest& request)
{
    if (presenter())
        presenter()(request);
    else
        showMessageBox(request);
}

QString applicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void showInformation(const QString& text, const QString& caption)
{
    presentBox({BoxKind::Information, text, caption});
}

void showError(const QString& text)
{
    presentBox({BoxKind::Error, text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.'),
                applicationTitle()});
}

void showMathError(const QString& text) { presentBox({BoxKind::Error, text, applicationTitle()}); }

void guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const AppError& e) {
        showError(QString::fromStdString(e.text()));
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    } catch (...) {
        showError(QString());
    }
}

} // namespace anodyne::ui
