#include "printing/qtdrucker.h"

#include "boxes/boxgroesse.h"
#include "look/schrift.h"
#include "printing/drucken.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyle>

namespace vun {

namespace {

// The cards fill the paper up to its edge as far as the printer reaches.
void randlosAufA4(QPagedPaintDevice& geraet) {
    geraet.setPageSize(QPageSize(QPageSize::A4));
    geraet.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QCheckBox* kartenwahl(QGroupBox* gruppe, const char* name, const QString& text, bool an) {
    auto* wahl = new QCheckBox(text, gruppe);
    wahl->setObjectName(QLatin1String(name));
    wahl->setChecked(an);
    gruppe->layout()->addWidget(wahl);
    return wahl;
}

// Qt keeps options of a program's own behind a button that a teacher does not think to press;
// the cards' choices go on the first page, below the printer.
QGroupBox* kartenseiteEinfuegen(QPrintDialog& dialog, bool rueckseiten, bool seitenzeichen) {
    auto* gruppe = new QGroupBox(QStringLiteral("Karten"), &dialog);
    gruppe->setObjectName(QStringLiteral("Karten"));
    new QVBoxLayout(gruppe);
    kartenwahl(gruppe, "Rueckseiten", QStringLiteral("Rückseiten für beidseitigen Druck"),
               rueckseiten);
    kartenwahl(gruppe, "Seitenzeichen",
               QStringLiteral("Zeichen für die Seite eines Paares (bei Paarlisten)"),
               seitenzeichen);
    if (auto* spalte = qobject_cast<QBoxLayout*>(dialog.layout()))
        spalte->insertWidget(1, gruppe);
    else
        dialog.setOptionTabs({gruppe});
    return gruppe;
}

bool angekreuzt(const QPrintDialog& dialog, const char* name) {
    const auto* wahl = dialog.findChild<QCheckBox*>(QLatin1String(name));
    return wahl && wahl->isChecked();
}

} // namespace

QtDrucker::QtDrucker() = default;
QtDrucker::~QtDrucker() = default;

void QtDrucker::setzeEltern(QWidget* eltern, std::function<double()> zoom) {
    eltern_ = eltern;
    zoom_ = std::move(zoom);
}

std::unique_ptr<QPrintDialog> QtDrucker::dialogBauen(const QString& dokumentname,
                                                     const QString& datei) {
    if (texte_)
        texte_();
    drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    randlosAufA4(*drucker_);
    drucker_->setDocName(dokumentname);
    const Gemerkt vorher = gemerkt_;
    if (!vorher.drucker.isEmpty())
        drucker_->setPrinterName(vorher.drucker);
    // A file chosen before is offered again for the same list; another list gets its own.
    if (!vorher.datei.isEmpty())
        drucker_->setOutputFileName(vorher.angeboten == datei ? vorher.datei : datei);
    auto dialog = std::make_unique<QPrintDialog>(drucker_.get(), eltern_);
    dialog->setWindowTitle(QStringLiteral("Karten drucken"));
    // The cards are cut from every sheet; a range of pages would only be ignored.
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    // Qt offers a file in the home folder, named as the document, where no file was chosen.
    if (vorher.datei.isEmpty())
        if (auto* feld = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
            feld->setText(datei);
    QGroupBox* karten = kartenseiteEinfuegen(*dialog, vorher.rueckseiten, vorher.seitenzeichen);
    const double faktor = eltern_ && zoom_ ? zoom_() : 1.0;
    if (faktor != 1.0) {
        dialog->setFont(skaliert(dialog->font(), faktor));
        abstaendeZoomen(*dialog, faktor);
        // The boxes to tick would otherwise stay specks beside their grown text.
        const int seite = qRound(
            faktor * dialog->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, karten));
        karten->setStyleSheet(
            QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(seite));
    }
    mittigHalten(*dialog);
    return dialog;
}

Druckwahl QtDrucker::wahlMerken(const QPrintDialog& dialog, const QString& datei) {
    const bool zuDatei = !drucker_->outputFileName().isEmpty();
    gemerkt_ =
        Gemerkt{zuDatei ? QString() : drucker_->printerName(), drucker_->outputFileName(), datei,
                angekreuzt(dialog, "Rueckseiten"), angekreuzt(dialog, "Seitenzeichen")};
    const QPageLayout layout = drucker_->pageLayout();
    return Druckwahl{layout.fullRect(QPageLayout::Millimeter).size(),
                     layout.paintRect(QPageLayout::Millimeter), gemerkt_.rueckseiten,
                     gemerkt_.seitenzeichen};
}

std::optional<Druckwahl> QtDrucker::druckdialog(const QString& dokumentname, const QString& datei) {
    const std::unique_ptr<QPrintDialog> dialog = dialogBauen(dokumentname, datei);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return wahlMerken(*dialog, datei);
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

} // namespace vun
