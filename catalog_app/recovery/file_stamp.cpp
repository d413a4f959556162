#include "catalog_app/recovery/file_stamp.h"

#include <QFileInfo>

void CFileStamp::Take(const QString& path) {
    m_Path = path;
    const QFileInfo info(path);
    m_Modified = path.isEmpty() ? QDateTime() : info.lastModified();
    m_nSize = path.isEmpty() ? -1 : info.size();
}

bool CFileStamp::ChangedOnDisk() const {
    if (m_Path.isEmpty()) return false;
    const QFileInfo info(m_Path);
    if (!info.exists()) return false;
    return info.lastModified() != m_Modified || info.size() != m_nSize;
}
