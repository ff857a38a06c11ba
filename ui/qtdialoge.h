#pragma once

#include "seams/dialoge.h"

#include <QDialog>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

#include <memory>

namespace vun::ui {

class Vergroesserung;

// The player's dialogs as Qt message and input boxes: application-modal, German buttons
// whatever the system language, every text shown as plain text. Qt's own German texts (the
// context menu of the input line) are loaded with the first box, as nothing else shows them:
// a start without a box is spared reading them. The boxes follow the main window's zoom.
class QtDialoge : public Dialoge {
public:
    // The window the boxes belong to once it is shown; before that they stand on their own.
    // They follow its zoom, even before it is shown.
    void setzeEltern(QWidget* eltern, const Vergroesserung* zoom = nullptr) {
        eltern_ = eltern;
        zoom_ = zoom;
    }

    MsgBoxAntwort MsgBox(const QString& prompt, MsgBoxStil stil, const QString& titel,
                         const QString& details = QString()) override;
    QString InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) override;

    // Qt's German texts, loaded with the first dialog of the program, a box or another.
    void qtTexteBereitstellen();

private:
    QWidget* eltern() const;
    double faktor() const;
    // What every box does first: Qt's German texts, its title, modal, its font at the zoom.
    void einrichten(QDialog& box, const QString& titel);
    std::unique_ptr<QTranslator> qtTexte_;
    QPointer<QWidget> eltern_;
    const Vergroesserung* zoom_ = nullptr;
};

} // namespace vun::ui
