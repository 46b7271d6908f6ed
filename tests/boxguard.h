// Window tests never block on a modal box: every box the program asks for is
// recorded through the presenter seam, and a watchdog closes (and reports) any
// real modal dialog that slips past it.
#pragma once

#include "ui/messages.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace anodyne::test {

class BoxGuard {
public:
    BoxGuard()
    {
        ui::setBoxPresenter([this](const ui::BoxRequest& r) { boxes.push_back(r); });
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                strayDialogs.push_back(modal->windowTitle());
                if (auto* d = qobject_cast<QDialog*>(modal))
                    d->reject();
                else
                    modal->close();
            }
        });
        watchdog_.start(50);
    }
    ~BoxGuard() { ui::setBoxPresenter({}); }
    BoxGuard(const BoxGuard&) = delete;
    BoxGuard& operator=(const BoxGuard&) = delete;

    std::vector<ui::BoxRequest> boxes;
    QStringList strayDialogs;

private:
    QTimer watchdog_;
};

} // namespace anodyne::test
