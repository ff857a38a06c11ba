#include "ui/qtdrucker.h"

#include "ui/drucken.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace vun::ui {

namespace {

// The cards fill the paper up to its edge as far as the printer reaches.
void randlosAufA4(QPagedPaintDevice& geraet) {
    geraet.setPageSize(QPageSize(QPageSize::A4));
    geraet.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

QtDrucker::QtDrucker() = default;
QtDrucker::~QtDrucker() = default;

void QtDrucker::setzeEltern(QWidget* eltern) {
    eltern_ = eltern;
}

std::optional<Druckwahl> QtDrucker::druckdialog(const QString& dokumentname) {
    drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    randlosAufA4(*drucker_);
    drucker_->setDocName(dokumentname);
    QPrintDialog dialog(drucker_.get(), eltern_);
    dialog.setWindowTitle(QStringLiteral("Karten drucken"));
    // The cards are cut from every sheet; a range of pages would only be ignored.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    auto* karteiseite = new QWidget(&dialog);
    karteiseite->setWindowTitle(QStringLiteral("Karten"));
    auto* rueckseiten =
        new QCheckBox(QStringLiteral("Rückseiten für beidseitigen Druck"), karteiseite);
    (new QVBoxLayout(karteiseite))->addWidget(rueckseiten);
    dialog.setOptionTabs({karteiseite});
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QPageLayout layout = drucker_->pageLayout();
    return Druckwahl{layout.fullRect(QPageLayout::Millimeter).size(),
                     layout.paintRect(QPageLayout::Millimeter), rueckseiten->isChecked(), true};
}

bool QtDrucker::drucken(const Kartensatz& karten, const Druckwahl& wahl) {
    if (!drucker_)
        return false;
    // Between pages the window draws itself; clicks wait until the cards are printed.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool gedruckt = kartenMalen(*drucker_, karten, wahl.rueckseiten, wahl.seitenzeichen, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QGuiApplication::restoreOverrideCursor();
    return gedruckt;
}

bool QtDrucker::pdfMalen(QIODevice& ziel, const Kartensatz& karten, const QString& dokumentname) {
    QPdfWriter pdf(&ziel);
    randlosAufA4(pdf);
    pdf.setResolution(600);
    pdf.setTitle(dokumentname);
    pdf.setCreator(QStringLiteral("VUN-Memory"));
    return kartenMalen(pdf, karten, false);
}

} // namespace vun::ui
