// Runs one click on the schematic against a fake form and records how it ended,
// the way the window's error display would see it.
#pragma once

#include "fakeform.h"

#include "design/apperror.h"
#include "design/driver.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace anodyne::test {

struct PassEnd {
    bool bandProposal = false; // the pass ran to the band proposal
    QString error;             // text of the error that ended it, empty if none
};

inline PassEnd click(DesignState& s, FakeForm& f)
{
    PassEnd end;
    try {
        end.bandProposal = runDesignPass(s, f);
    } catch (const AppError& e) {
        end.error = QString::fromStdString(e.text());
    }
    return end;
}

// Entries as typed: control -> text. Method buttons are given as "In"/"Ou" -> button
// name, check boxes as their name -> "on"/"off", the tube type as its button's name.
using Entries = QMap<QString, QString>;

inline void apply(FakeForm& f, const Entries& entries)
{
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const std::string key = it.key().toStdString();
        const std::string v = it.value().toStdString();
        if (key == "In" || key == "Ou") {
            f.chooseMethod(key, v);
        } else if (key == "TRIButton" || key == "TETButton") { // the tube-type group
            f.checked["TRIButton"] = key == "TRIButton";
            f.checked["TETButton"] = key == "TETButton";
        }
        else if (key.size() > 8 && key.compare(key.size() - 8, 8, "CheckBox") == 0) {
            f.checked[key] = v == "on";
        } else {
            f.texts[key] = v;
        }
    }
}

// Control -> text shown after a pass.
using Expected = QMap<QString, QString>;

// The information boxes a pass showed, each as "caption | text".
inline QStringList boxesOf(const FakeForm& f)
{
    QStringList out;
    for (const auto& b : f.boxes)
        out << QString::fromStdString(b.caption) + " | " + QString::fromStdString(b.text);
    return out;
}

// A reactance as the reference tables give it.
inline QString twoDecimals(float v) { return QString::number(static_cast<double>(v), 'f', 2); }

inline QString shown(const FakeForm& f, const QString& control)
{
    return QString::fromStdString(f.text(control.toStdString()));
}

// Gives the labels a text no calculation writes, to see which ones a pass reaches.
inline void markUntouched(FakeForm& f, std::initializer_list<const char*> labels)
{
    for (const char* l : labels)
        f.texts[l] = "untouched";
}

} // namespace anodyne::test
