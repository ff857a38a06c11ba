#include "ui/aussehen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace vun::ui {

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
