#pragma once

#include <QStringList>

class QAction;
class QSettings;

/// The most recently opened or saved files, newest first, kept in the settings
/// section "Recent File List" as the values File1 to File4.
class CRecentFileList {
public:
    static constexpr int kSize = 4;

    /// Reads the list; empty and missing values are skipped.
    void Read(QSettings& settings);
    /// Writes the list; values beyond its end are removed.
    void Write(QSettings& settings) const;
    /// Puts the file at the front; an entry for the same file moves there instead of
    /// appearing twice, and the oldest entry falls off beyond four.
    void Add(const QString& path);
    /// Drops the entry (a file that could not be opened any more).
    void Remove(const QString& path);
    /// Add and Remove on the stored list as it is now, then stored: another run of the
    /// program may have added files since this one read it, and those stay.
    void AddAndStore(QSettings& settings, const QString& path);
    void RemoveAndStore(QSettings& settings, const QString& path);
    /// Takes over the stored list as other runs left it.
    void Refresh(QSettings& settings);
    const QStringList& Files() const { return m_files; }
    /// Shows the list in a menu's entries: "&1 name" with the path as data and prompt,
    /// entries beyond the list hidden, the placeholder shown only while the list is empty.
    void ShowIn(const QList<QAction*>& entries, QAction* placeholder) const;

private:
    QStringList m_files;
};
