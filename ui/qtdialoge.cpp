#include "ui/qtdialoge.h"

#include "ui/aussehen.h"
#include "ui/massstab.h"
#include "ui/programm.h"
#include "ui/tastensperre.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

namespace vun::ui {

namespace {

QPushButton* knopf(QMessageBox& box, QMessageBox::StandardButton art, const QString& text) {
    QPushButton* k = box.addButton(art);
    k->setText(text);
    return k;
}

// A zoomed main window gets boxes to match: their text grows with it, and so does the
// question mark.
void zoomen(QDialog& box, double faktor) {
    if (faktor == 1.0)
        return;
    QFont f = box.font();
    if (f.pixelSize() > 0)
        f.setPixelSize(qRound(f.pixelSize() * faktor));
    else
        f.setPointSizeF(f.pointSizeF() * faktor);
    box.setFont(f);
}

void frageZoomen(QMessageBox& box, double faktor) {
    if (faktor == 1.0 || box.icon() != QMessageBox::Question)
        return;
    QStyle* stil = box.style();
    const int seite =
        qRound(stil->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box) * faktor);
    box.setIconPixmap(stil->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, &box)
                          .pixmap(QSize(seite, seite), box.devicePixelRatioF()));
}

} // namespace

double QtDialoge::faktor() const {
    return eltern_ ? massstab(eltern_) : 1.0;
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
    const Wiederholungssperre sperre;
    QMessageBox box(eltern());
    zoomen(box, faktor());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(titel);
    box.setTextFormat(Qt::PlainText);
    box.setText(zeilen(prompt));
    // The game asks its questions with the question mark and tells everything else plainly.
    box.setIcon(stil & Fragezeichen ? QMessageBox::Question : QMessageBox::NoIcon);
    frageZoomen(box, faktor());
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
        box.exec();
        return box.clickedButton() == ja ? AntwortJa : AntwortNein;
    }
    QPushButton* ok = knopf(box, QMessageBox::Ok, QStringLiteral("OK"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return AntwortOk;
}

QString QtDialoge::InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) {
    qtTexteBereitstellen();
    const Wiederholungssperre sperre;
    QInputDialog box(eltern());
    zoomen(box, faktor());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(titel);
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(zeilen(prompt));
    box.setTextValue(vorgabe);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace vun::ui
