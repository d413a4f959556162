#include "catalog_app/recovery/recovery_copy.h"

#include "catalog/file/catalogue_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Beside each copy: the catalogue file it belongs to, and when it was written.
const char kCopySuffix[] = ".mvr";
const char kInfoSuffix[] = ".source";
const char kLockSuffix[] = ".lock";

std::unique_ptr<QLockFile> MakeLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // A lock counts as abandoned only when its run is gone, however long that run lasts.
    lock->setStaleLockTime(0);
    return lock;
}

QString Sibling(const QString& copyPath, const char* suffix) {
    return copyPath.chopped(int(sizeof kCopySuffix) - 1) + QLatin1String(suffix);
}

} // namespace

CRecoveryCopy::CRecoveryCopy(QString folder) : m_Folder(std::move(folder)) {
    // The process id alone could be a dead run's again; the start time makes it unique.
    m_Base = QStringLiteral("run-%1-%2")
                 .arg(QCoreApplication::applicationPid())
                 .arg(QDateTime::currentMSecsSinceEpoch());
}

CRecoveryCopy::~CRecoveryCopy() = default;

QString CRecoveryCopy::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

QString CRecoveryCopy::FilePath(const char* suffix) const {
    return m_Folder + QLatin1Char('/') + m_Base + QLatin1String(suffix);
}

bool CRecoveryCopy::Write(const CCatalogue& catalogue, const QString& sourcePath) {
    if (!m_pLock) {
        if (!QDir().mkpath(m_Folder)) return false;
        m_pLock = MakeLock(FilePath(kLockSuffix));
        if (!m_pLock->tryLock(0)) {
            m_pLock.reset();
            return false;
        }
    }
    const auto status = catalog::SaveCatalogueFile(
        catalogue, QFile::encodeName(FilePath(kCopySuffix)).toStdString());
    if (!status.ok()) return false;
    QSaveFile info(FilePath(kInfoSuffix));
    if (!info.open(QIODevice::WriteOnly)) return false;
    info.write(sourcePath.toUtf8() + '\n' +
               QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + '\n');
    m_bHasCopy = info.commit();
    return m_bHasCopy;
}

void CRecoveryCopy::Discard() {
    if (!m_pLock) return;
    QFile::remove(FilePath(kCopySuffix));
    QFile::remove(FilePath(kInfoSuffix));
    m_pLock->unlock();
    m_pLock.reset();
    m_bHasCopy = false;
}

std::vector<CRecoveryCopy::Orphan> CRecoveryCopy::Orphans() const {
    std::vector<Orphan> found;
    const QDir folder(m_Folder);
    const QStringList copies =
        folder.entryList({QStringLiteral("run-*") + QLatin1String(kCopySuffix)}, QDir::Files);
    for (const QString& name : copies) {
        const QString copy = folder.filePath(name);
        if (copy == FilePath(kCopySuffix)) continue;
        // Held by a run that is still going: its copy is not left over.
        const auto lock = MakeLock(Sibling(copy, kLockSuffix));
        if (!lock->tryLock(0)) continue;
        lock->unlock();
        QFile info(Sibling(copy, kInfoSuffix));
        if (!info.open(QIODevice::ReadOnly)) continue; // a copy cut off before its note
        const QList<QByteArray> lines = info.readAll().split('\n');
        Orphan orphan{copy, QString::fromUtf8(lines.value(0)),
                      QDateTime::fromString(QString::fromUtf8(lines.value(1)), Qt::ISODateWithMs)};
        found.push_back(std::move(orphan));
    }
    std::ranges::sort(found,
                      [](const Orphan& a, const Orphan& b) { return a.written > b.written; });
    return found;
}

void CRecoveryCopy::Remove(const Orphan& orphan) {
    QFile::remove(orphan.copyPath);
    QFile::remove(Sibling(orphan.copyPath, kInfoSuffix));
    QFile::remove(Sibling(orphan.copyPath, kLockSuffix));
}
