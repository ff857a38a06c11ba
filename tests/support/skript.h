#pragma once

#include "game/druckbogen.h"
#include "seams/dialoge.h"
#include "seams/drucker.h"
#include "seams/klangspieler.h"
#include "seams/sprecher.h"
#include "seams/zufall.h"
#include "tests/support/inhalte.h"

#include <QIODevice>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <functional>
#include <memory>

namespace vun::test {

// One dialog the code under test showed.
struct Gezeigt {
    QString art; // "MsgBox" or "InputBox"
    QString prompt;
    int stil = 0;
    QString titel;
    QString vorgabe;
    QString details;
};

// Dialogs answered from a script; every dialog shown is counted and, unless aufzeichnen is off
// (for long runs and benchmarks), recorded. Without a scripted answer a message box answers OK
// and an input box Cancel. beimZeigen runs before the answer is taken, so it may script it.
class SkriptDialoge : public Dialoge {
public:
    QList<Gezeigt> gezeigt;
    int anzahl = 0;
    bool aufzeichnen = true;
    QList<MsgBoxAntwort> antworten;
    QList<QString> eingaben;
    std::function<void(const Gezeigt&)> beimZeigen;

    MsgBoxAntwort MsgBox(const QString& prompt, MsgBoxStil stil, const QString& titel,
                         const QString& details = QString()) override {
        melde({QStringLiteral("MsgBox"), prompt, stil, titel, {}, details});
        return antworten.isEmpty() ? AntwortOk : antworten.takeFirst();
    }
    QString InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) override {
        melde({QStringLiteral("InputBox"), prompt, 0, titel, vorgabe, {}});
        return eingaben.isEmpty() ? QString() : eingaben.takeFirst();
    }

private:
    void melde(const Gezeigt& g) {
        ++anzahl;
        if (aufzeichnen)
            gezeigt.append(g);
        if (beimZeigen)
            beimZeigen(g);
    }
};

// Random numbers from a script, then from a seeded generator once the script runs out.
class SkriptZufall : public Zufallsquelle {
public:
    explicit SkriptZufall(QList<double> folge = {}, quint32 saat = 1)
        : folge(std::move(folge)), rest(saat) {}
    QList<double> folge;
    int gezogen = 0;
    int randomizeAufrufe = 0;

    double naechste() override {
        ++gezogen;
        return folge.isEmpty() ? rest.generateDouble() : folge.takeFirst();
    }
    void Randomize() override { ++randomizeAufrufe; }

private:
    QRandomGenerator rest;
};

// What the code under test gave a printer: on paper (no document name), or as a PDF (no backs,
// marks of the sides always).
struct Gedruckt {
    QStringList karten; // what each card shows: its word, or its picture's path
    bool rueckseiten = false;
    QString titel; // the PDF's document name
    QList<Kartenseite> seiten;
    QString ueberschrift; // the heading of every sheet
    bool seitenzeichen = true;
};

// A printer from a script: the print dialog answers wahl (cancelled where empty), printing and
// painting fail where gelingt is off. Every dialog and every print is recorded.
class SkriptDrucker : public Drucker {
public:
    std::optional<Druckwahl> wahl =
        Druckwahl{QSizeF(210, 297), QRectF(0, 0, 210, 297), false, true};
    bool gelingt = true;
    QStringList dokumentnamen; // one for every print dialog shown
    QStringList dateien;       // the file each offered
    QList<Gedruckt> gedruckt;

    std::optional<Druckwahl> druckdialog(const QString& dokumentname,
                                         const QString& datei) override {
        dokumentnamen.append(dokumentname);
        dateien.append(datei);
        return wahl;
    }
    bool drucken(const Kartensatz& karten, const Druckwahl& wahl) override {
        gedruckt.append({texte(karten.inhalte),
                         wahl.rueckseiten,
                         {},
                         karten.seiten,
                         karten.titel,
                         wahl.seitenzeichen});
        return gelingt;
    }
    // Writes the bytes of a stand-in PDF, whose content no rule reads.
    bool pdfMalen(QIODevice& ziel, const Kartensatz& karten, const QString& dokumentname) override {
        gedruckt.append(
            {texte(karten.inhalte), false, dokumentname, karten.seiten, karten.titel, true});
        return ziel.write(PdfInhalt) == qint64(sizeof(PdfInhalt) - 1) && gelingt;
    }
    static constexpr char PdfInhalt[] = "%PDF-1.4 aus dem Skript\n";
};

// A voice from a script: every text it was asked to say, in order, and how often it was told to
// stop; where fehlt is set it cannot speak, for that reason. It is ready at once, or, where
// aufhalten is on, when the test calls the answer it keeps in wartend.
class SkriptSprecher : public Sprecher {
public:
    QStringList gesagt;
    int verstummt = 0;
    std::optional<Sprachhindernis> fehlt;
    bool aufhalten = false;
    Bereit wartend;

    void vorbereiten(Bereit bereit) override {
        if (aufhalten)
            wartend = std::move(bereit);
        else
            bereit(fehlt);
    }
    void sprechen(const QString& text) override { gesagt.append(text); }
    void verstummen() override { ++verstummt; }
};

// Hands the game scripted voices and counts how many it asked for; each new one copies vorlage.
struct Sprecherwerk {
    SkriptSprecher vorlage;
    SkriptSprecher* zuletzt = nullptr;
    int gemacht = 0;

    std::function<std::unique_ptr<Sprecher>()> quelle() {
        return [this] {
            ++gemacht;
            auto sprecher = std::make_unique<SkriptSprecher>(vorlage);
            zuletzt = sprecher.get();
            return sprecher;
        };
    }
};

// A sound player from a script: the files it was asked to get ready for, each deal's list, the
// files played in order, and how often it was told to stop; where fehlt is set, what stands in
// the way of every deal.
class SkriptKlangspieler : public Klangspieler {
public:
    QList<QStringList> vorbereitet;
    QStringList gespielt;
    int verstummt = 0;
    QList<Klanghindernis> fehlt;

    void vorbereiten(const QStringList& dateien, Bereit bereit) override {
        vorbereitet.append(dateien);
        bereit(fehlt);
    }
    void spielen(const QString& datei) override { gespielt.append(datei); }
    void verstummen() override { ++verstummt; }
};

// Hands the game scripted sound players and counts how many it asked for; each new one copies
// vorlage.
struct Klangwerk {
    SkriptKlangspieler vorlage;
    SkriptKlangspieler* zuletzt = nullptr;
    int gemacht = 0;

    std::function<std::unique_ptr<Klangspieler>()> quelle() {
        return [this] {
            ++gemacht;
            auto spieler = std::make_unique<SkriptKlangspieler>(vorlage);
            zuletzt = spieler.get();
            return spieler;
        };
    }
    QStringList gespielt() const { return zuletzt ? zuletzt->gespielt : QStringList(); }
};

// u for a draw that must give index r of n (the integer part of n * u).
inline double fuer(int r, int n) {
    return (r + 0.5) / n;
}

} // namespace vun::test
