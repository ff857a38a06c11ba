#include "wordlist/bildeintrag.h"

#include "seams/bildleser.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <array>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vun {

namespace {

// A phone's and a camera's formats are pictures too, whether a reader for them is installed or
// not: a photo is never dealt as a word reading its file's name.
constexpr std::array<QStringView, 13> Bildendungen{u".png",  u".jpg", u".jpeg", u".gif",  u".bmp",
                                                   u".webp", u".svg", u".heic", u".heif", u".avif",
                                                   u".jxl",  u".tif", u".tiff"};

// Why one picture cannot be shown.
struct Befund {
    Befund(Bildfehler g, Fotoformat f = Fotoformat::Keines) : grund(g), format(f) {}
    Bildfehler grund;
    Fotoformat format;
};

// The name as a path inside the folder: "\" as "/", since a file name with a backslash is no
// name a teacher gives, but a list written on Windows separates its folders so.
QString alsPfad(QStringView eintrag) {
    QString pfad = eintrag.toString();
    pfad.replace(u'\\', u'/');
    return pfad;
}

// "/bild.png", "//server/bild.png", "C:/bild.png" and "C:bild.png" lie outside the folder.
bool absolut(const QString& pfad) {
    if (pfad.startsWith(u'/'))
        return true;
    return pfad.size() >= 2 && pfad.at(1) == u':' && pfad.at(0).isLetter() &&
           pfad.at(0).unicode() < 128;
}

// A name that is nothing but an ending (".png") names no file a teacher made.
bool istBildname(QStringView eintrag) {
    for (const QStringView endung : Bildendungen)
        if (eintrag.size() > endung.size() && eintrag.endsWith(endung, Qt::CaseInsensitive))
            return true;
    return false;
}

#ifdef Q_OS_UNIX
// The name leads to no file: none is there, a folder on the way is none, a name is longer than
// any file's, or links lead round in a circle.
bool nirgends(int fehler) {
    return fehler == ENOENT || fehler == ENOTDIR || fehler == ENAMETOOLONG || fehler == ELOOP;
}

// The real path of a name, every link followed; empty where it leads nowhere.
QByteArray echterPfad(const QByteArray& name, int& fehler) {
    char* echt = ::realpath(name.constData(), nullptr);
    fehler = echt ? 0 : errno;
    QByteArray pfad(echt ? echt : "");
    std::free(echt);
    return pfad;
}
#endif

// One picture file, by its resolved path; innen is the folder's real path ending in "/".
std::optional<Befund> dateiPruefen(const QString& pfad, const QByteArray& innen,
                                   const Bildleser& leser) {
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(pfad);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return nirgends(errno) ? Bildfehler::Fehlt : Bildfehler::KeinBild;
    // Where it really lies is known before anything is opened: a link to /dev/zero is refused
    // as lying outside, and never read.
    int fehler = 0;
    const QByteArray echt = echterPfad(name, fehler);
    if (echt.isEmpty())
        return nirgends(fehler) ? Bildfehler::Fehlt : Bildfehler::KeinBild;
    if (!echt.startsWith(innen))
        return Bildfehler::Ausserhalb;
    if (::stat(echt.constData(), &info) != 0)
        return Bildfehler::Fehlt;
    if (S_ISDIR(info.st_mode))
        return Bildfehler::Ordner;
    if (!S_ISREG(info.st_mode))
        return Bildfehler::KeinBild;
    if (info.st_size > MaxBilddatei)
        return Bildfehler::ZuGross;
    if (info.st_size == 0)
        return Bildfehler::KeinBild;
    // Opened without waiting and checked on the handle, so a pipe put there meanwhile neither
    // blocks nor is read.
    const int fd = ::open(echt.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return Bildfehler::KeinBild;
    struct stat offen {};
    QFile datei;
    if (::fstat(fd, &offen) != 0 || !S_ISREG(offen.st_mode) || offen.st_dev != info.st_dev ||
        offen.st_ino != info.st_ino ||
        !datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Bildfehler::KeinBild;
    }
#else
    const QFileInfo info(pfad);
    if (!info.exists())
        return Bildfehler::Fehlt;
    const QString echt = info.canonicalFilePath();
    if (!QFile::encodeName(echt).startsWith(innen))
        return Bildfehler::Ausserhalb;
    if (info.isDir())
        return Bildfehler::Ordner;
    if (!info.isFile() || info.size() == 0)
        return Bildfehler::KeinBild;
    if (info.size() > MaxBilddatei)
        return Bildfehler::ZuGross;
    QFile datei(echt);
    if (!datei.open(QIODevice::ReadOnly))
        return Bildfehler::KeinBild;
#endif
    const Bildbefund befund = leser.pruefen(datei, pfad);
    if (befund.ohneLeser != Fotoformat::Keines)
        return Befund{Bildfehler::OhneLeser, befund.ohneLeser};
    if (!befund.vektor && bildZuGross(befund.groesse))
        return Bildfehler::ZuGross;
    if (!befund.lesbar || befund.groesse.isEmpty())
        return Bildfehler::KeinBild;
    return std::nullopt;
}

// The folder's real path, ending in "/".
QByteArray echterOrdner(const QDir& ordner) {
    QByteArray pfad = QFile::encodeName(QFileInfo(ordner.absolutePath()).canonicalFilePath());
    if (pfad.isEmpty())
        return QByteArrayLiteral("\0"); // a folder that is gone holds nothing
    if (!pfad.endsWith('/'))
        pfad += '/';
    return pfad;
}

// The name as written with its file's name as a file beside it is called where the two differ
// only in letter case (a list written on Windows, where case does not matter); empty where no
// such file lies in a folder inside the list's.
QString andereSchreibung(const Bildstelle& stelle, const QByteArray& innen) {
    const QFileInfo info(stelle.pfad);
    const QDir ordner = info.dir();
    const QByteArray echt = QFile::encodeName(QFileInfo(ordner.absolutePath()).canonicalFilePath());
    if (echt.isEmpty() || !(echt + '/').startsWith(innen))
        return {};
    const QString gesucht = info.fileName();
    const QStringList namen = ordner.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : namen) {
        if (name != gesucht && name.compare(gesucht, Qt::CaseInsensitive) == 0) {
            const QString geschrieben = alsPfad(stelle.name);
            return stelle.name.first(geschrieben.lastIndexOf(u'/') + 1) + name;
        }
    }
    return {};
}

} // namespace

Karteninhalt inhaltLesen(QString geschrieben, const QString& ordner) {
    if (!istBildname(geschrieben))
        return Karteninhalt::alsWort(std::move(geschrieben));
    return Karteninhalt::alsBild(QDir::cleanPath(ordner + u'/' + alsPfad(geschrieben)));
}

Bildpruefung bilderPruefen(const QList<Bildstelle>& bilder, const QDir& ordner,
                           const Bildleser& leser, int hoechstens) {
    Bildpruefung pruefung;
    QByteArray innen;
    QHash<QString, std::optional<Befund>> geprueft;
    for (const Bildstelle& stelle : bilder) {
        const QString pfad = alsPfad(stelle.name);
        const QString sauber = QDir::cleanPath(pfad);
        std::optional<Befund> fehler;
        // The name as written decides before any file is looked at.
        if (absolut(pfad) || sauber == u".." || sauber.startsWith(u"../")) {
            fehler = Befund{Bildfehler::Ausserhalb};
        } else if (stelle.pfad.contains(QChar(0))) {
            fehler = Befund{Bildfehler::Fehlt}; // no file is named so; the system would cut it
        } else if (const auto schon = geprueft.constFind(stelle.pfad); schon != geprueft.cend()) {
            fehler = *schon;
        } else {
            if (innen.isEmpty())
                innen = echterOrdner(ordner);
            fehler = dateiPruefen(stelle.pfad, innen, leser);
            geprueft.insert(stelle.pfad, fehler);
        }
        if (!fehler)
            continue;
        ++pruefung.gesamt;
        if (pruefung.zeilen.isEmpty() || pruefung.zeilen.constLast() != stelle.nummer)
            pruefung.zeilen.append(stelle.nummer);
        if (pruefung.erste.size() >= hoechstens)
            continue;
        FehlerhaftesBild bild{stelle.nummer, fehler->grund, stelle.name, fehler->format, {}};
        if (bild.grund == Bildfehler::Fehlt && !innen.isEmpty())
            bild.vorschlag = andereSchreibung(stelle, innen);
        pruefung.erste.append(std::move(bild));
    }
    return pruefung;
}

} // namespace vun
