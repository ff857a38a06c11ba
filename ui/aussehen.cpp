#include "ui/aussehen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace vun::ui {

QFont schrift(double punkt, bool fett, bool kursiv) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qRound(punkt * 96.0 / 72.0));
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

QFont passendeSchrift(QFont schrift, QRect feld, int art, const QString& text) {
    // Below this nobody reads it anyway; the text is then drawn at this size and clipped.
    constexpr int Kleinste = 4;
    while (schrift.pixelSize() > Kleinste) {
        const QSize noetig = QFontMetrics(schrift).boundingRect(feld, art, text).size();
        if (noetig.width() <= feld.width() && noetig.height() <= feld.height())
            break;
        schrift.setPixelSize(schrift.pixelSize() - 1);
    }
    return schrift;
}

QString zeilen(const QString& text) {
    QString ergebnis = text;
    ergebnis.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ergebnis.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ergebnis;
}

void einfaerben(QWidget* widget, QColor hintergrund, QColor text) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, hintergrund);
    p.setColor(QPalette::WindowText, text);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QLabel* neuesLabel(QWidget* eltern, const QString& name, const QString& text,
                   Qt::Alignment ausrichtung) {
    auto* label = new QLabel(eltern);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(ausrichtung | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setText(text);
    return label;
}

void festesFenster(QWidget* fenster, const QString& name, Qt::WindowFlags knoepfe,
                   QColor hintergrund) {
    fenster->setObjectName(name);
    fenster->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint | knoepfe);
    einfaerben(fenster, hintergrund, fenster->palette().color(QPalette::WindowText));
}

bool istKlick(const QWidget* widget, const QMouseEvent* ereignis) {
    return ereignis->button() == Qt::LeftButton &&
           widget->rect().contains(ereignis->position().toPoint());
}

} // namespace vun::ui
