#pragma once

#include <QString>
#include <QStringList>
#include <functional>

/// Finds the help pages once and opens their index page; when they are missing the
/// command does nothing, then and every later time, without looking again.
class CHelpIndex {
public:
    using Opener = std::function<void(const QString& indexPath)>;

    /// folders: where to look for index.htm, in order; opener shows the page.
    CHelpIndex(QStringList folders, Opener opener);

    /// The folders a shipped program looks in: next to the executable, then the
    /// installed data folder beside its bin folder.
    static QStringList DefaultFolders();

    /// Opens the index page; false when the pages are missing.
    bool Open();

private:
    QStringList m_folders;
    Opener m_opener;
    QString m_index;
    bool m_failed = false;
};
