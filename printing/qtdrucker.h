#pragma once

#include "seams/drucker.h"

#include <QPointer>
#include <functional>
#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace vun {

// The printer as Qt offers it: its print dialog over the main window at its zoom, the printer
// chosen there, and PDF files.
class QtDrucker : public Drucker {
public:
    QtDrucker();
    ~QtDrucker() override;

    // The window the print dialog stands over, and whose zoom it follows.
    void setzeEltern(QWidget* eltern, std::function<double()> zoom = {});
    // What makes Qt's own texts of the dialog German, called before it is made.
    void setzeTexte(std::function<void()> bereitstellen) { texte_ = std::move(bereitstellen); }

    std::optional<Druckwahl> druckdialog(const QString& dokumentname,
                                         const QString& datei) override;
    bool drucken(const Kartensatz& karten, const Druckwahl& wahl) override;
    bool pdfMalen(QIODevice& ziel, const Kartensatz& karten, const QString& dokumentname) override;

    // The print dialog as it opens, not yet shown: on the choices made in it before in this
    // run, or else on the first printer and the file offered. The cards' own choices stand on
    // its first page.
    std::unique_ptr<QPrintDialog> dialogBauen(const QString& dokumentname, const QString& datei);

private:
    // What the teacher chose in the dialog, kept for the next one; what the game is told.
    Druckwahl wahlMerken(const QPrintDialog& dialog, const QString& datei);

    // The choices made, for the rest of the run only: the game writes no settings.
    struct Gemerkt {
        QString drucker;   // empty where the cards went into a file
        QString datei;     // the file chosen, empty where they went to a printer
        QString angeboten; // the file offered then: another list's file is not kept
        bool rueckseiten = false;
        bool seitenzeichen = true;
    };

    QPointer<QWidget> eltern_;
    std::function<double()> zoom_;
    std::function<void()> texte_;
    // Made afresh for every dialog: each print starts on A4 without margins.
    std::unique_ptr<QPrinter> drucker_;
    Gemerkt gemerkt_;
};

} // namespace vun
