// The About window: a borderless card with the program's name, a picture of a
// transmitting tube, a note and a link to the product's web page.
//
// Created hidden at start-up (its opening zoom is drawn then), dressed when first
// shown, and kept until the program ends: a click anywhere on it closes it, which hides it with the
// closing zoom; a click on the link opens the web page and leaves it open.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QShowEvent;
class QUrl;

namespace Ui {
class TFInfo;
}

namespace anodyne {

// The product's web page, shown on the link label and opened from it.
inline constexpr char kProductPage[] = "https://anodyne.example.org/";
// The maker's notice at the foot of the About window.
inline constexpr char kMakerNotice[] = "(c) 2026 Anodyne PA developers";

class TFInfo : public QWidget {
    Q_OBJECT
public:
    // Hands the page to the system; the answer is not examined. Tests put a
    // recorder here so that no browser starts.
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit TFInfo(QWidget* parent = nullptr);
    ~TFInfo() override;

    // Makes the window visible, brings it to the front and activates it.
    void showWindow();
    void setUrlOpener(UrlOpener opener);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void label1Click();
    void dress();

    std::unique_ptr<Ui::TFInfo> ui;
    UrlOpener openUrl;
    bool dressed = false;
};

} // namespace anodyne
