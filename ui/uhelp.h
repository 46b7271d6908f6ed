// The Help window: a short usage text in an editable box and a "Close" button.
//
// Created hidden at start-up and kept until the program ends; closing hides it,
// so the text comes back with whatever the user typed into it. Nothing typed
// there is ever saved.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TFHelp;
}

namespace anodyne {

class TFHelp : public QWidget {
    Q_OBJECT
public:
    explicit TFHelp(QWidget* parent = nullptr);
    ~TFHelp() override;

    // Makes the window visible, brings it to the front and activates it.
    void showWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TFHelp> ui;
};

} // namespace anodyne
