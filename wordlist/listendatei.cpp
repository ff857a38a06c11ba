#include "wordlist/listendatei.h"

#include <QFileInfo>

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

// "/bild.png", "//server/bild.png", "C:/bild.png" and "C:bild.png" lie outside the folder.
bool absolut(const QString& pfad) {
    if (pfad.startsWith(u'/'))
        return true;
    return pfad.size() >= 2 && pfad.at(1) == u':' && pfad.at(0).isLetter() &&
           pfad.at(0).unicode() < 128;
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

} // namespace

bool endetAuf(QStringView eintrag, std::span<const QStringView> endungen) {
    for (const QStringView endung : endungen)
        if (eintrag.size() > endung.size() && eintrag.endsWith(endung, Qt::CaseInsensitive))
            return true;
    return false;
}

QString alsPfad(QStringView eintrag) {
    QString pfad = eintrag.toString();
    pfad.replace(u'\\', u'/');
    return pfad;
}

bool nameAusserhalb(QStringView eintrag) {
    const QString pfad = alsPfad(eintrag);
    const QString sauber = QDir::cleanPath(pfad);
    return absolut(pfad) || sauber == u".." || sauber.startsWith(u"../");
}

QByteArray echterOrdner(const QDir& ordner) {
    QByteArray pfad = QFile::encodeName(QFileInfo(ordner.absolutePath()).canonicalFilePath());
    if (pfad.isEmpty())
        return QByteArrayLiteral("\0");
    if (!pfad.endsWith('/'))
        pfad += '/';
    return pfad;
}

Dateiort dateiOeffnen(const QString& pfad, const QByteArray& innen, qint64 hoechstens,
                      QFile& datei) {
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(pfad);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return nirgends(errno) ? Dateiort::Fehlt : Dateiort::KeineDatei;
    // Where it really lies is known before anything is opened: a link to /dev/zero is refused
    // as lying outside, and never read.
    int fehler = 0;
    const QByteArray echt = echterPfad(name, fehler);
    if (echt.isEmpty())
        return nirgends(fehler) ? Dateiort::Fehlt : Dateiort::KeineDatei;
    if (!echt.startsWith(innen))
        return Dateiort::Ausserhalb;
    if (::stat(echt.constData(), &info) != 0)
        return Dateiort::Fehlt;
    if (S_ISDIR(info.st_mode))
        return Dateiort::Ordner;
    if (!S_ISREG(info.st_mode))
        return Dateiort::KeineDatei;
    if (info.st_size > hoechstens)
        return Dateiort::ZuGross;
    if (info.st_size == 0)
        return Dateiort::KeineDatei;
    // Opened without waiting and checked on the handle, so a pipe put there meanwhile neither
    // blocks nor is read.
    const int fd = ::open(echt.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return Dateiort::KeineDatei;
    struct stat offen {};
    if (::fstat(fd, &offen) != 0 || !S_ISREG(offen.st_mode) || offen.st_dev != info.st_dev ||
        offen.st_ino != info.st_ino ||
        !datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Dateiort::KeineDatei;
    }
#else
    const QFileInfo info(pfad);
    if (!info.exists())
        return Dateiort::Fehlt;
    const QString echt = info.canonicalFilePath();
    if (!QFile::encodeName(echt).startsWith(innen))
        return Dateiort::Ausserhalb;
    if (info.isDir())
        return Dateiort::Ordner;
    if (!info.isFile() || info.size() == 0)
        return Dateiort::KeineDatei;
    if (info.size() > hoechstens)
        return Dateiort::ZuGross;
    datei.setFileName(echt);
    if (!datei.open(QIODevice::ReadOnly))
        return Dateiort::KeineDatei;
#endif
    return Dateiort::Offen;
}

QString andereSchreibung(const Dateistelle& stelle, const QByteArray& innen) {
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

} // namespace vun
