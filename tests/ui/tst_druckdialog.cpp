// The print dialog: the file it offers, the cards' choices on its first page and kept for the
// run, at the main window's zoom, on a screen of 1920 x 1080.
#include "printing/qtdrucker.h"
#include "tests/support/dialoghilfe.h"
#include "ui/massstab.h"
#include "ui/vergroesserung.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

using namespace vun;
using namespace vun::test;

namespace {

bool an(const QWidget* dialog, const char* name) {
    return dialog->findChild<QCheckBox*>(QLatin1String(name))->isChecked();
}

QString angeboteneDatei(const QWidget* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
}

} // namespace

class TstDruckdialog : public QObject {
    Q_OBJECT
private slots:
    // Over the full-screen game at its scale and centred; the file beside the list, named after
    // it, while the printer stays the first; the cards' choices show without "Einstellungen".
    void ersteSeite() {
        FensterSpiel s;
        s.fenster.groesse().vollbildSetzen(true);
        QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), QRect(0, 0, 1920, 1080), 5000);
        QtDrucker drucker;
        drucker.setzeEltern(&s.fenster, [&s] { return s.fenster.groesse().faktor(); });
        const QString datei = s.ordner.filePath(QStringLiteral("LISTE.pdf"));
        const auto dialog = drucker.dialogBauen(QStringLiteral("LISTE"), datei);
        QCOMPARE(angeboteneDatei(dialog.get()), datei);
        QVERIFY(dialog->printer()->outputFileName().isEmpty());
        QCOMPARE(dialog->font(),
                 ui::skaliert(QApplication::font(dialog.get()), s.fenster.groesse().faktor()));
        dialog->show();
        const QRect aussen = dialog->frameGeometry();
        QCOMPARE(aussen.topLeft(),
                 QPoint((1920 - aussen.width()) / 2, (1080 - aussen.height()) / 2));
        for (const char* name : {"Rueckseiten", "Seitenzeichen"})
            QVERIFY2(dialog->findChild<QCheckBox*>(QLatin1String(name))->isVisible(), name);
        QVERIFY(!an(dialog.get(), "Rueckseiten"));
        QVERIFY(an(dialog.get(), "Seitenzeichen"));
    }

    // What the teacher chose is what the game is told, and the next dialog opens on it; a file
    // chosen for one list is not offered for another.
    void wahlBleibt() {
        FensterSpiel s;
        QtDrucker drucker;
        drucker.setzeEltern(&s.fenster, [&s] { return s.fenster.groesse().faktor(); });
        const QString liste = s.ordner.filePath(QStringLiteral("LISTE.pdf"));
        const QString gewaehlt = s.ordner.filePath(QStringLiteral("tisch3.pdf"));
        beimDialog([&](QWidget* box) {
            auto* dialog = static_cast<QPrintDialog*>(box);
            dialog->findChild<QCheckBox*>(QStringLiteral("Rueckseiten"))->setChecked(true);
            dialog->findChild<QCheckBox*>(QStringLiteral("Seitenzeichen"))->setChecked(false);
            dialog->printer()->setOutputFileName(gewaehlt);
            dialog->done(QDialog::Accepted);
        });
        const std::optional<Druckwahl> wahl = drucker.druckdialog(QStringLiteral("LISTE"), liste);
        QVERIFY(wahl);
        QVERIFY(wahl->rueckseiten);
        QVERIFY(!wahl->seitenzeichen);
        QCOMPARE(wahl->papierMm.toSize(), QSize(210, 297));

        auto wieder = drucker.dialogBauen(QStringLiteral("LISTE"), liste);
        QVERIFY(an(wieder.get(), "Rueckseiten"));
        QVERIFY(!an(wieder.get(), "Seitenzeichen"));
        QCOMPARE(wieder->printer()->outputFileName(), gewaehlt);
        const QString andere = s.ordner.filePath(QStringLiteral("ANDERE.pdf"));
        wieder = drucker.dialogBauen(QStringLiteral("ANDERE"), andere);
        QCOMPARE(wieder->printer()->outputFileName(), andere);
        QVERIFY(an(wieder.get(), "Rueckseiten"));

        // Cancelled, the dialog keeps what was chosen before.
        beimDialog([](QWidget* box) {
            box->findChild<QCheckBox*>(QStringLiteral("Rueckseiten"))->setChecked(false);
            static_cast<QDialog*>(box)->reject();
        });
        QVERIFY(!drucker.druckdialog(QStringLiteral("LISTE"), liste));
        QVERIFY(an(drucker.dialogBauen(QStringLiteral("LISTE"), liste).get(), "Rueckseiten"));
    }
};

QTEST_MAIN(TstDruckdialog)
#include "tst_druckdialog.moc"
