#include "ui/dateiliste.h"

#include "ui/aussehen.h"
#include "ui/einzelklick.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace vun::ui {

Dateiliste::Dateiliste(QWidget* eltern) : QListWidget(eltern) {
    setObjectName(QStringLiteral("Datei1"));
    setGeometry(twips(600, 720, 1815, 3630));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFont(schrift(9.75, true));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // The frame takes the foreground colour; entries take the text colour.
    setForegroundRole(QPalette::WindowText);
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(128, 255, 255));
    p.setColor(QPalette::Text, QColor(0, 0, 192));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    Einzelklick::anwenden(viewport());
    hide();
}

QStringList Dateiliste::namen() const {
    QStringList liste;
    for (int i = 0; i < count(); ++i)
        liste.append(item(i)->text());
    return liste;
}

void Dateiliste::fuellen(const QStringList& neu) {
    if (neu == namen())
        return;
    const QString gewaehlt = currentItem() ? currentItem()->text() : QString();
    clear();
    addItems(neu);
    // No entry made current here: the first key press then selects the first entry.
    const int zeile = neu.indexOf(gewaehlt);
    if (zeile >= 0)
        setCurrentRow(zeile);
    else
        setCurrentIndex(QModelIndex());
}

void Dateiliste::zeigen(bool sichtbar, const QStringList& neu) {
    if (!sichtbar) {
        hide();
        return;
    }
    fuellen(neu);
    if (!isVisible()) {
        show();
        raise();
        setFocus(Qt::OtherFocusReason);
    }
}

void Dateiliste::keyPressEvent(QKeyEvent* ereignis) {
    const int vorher = currentRow();
    QListWidget::keyPressEvent(ereignis);
    if (currentRow() != vorher && currentItem())
        emit gewaehlt(currentItem()->text());
}

void Dateiliste::mouseReleaseEvent(QMouseEvent* ereignis) {
    QListWidget::mouseReleaseEvent(ereignis);
    if (ereignis->button() != Qt::LeftButton)
        return;
    if (QListWidgetItem* eintrag = itemAt(ereignis->position().toPoint())) {
        setCurrentItem(eintrag);
        emit gewaehlt(eintrag->text());
    }
}

} // namespace vun::ui
