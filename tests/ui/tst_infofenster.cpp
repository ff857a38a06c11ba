// The information window: its life cycle, its place on the screen, its layout and texts.
#include "game/zeilen.h"
#include "tests/support/fensterhilfe.h"
#include "ui/impressum.h"

#include <QScreen>

using namespace vun;
using namespace vun::test;

namespace {

const QColor Dunkelblau(0, 0, 128);

struct InfoSpiel : FensterSpiel {
    ui::Infofenster* oeffnen() {
        klickBild(6);
        ui::Infofenster* info = fenster.infofenster();
        if (info && QTest::qWaitForWindowExposed(info))
            ausmalen();
        return info;
    }
};

QWidget* teilVon(QWidget* fenster, const char* name) {
    return fenster->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}
QLabel* labelVon(QWidget* fenster, const char* name) {
    return qobject_cast<QLabel*>(teilVon(fenster, name));
}

// Centred across the screen, a quarter of the free height above it.
QPoint sollOrt(QWidget* fenster) {
    const QRect schirm = fenster->screen()->geometry();
    const QSize aussen = fenster->frameGeometry().size();
    return {(schirm.width() - aussen.width()) / 2, (schirm.height() - aussen.height()) / 4};
}

} // namespace

class TstInfofenster : public QObject {
    Q_OBJECT
private slots:
    // Made on the first Info click, then only hidden and shown: "O k a y", flag, Escape, close
    // box.
    void lebenszyklus() {
        InfoSpiel s;
        QVERIFY(!s.fenster.infofenster());
        QPointer<ui::Infofenster> info = s.oeffnen();
        QVERIFY(info && info->isVisible());
        QCOMPARE(info->windowTitle(), QStringLiteral("Programm-Info"));
        QCOMPARE(info->size(), QSize(234, 227));
        QCOMPARE(info->minimumSize(), info->maximumSize());
        QVERIFY(!info->isModal());

        QTest::mouseClick(teilVon(info, "Bezeichnung1"), Qt::LeftButton);
        QVERIFY(info && !info->isVisible());
        QCOMPARE(s.oeffnen(), info.data());
        QVERIFY(info->isVisible());
        QTest::mouseClick(teilVon(info, "Bild1"), Qt::LeftButton);
        QVERIFY(info && !info->isVisible());
        QCOMPARE(s.oeffnen(), info.data());
        QTest::keyClick(info->windowHandle(), Qt::Key_Escape);
        QVERIFY(info && !info->isVisible());
        QCOMPARE(s.oeffnen(), info.data());
        info->close();
        QVERIFY(info && !info->isVisible());
        QVERIFY(s.fenster.isVisible());
        QCOMPARE(s.oeffnen(), info.data());
        QVERIFY(info->isVisible());
        QCOMPARE(info->pos(), sollOrt(info));
        // Clicks elsewhere in the window leave it open.
        for (const char* name : {"Figur1", "Bezeichnung2", "Bezeichnung6", "Bezeichnung7"})
            QTest::mouseClick(teilVon(info, name), Qt::LeftButton);
        QTest::mouseClick(teilVon(info, "Bezeichnung1"), Qt::RightButton);
        QVERIFY(info->isVisible());
        QVERIFY(s.dialoge.gezeigt.isEmpty());
    }

    // Every paint puts the window back at its place and fills in the notice and maker lines.
    void platzUndTexteBeimMalen() {
        InfoSpiel s;
        ui::Infofenster* info = s.oeffnen();
        QCOMPARE(info->pos(), sollOrt(info));
        QCOMPARE(labelVon(info, "Bezeichnung6")->text(), zeilen(ui::Infofenster::hinweis()));
        QCOMPARE(labelVon(info, "Bezeichnung7")->text(),
                 zeilen(ui::Infofenster::herstellerzeilen()));

        info->move(3, 4);
        QCOMPARE(info->pos(), QPoint(3, 4));
        info->update();
        QTRY_COMPARE(info->pos(), sollOrt(info));
    }

    // The placement and the captions cause no paint of their own: painting comes to rest.
    void malenKommtZurRuhe() {
        InfoSpiel s;
        ui::Infofenster* info = s.oeffnen();
        Malzaehler fenster(info);
        Malzaehler hinweis(teilVon(info, "Bezeichnung6"));
        Malzaehler hersteller(teilVon(info, "Bezeichnung7"));
        info->repaint();
        ausmalen();
        // One paint of the window; captions already in place are not painted anew.
        QCOMPARE(fenster.anzahl, 1);
        QCOMPARE(hinweis.anzahl, 0);
        QCOMPARE(hersteller.anzahl, 0);
    }

    // The notice: first piece, a second beginning with a blank, CR LF, third piece.
    void texte() {
        const QString hinweis = ui::Infofenster::hinweis();
        const QStringList teile = hinweis.split(QStringLiteral("\r\n"));
        QCOMPARE(teile.size(), 2);
        QVERIFY(teile[0].contains(QStringLiteral("GNU GPL, Version 3 oder später")));
        QVERIFY(teile[0].contains(QStringLiteral(". ")));
        QVERIFY(!teile[1].isEmpty());

        const QStringList hersteller = ui::Infofenster::herstellerzeilen().split("\r\n");
        QCOMPARE(hersteller.size(), 2);
        QCOMPARE(hersteller[0], QString::fromUtf8(ui::impressum::Hersteller));
        QVERIFY(hersteller[1].startsWith(QStringLiteral("email: ")));
        const QString kontakt = QString::fromUtf8(ui::impressum::Kontakt);
        QCOMPARE(hersteller[1],
                 QStringLiteral("email: ") +
                     (kontakt.isEmpty() ? QStringLiteral("(keine Adresse hinterlegt)") : kontakt));
        QVERIFY(!ui::Infofenster::webzeile().isEmpty());

        InfoSpiel s;
        ui::Infofenster* info = s.oeffnen();
        QCOMPARE(labelVon(info, "Bezeichnung1")->text(), QStringLiteral("O k a y"));
        QCOMPARE(labelVon(info, "Bezeichnung5")->text(), QStringLiteral(" - M e m o"));
        QCOMPARE(labelVon(info, "Bezeichnung8")->text(), ui::Infofenster::webzeile());
        for (QLabel* label : info->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void geometrie_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Figur1") << "Figur1" << QRect(120, 120, 3255, 2895);
        QTest::newRow("Bezeichnung1") << "Bezeichnung1" << QRect(240, 2400, 2175, 615);
        QTest::newRow("Bezeichnung2") << "Bezeichnung2" << QRect(240, 240, 375, 615);
        QTest::newRow("Bezeichnung3") << "Bezeichnung3" << QRect(600, 240, 375, 615);
        QTest::newRow("Bezeichnung4") << "Bezeichnung4" << QRect(960, 240, 375, 615);
        QTest::newRow("Bezeichnung5") << "Bezeichnung5" << QRect(1320, 240, 1935, 615);
        QTest::newRow("Bezeichnung6") << "Bezeichnung6" << QRect(240, 840, 3015, 975);
        QTest::newRow("Bezeichnung7") << "Bezeichnung7" << QRect(240, 1800, 3015, 495);
        QTest::newRow("Bezeichnung8") << "Bezeichnung8" << QRect(120, 3120, 3255, 255);
        QTest::newRow("Bild1") << "Bild1" << QRect(2400, 2400, 855, 615);
    }
    void geometrie() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        InfoSpiel s;
        ui::Infofenster* info = s.oeffnen();
        QWidget* w = teilVon(info, qPrintable(name));
        QVERIFY(w);
        QCOMPARE(w->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    }

    // Colours, fonts and alignment of the table, and the stacking from the panel up.
    void aussehen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("grund");
        QTest::addColumn<int>("pixel");
        QTest::addColumn<bool>("fett");
        QTest::addColumn<bool>("kursiv");
        QTest::addColumn<int>("ausrichtung");
        const int mitte = Qt::AlignHCenter, links = Qt::AlignLeft;
        QTest::newRow("O k a y") << "Bezeichnung1" << QColor(255, 0, 0) << Dunkelblau << 24 << true
                                 << true << mitte;
        QTest::newRow("V") << "Bezeichnung2" << QColor(255, 0, 255) << Dunkelblau << 24 << true
                           << false << mitte;
        QTest::newRow("U") << "Bezeichnung3" << QColor(0, 255, 255) << Dunkelblau << 24 << true
                           << false << mitte;
        QTest::newRow("N") << "Bezeichnung4" << QColor(128, 255, 128) << Dunkelblau << 24 << true
                           << false << mitte;
        QTest::newRow("Memo") << "Bezeichnung5" << QColor(Qt::white) << Dunkelblau << 24 << true
                              << false << links;
        QTest::newRow("Hinweis") << "Bezeichnung6" << QColor(Qt::white) << Dunkelblau << 11 << false
                                 << false << links;
        QTest::newRow("Hersteller") << "Bezeichnung7" << QColor(Qt::black) << QColor(255, 255, 224)
                                    << 13 << false << false << mitte;
        QTest::newRow("Web") << "Bezeichnung8" << QColor(Qt::black) << QColor(128, 255, 255) << 11
                             << true << false << mitte;
    }
    void aussehen() {
        QFETCH(QString, name);
        QFETCH(QColor, text);
        QFETCH(QColor, grund);
        QFETCH(int, pixel);
        QFETCH(bool, fett);
        QFETCH(bool, kursiv);
        QFETCH(int, ausrichtung);
        InfoSpiel s;
        ui::Infofenster* info = s.oeffnen();
        QLabel* label = labelVon(info, qPrintable(name));
        QCOMPARE(label->palette().color(QPalette::WindowText), text);
        QCOMPARE(vun::test::pixel(label, {label->width() - 2, label->height() - 2}), grund);
        QCOMPARE(label->font().pixelSize(), pixel);
        QCOMPARE(label->font().bold(), fett);
        QCOMPARE(label->font().italic(), kursiv);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), ausrichtung);
        QCOMPARE(label->frameShape() == QFrame::Box, name == QLatin1String("Bezeichnung7"));
    }

    void fensterUndStapelung() {
        InfoSpiel s;
        ui::Infofenster* info = s.oeffnen();
        QCOMPARE(vun::test::pixel(info, {2, 2}), QColor(128, 255, 255));
        QCOMPARE(vun::test::pixel(info, {10, 150}), Dunkelblau);
        QCOMPARE(vun::test::pixel(info, {224, 200}), Dunkelblau);
        QCOMPARE(vun::test::pixel(info, {225, 200}), QColor(128, 255, 255));
        QCOMPARE(vun::test::pixel(teilVon(info, "Bild1"), {50, 38}), Dunkelblau);
        QCOMPARE(info->font().pixelSize(), 11);
        QVERIFY(info->font().bold());
        QStringList reihe;
        for (QObject* o : info->children())
            if (o->isWidgetType())
                reihe.append(o->objectName());
        QCOMPARE(reihe, (QStringList{"Figur1", "Bezeichnung1", "Bezeichnung2", "Bezeichnung3",
                                     "Bezeichnung4", "Bezeichnung5", "Bezeichnung6", "Bezeichnung7",
                                     "Bezeichnung8", "Bild1"}));
    }
};

QTEST_MAIN(TstInfofenster)
#include "tst_infofenster.moc"
