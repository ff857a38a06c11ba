#pragma once

#include "seams/dialoge.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

#include <functional>
#include <memory>

class QMessageBox;

namespace vun {

// The player's dialogs as Qt message and input boxes: application-modal, German buttons
// whatever the system language, every text shown as plain text. Qt's own German texts (the
// context menu of the input line) are loaded with the first box, as nothing else shows them:
// a start without a box is spared reading them. The boxes follow the main window's zoom.
class QtDialoge : public Dialoge {
public:
    // The question mark at a side in pixels, from a picture large enough for any zoom; without
    // one, the style's, which comes at a few small sizes only.
    using Fragebild = std::function<QImage(int seite)>;
    // The zoom factor of the window the boxes belong to.
    using Zoom = std::function<double()>;

    explicit QtDialoge(Fragebild fragezeichen = {}) : fragezeichen_(std::move(fragezeichen)) {}

    // The window the boxes belong to once it is shown; before that they stand on their own.
    // They follow its zoom, even before it is shown.
    void setzeEltern(QWidget* eltern, Zoom zoom = {}) {
        eltern_ = eltern;
        zoom_ = std::move(zoom);
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
    void frageZoomen(QMessageBox& box) const;
    std::unique_ptr<QTranslator> qtTexte_;
    Fragebild fragezeichen_;
    QPointer<QWidget> eltern_;
    Zoom zoom_;
};

// Loads Qt's own German texts (context menus of text fields and the like) into the translator
// and installs it; false where the system has none.
bool qtTexteLaden(QTranslator& uebersetzer);

} // namespace vun
