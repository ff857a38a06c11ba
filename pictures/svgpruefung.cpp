#include "pictures/svgpruefung.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QXmlStreamReader>
#include <optional>

namespace vun {

namespace {

constexpr int MaxEntitaeten = 64;
constexpr int MaxEntitaetslaenge = 1024;
// Parts drawn again through references (<use>, patterns, gradients): a drawing uses dozens.
constexpr qint64 MaxVerweise = 10000;

// A reference stays inside the picture: a part of it (#…) or data written into it.
bool verweisInnen(QStringView ziel) {
    ziel = ziel.trimmed();
    return ziel.startsWith(u'#') || ziel.startsWith(u"data:", Qt::CaseInsensitive);
}

// The targets of "url(…)" in a style or an attribute; false where one leads outside.
bool urlsInnen(QStringView text, QList<QString>& teile) {
    if (text.contains(u"@import", Qt::CaseInsensitive))
        return false;
    qsizetype i = 0;
    while ((i = text.indexOf(u"url(", i, Qt::CaseInsensitive)) >= 0) {
        i += 4;
        const qsizetype ende = text.indexOf(u')', i);
        if (ende < 0)
            return false;
        QStringView ziel = text.sliced(i, ende - i).trimmed();
        if (ziel.size() >= 2 && (ziel.front() == u'"' || ziel.front() == u'\'') &&
            ziel.back() == ziel.front())
            ziel = ziel.sliced(1, ziel.size() - 2).trimmed();
        if (!verweisInnen(ziel))
            return false;
        if (ziel.startsWith(u'#'))
            teile.append(ziel.sliced(1).toString());
        i = ende + 1;
    }
    return true;
}

// How often the parts are drawn through references, each part once plus what it refers to;
// nothing where the references run in a circle.
class Verweisnetz {
public:
    QHash<QString, QList<QString>> verweise; // a part's id, and the parts it and its inside use
    QList<QString> wurzeln;                  // the targets of every reference

    std::optional<qint64> gesamt() {
        qint64 summe = 0;
        for (const QString& ziel : wurzeln) {
            const std::optional<qint64> g = gewicht(ziel, 0);
            if (!g)
                return std::nullopt;
            summe = qMin(summe + *g, MaxVerweise + 1);
        }
        return summe;
    }

private:
    QHash<QString, qint64> gewichte_;
    QSet<QString> unterwegs_;

    std::optional<qint64> gewicht(const QString& teil, int tiefe) {
        if (const auto g = gewichte_.constFind(teil); g != gewichte_.cend())
            return *g;
        if (unterwegs_.contains(teil) || tiefe > 256)
            return std::nullopt;
        unterwegs_.insert(teil);
        qint64 g = 1;
        for (const QString& ziel : verweise.value(teil)) {
            const std::optional<qint64> z = gewicht(ziel, tiefe + 1);
            if (!z)
                return std::nullopt;
            g = qMin(g + *z, MaxVerweise + 1);
        }
        unterwegs_.remove(teil);
        gewichte_.insert(teil, g);
        return g;
    }
};

} // namespace

bool svgSicher(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    xml.setNamespaceProcessing(true);
    bool wurzel = false;
    bool inStil = false;
    QList<QString> offeneTeile; // the ids of the open elements that have one
    QList<bool> hatTeil;
    Verweisnetz netz;
    const auto verweis = [&](const QString& ziel) {
        netz.wurzeln.append(ziel);
        for (const QString& teil : offeneTeile)
            netz.verweise[teil].append(ziel);
    };
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD: {
            const QXmlStreamEntityDeclarations entitaeten = xml.entityDeclarations();
            if (entitaeten.size() > MaxEntitaeten)
                return false;
            for (const QXmlStreamEntityDeclaration& e : entitaeten)
                if (!e.systemId().isEmpty() || !e.publicId().isEmpty() ||
                    !e.notationName().isEmpty() || e.value().contains(u'&') ||
                    e.value().contains(u'%') || e.value().size() > MaxEntitaetslaenge)
                    return false;
            break;
        }
        case QXmlStreamReader::EntityReference:
            return false;
        case QXmlStreamReader::StartElement: {
            if (!wurzel && xml.name() != u"svg")
                return false;
            wurzel = true;
            const QXmlStreamAttributes attribute = xml.attributes();
            const QString id = attribute.value(QStringLiteral("id")).toString();
            hatTeil.append(!id.isEmpty());
            if (!id.isEmpty())
                offeneTeile.append(id);
            for (const QXmlStreamAttribute& a : attribute) {
                QList<QString> ziele;
                if (a.name() == u"href") {
                    if (!verweisInnen(a.value()))
                        return false;
                    if (a.value().trimmed().startsWith(u'#'))
                        ziele.append(a.value().trimmed().sliced(1).toString());
                }
                if (!urlsInnen(a.value(), ziele))
                    return false;
                for (const QString& ziel : ziele)
                    verweis(ziel);
            }
            inStil = xml.name() == u"style";
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!hatTeil.isEmpty() && hatTeil.takeLast())
                offeneTeile.removeLast();
            inStil = false;
            break;
        case QXmlStreamReader::Characters:
            if (inStil) {
                QList<QString> ziele;
                if (!urlsInnen(xml.text(), ziele))
                    return false;
                for (const QString& ziel : ziele)
                    verweis(ziel);
            }
            break;
        case QXmlStreamReader::ProcessingInstruction:
            // <?xml-stylesheet href=…?> fetches a style sheet.
            if (xml.processingInstructionTarget() != u"xml")
                return false;
            break;
        default:
            break;
        }
    }
    if (xml.hasError() || !wurzel)
        return false;
    const std::optional<qint64> gezeichnet = netz.gesamt();
    return gezeichnet && *gezeichnet <= MaxVerweise;
}

} // namespace vun
