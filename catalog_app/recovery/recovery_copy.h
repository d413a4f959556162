#pragma once

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class CCatalogue;
class QLockFile;

/// The copy of a catalogue with unsaved changes that a run keeps in the user's data folder,
/// so that a crash or a kill loses at most the last minutes of work. Every run has a copy
/// of its own, held by a lock file: a copy whose lock nobody holds was left by a run that
/// ended without closing normally.
class CRecoveryCopy {
public:
    /// A copy left behind by another run.
    struct Orphan {
        QString copyPath;
        /// The catalogue file it was a copy of; empty for an untitled catalogue.
        QString sourcePath;
        QDateTime written;
    };

    explicit CRecoveryCopy(QString folder = DefaultFolder());
    ~CRecoveryCopy();
    CRecoveryCopy(const CRecoveryCopy&) = delete;
    CRecoveryCopy& operator=(const CRecoveryCopy&) = delete;

    /// "recovery" in the user's data folder of the program.
    static QString DefaultFolder();

    /// Writes this run's copy (the catalogue file format, written atomically) and the file it
    /// belongs to. False when it could not be written; an older copy then stays.
    bool Write(const CCatalogue& catalogue, const QString& sourcePath);
    /// Removes this run's copy: the changes were saved, dropped or closed normally.
    void Discard();
    bool HasCopy() const { return m_bHasCopy; }

    /// The copies of runs that are no longer running, newest first.
    std::vector<Orphan> Orphans() const;
    /// Removes a copy another run left, once it was restored or declined.
    static void Remove(const Orphan& orphan);

private:
    QString FilePath(const char* suffix) const;

    QString m_Folder;
    QString m_Base;
    std::unique_ptr<QLockFile> m_pLock;
    bool m_bHasCopy = false;
};
