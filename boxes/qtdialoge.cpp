#include "boxes/qtdialoge.h"

#include "boxes/boxgroesse.h"
#include "game/zeilen.h"
#include "look/schrift.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>
#include <algorithm>

namespace vun {

namespace {

QPushButton* knopf(QMessageBox& box, QMessageBox::StandardButton art, const QString& text) {
    QPushButton* k = box.addButton(art);
    k->setText(text);
    return k;
}

// Qt wraps a box's text at a width in pixels that does not grow with the font: a zoomed box would
// break the game's lines after a word or two. Each line keeps its length as far as the box may
// grow: Qt never makes a box wider than 1000 pixels on a screen wider than 1024, and a text
// wider than that was cut off at its right, in full screen. Called once the box has its buttons
// and its zoomed margins.
void zeilenHalten(QMessageBox& box) {
    auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!text)
        return;
    int breite = 0;
    for (const QString& zeile : text->text().split(QLatin1Char('\n')))
        breite = std::max(breite, text->fontMetrics().horizontalAdvance(zeile) + 1);
    const int bildschirm = box.screen()->availableGeometry().width();
    const int grenze = bildschirm <= 1024 ? bildschirm : std::min(bildschirm - 480, 1000);
    text->setMinimumWidth(breite);
    box.layout()->activate();
    const int zuviel = box.layout()->minimumSize().width() - grenze;
    if (zuviel > 0)
        text->setMinimumWidth(std::max(0, breite - zuviel));
}

// Qt gives the details a field of a fixed height in pixels, which at a larger font shows a line or
// two, cut. It gets the height of its whole text; where the box would then pass the screen, the
// box's place takes it back to what fits, and its scroll bar shows the rest.
void detailsGanz(QMessageBox& box) {
    auto* feld = box.findChild<QTextEdit*>();
    if (!feld)
        return;
    const int rand = 2 * feld->frameWidth();
    QTextDocument probe;
    probe.setDefaultFont(feld->font());
    probe.setDocumentMargin(feld->document()->documentMargin());
    probe.setPlainText(feld->toPlainText());
    probe.setTextWidth(feld->minimumWidth() - rand);
    feld->setFixedHeight(qCeil(probe.size().height()) + rand);
}

} // namespace

bool qtTexteLaden(QTranslator& uebersetzer) {
    // The game speaks German whatever the system language, and so should Qt's own texts.
    if (!uebersetzer.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&uebersetzer);
}

double QtDialoge::faktor() const {
    return eltern_ && zoom_ ? zoom_() : 1.0;
}

// The style's question mark comes at a few small sizes, which grown would be blurred; the
// program's own is stored large enough for any zoom.
void QtDialoge::frageZoomen(QMessageBox& box) const {
    const double f = faktor();
    if (f == 1.0 || !fragezeichen_ || box.icon() != QMessageBox::Question)
        return;
    const int seite =
        qRound(box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * f);
    const qreal dichte = box.devicePixelRatioF();
    QPixmap bild = QPixmap::fromImage(
        fragezeichen_(qCeil(seite * dichte))
            .scaled(QSize(seite, seite) * dichte, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    bild.setDevicePixelRatio(dichte);
    box.setIconPixmap(bild);
}

// A zoomed main window gets boxes to match: their text grows with it, and so does the
// question mark.
void QtDialoge::einrichten(QDialog& box, const QString& titel) {
    if (faktor() != 1.0)
        box.setFont(skaliert(box.font(), faktor()));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(titel);
    mittigHalten(box);
}

void QtDialoge::qtTexteBereitstellen() {
    if (qtTexte_)
        return;
    qtTexte_ = std::make_unique<QTranslator>();
    qtTexteLaden(*qtTexte_);
}

QWidget* QtDialoge::eltern() const {
    return eltern_ && eltern_->isVisible() ? eltern_.data() : nullptr;
}

MsgBoxAntwort QtDialoge::MsgBox(const QString& prompt, MsgBoxStil stil, const QString& titel,
                                const QString& details) {
    qtTexteBereitstellen();
    QMessageBox box(eltern());
    einrichten(box, titel);
    box.setTextFormat(Qt::PlainText);
    box.setText(zeilen(prompt));
    // A teacher copies a list's fault or a class's result from the box, as from the details.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The game asks its questions with the question mark and tells everything else plainly.
    box.setIcon(stil & Fragezeichen ? QMessageBox::Question : QMessageBox::NoIcon);
    frageZoomen(box);
    // Qt adds its own button that shows these on request; the box's own buttons stay as they are.
    if (!details.isEmpty()) {
        box.setDetailedText(details);
        // Qt's field for them is narrow: a reason of a few lines would wrap after every few words.
        for (QTextEdit* feld : box.findChildren<QTextEdit*>())
            feld->setMinimumWidth(feld->fontMetrics().averageCharWidth() * 56);
    }
    // The game asks with OK alone or with Yes and No.
    if ((stil & 15) == JaNein) {
        QPushButton* ja = knopf(box, QMessageBox::Yes, QStringLiteral("Ja"));
        QPushButton* nein = knopf(box, QMessageBox::No, QStringLiteral("Nein"));
        box.setDefaultButton(stil & ZweiteTasteVorgabe ? nein : ja);
        // Escape and the close box answer No, as with any Yes/No question.
        box.setEscapeButton(nein);
        abstaendeZoomen(box, faktor());
        zeilenHalten(box);
        detailsGanz(box);
        box.exec();
        return box.clickedButton() == ja ? AntwortJa : AntwortNein;
    }
    QPushButton* ok = knopf(box, QMessageBox::Ok, QStringLiteral("OK"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    abstaendeZoomen(box, faktor());
    zeilenHalten(box);
    detailsGanz(box);
    box.exec();
    return AntwortOk;
}

QString QtDialoge::InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) {
    qtTexteBereitstellen();
    QInputDialog box(eltern());
    einrichten(box, titel);
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(zeilen(prompt));
    box.setTextValue(vorgabe);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    abstaendeZoomen(box, faktor());
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace vun
