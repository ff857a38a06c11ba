#pragma once

#include "seams/drucker.h"

#include <QPointer>
#include <memory>

class QPrinter;
class QWidget;

namespace vun::ui {

// The printer as Qt offers it: its print dialog over the main window, the printer chosen there,
// and PDF files.
class QtDrucker : public Drucker {
public:
    QtDrucker();
    ~QtDrucker() override;

    // The window the print dialog stands over.
    void setzeEltern(QWidget* eltern);

    std::optional<Druckwahl> druckdialog(const QString& dokumentname) override;
    bool drucken(const Kartensatz& karten, const Druckwahl& wahl) override;
    bool pdfMalen(QIODevice& ziel, const Kartensatz& karten, const QString& dokumentname) override;

private:
    QPointer<QWidget> eltern_;
    // Made afresh for every dialog: each print starts on A4 without margins.
    std::unique_ptr<QPrinter> drucker_;
};

} // namespace vun::ui
