#pragma once

#include <QDateTime>
#include <QString>

/// What a catalogue file looked like on disk when it was last opened or saved here, to
/// tell when another window or program has written it since.
class CFileStamp {
public:
    /// Remembers the file as it is now; an empty path forgets it.
    void Take(const QString& path);
    /// Whether the remembered file now has another time or size. A file that is gone
    /// counts as unchanged: saving it again replaces nothing of anybody's.
    bool ChangedOnDisk() const;
    const QString& Path() const { return m_Path; }

private:
    QString m_Path;
    QDateTime m_Modified;
    qint64 m_nSize = -1;
};
