#include "ui/dateiliste.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace vun::ui {

Dateiliste::Dateiliste(QWidget* eltern) : QListWidget(eltern) {
    setObjectName(QStringLiteral("Datei1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // A name too long for the list ends in "…" and shows whole on hover, as no scroll bar
    // across would take the room of an entry.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The frame takes the foreground colour; entries take the text colour.
    setForegroundRole(QPalette::WindowText);
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(128, 255, 255));
    p.setColor(QPalette::Text, QColor(0, 0, 192));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    hide();
}

QString Dateiliste::leerHinweis() {
    return QStringLiteral("Keine Wortlisten (*.TXT) in diesem Ordner");
}

QString Dateiliste::gespieltHinweis() {
    return QStringLiteral("wird gerade gespielt");
}

void Dateiliste::setzeTitelquelle(std::function<QString(const QString&)> quelle) {
    titelquelle_ = std::move(quelle);
    titel_.clear();
}

QString Dateiliste::mitTitel(const QString& name, const QString& titel) {
    return titel.isEmpty() ? name : name + QStringLiteral(" – ") + titel;
}

// Read on first need and kept: a folder of many long lists costs nothing until one is pointed at.
QString Dateiliste::titel(QListWidgetItem* eintrag) {
    const QString name = eintrag->text();
    auto it = titel_.constFind(name);
    if (it == titel_.cend())
        it = titel_.insert(name, titelquelle_ ? titelquelle_(name) : QString());
    eintrag->setData(Qt::AccessibleTextRole, mitTitel(name, *it));
    return *it;
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

// Underlined, as the list's colours and bold font leave nothing else to set it apart with; the
// text stays the file's name, as it is what a choice loads.
void Dateiliste::markieren(const QString& gespielt) {
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem* eintrag = item(i);
        const bool markiert = eintrag->text() == gespielt;
        eintragsschriftSetzen(eintrag, markiert);
        eintrag->setData(Qt::AccessibleDescriptionRole,
                         markiert ? QVariant(gespieltHinweis()) : QVariant());
        // The list being played was read already: its title is known without reading.
        if (markiert)
            titel(eintrag);
    }
}

void Dateiliste::eintragsschriftSetzen(QListWidgetItem* eintrag, bool markiert) {
    QFont f = font();
    f.setUnderline(markiert);
    eintrag->setFont(f);
}

// Zoomed, the list takes a new font; its entries keep their own until given it too.
void Dateiliste::changeEvent(QEvent* ereignis) {
    QListWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::FontChange)
        for (int i = 0; i < count(); ++i)
            eintragsschriftSetzen(item(i), item(i)->font().underline());
}

// Ctrl with the wheel zooms the window, over the list as anywhere else.
void Dateiliste::wheelEvent(QWheelEvent* ereignis) {
    if (ereignis->modifiers() & Qt::ControlModifier)
        ereignis->ignore();
    else
        QListWidget::wheelEvent(ereignis);
}

void Dateiliste::zeigen(bool sichtbar, const QStringList& neu, const QString& gespielt) {
    if (!sichtbar) {
        hide();
        return;
    }
    fuellen(neu);
    if (!isVisible())
        titel_.clear();
    markieren(gespielt);
    setAccessibleDescription(neu.isEmpty() ? leerHinweis() : QString());
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

void Dateiliste::paintEvent(QPaintEvent* ereignis) {
    QListWidget::paintEvent(ereignis);
    if (count() > 0)
        return;
    QPainter maler(viewport());
    maler.setPen(palette().color(QPalette::Text));
    const int rand = fontMetrics().averageCharWidth() / 2 + 2;
    maler.drawText(viewport()->rect().adjusted(rand, rand, -rand, -rand),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, leerHinweis());
}

bool Dateiliste::passtGanz(const QListWidgetItem* eintrag) const {
    // Qt leaves a margin of the focus frame and one pixel at each side of an entry's text.
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return QFontMetrics(eintrag->font()).horizontalAdvance(eintrag->text()) + rand <=
           viewport()->width();
}

// Only a name cut off at the list's edge, or one with a title, gets a tip: a tip over every
// entry would hide the entries below it.
bool Dateiliste::viewportEvent(QEvent* ereignis) {
    if (ereignis->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(ereignis);
    const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
    QListWidgetItem* eintrag = itemAt(hilfe->pos());
    const QString titelDazu = eintrag ? titel(eintrag) : QString();
    if (eintrag && (!titelDazu.isEmpty() || !passtGanz(eintrag)))
        QToolTip::showText(hilfe->globalPos(), mitTitel(eintrag->text(), titelDazu), viewport(),
                           visualItemRect(eintrag));
    else
        QToolTip::hideText();
    return true;
}

} // namespace vun::ui
