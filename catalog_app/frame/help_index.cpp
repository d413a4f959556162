#include "catalog_app/frame/help_index.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

CHelpIndex::CHelpIndex(QStringList folders, Opener opener)
    : m_folders(std::move(folders)), m_opener(std::move(opener)) {}

QStringList CHelpIndex::DefaultFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral("help")),
            bin.filePath(QStringLiteral(KORVEL_HELP_FROM_BIN))};
}

bool CHelpIndex::Open() {
    if (m_failed) return false;
    if (m_index.isEmpty()) {
        for (const QString& folder : m_folders) {
            const QFileInfo page(QDir(folder).filePath(QStringLiteral("index.htm")));
            if (page.isFile()) {
                m_index = page.absoluteFilePath();
                break;
            }
        }
        m_failed = m_index.isEmpty();
        if (m_failed) return false;
    }
    m_opener(m_index);
    return true;
}
