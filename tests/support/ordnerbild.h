#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <sys/stat.h>

namespace vun::test {

// One entry as a line of everything a write would change: its kind and permissions, size,
// modification and status-change times, inode and link count, and a regular file's content.
// Access times are left out, since reading moves them.
inline QString eintragsBild(const QString& pfad, const QString& name) {
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return name + QStringLiteral(" (gone)");
    QString zeile = QStringLiteral("%1 mode %2 size %3 mtime %4.%5 ctime %6.%7 inode %8 links %9")
                        .arg(name)
                        .arg(st.st_mode, 0, 8)
                        .arg(qint64(st.st_size))
                        .arg(qint64(st.st_mtim.tv_sec))
                        .arg(qint64(st.st_mtim.tv_nsec))
                        .arg(qint64(st.st_ctim.tv_sec))
                        .arg(qint64(st.st_ctim.tv_nsec))
                        .arg(quint64(st.st_ino))
                        .arg(quint64(st.st_nlink));
    QFile datei(pfad);
    if (S_ISREG(st.st_mode) && datei.open(QIODevice::ReadOnly))
        zeile += QStringLiteral(" sha256 ") +
                 QString::fromLatin1(
                     QCryptographicHash::hash(datei.readAll(), QCryptographicHash::Sha256).toHex());
    return zeile;
}

// The folder itself, then everything in it at any depth (hidden entries too), sorted by path.
inline QStringList ordnerBild(const QString& ordner) {
    QStringList bild;
    QDirIterator it(ordner, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        bild.append(eintragsBild(pfad, QDir(ordner).relativeFilePath(pfad)));
    }
    std::sort(bild.begin(), bild.end());
    bild.prepend(eintragsBild(ordner, QStringLiteral(".")));
    return bild;
}

// Takes the write permission from everyone for the folder and everything in it, or gives it
// back to the owner.
inline void schreibschutz(const QString& ordner, bool an) {
    QStringList pfade{ordner};
    QDirIterator it(ordner, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        pfade.append(it.next());
    for (const QString& pfad : pfade) {
        struct stat st {};
        if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0 || S_ISLNK(st.st_mode))
            continue;
        const mode_t modus = an ? (st.st_mode & 07555) : (st.st_mode & 07777) | S_IWUSR;
        ::chmod(QFile::encodeName(pfad).constData(), modus);
    }
}

} // namespace vun::test
