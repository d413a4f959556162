#include "common/recent_files.h"

#include <QAction>
#include <QFileInfo>
#include <QSettings>

namespace {

const char kSection[] = "Recent File List";

QString Normalised(const QString& path) {
    QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QString ValueName(int i) {
    return QStringLiteral("File%1").arg(i + 1);
}

} // namespace

void CRecentFileList::Read(QSettings& settings) {
    m_files.clear();
    settings.beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(ValueName(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) m_files.append(path);
    }
    settings.endGroup();
}

void CRecentFileList::Write(QSettings& settings) const {
    settings.beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(ValueName(i), m_files.at(i));
        else
            settings.remove(ValueName(i));
    }
    settings.endGroup();
}

void CRecentFileList::Add(const QString& path) {
    const QString file = Normalised(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void CRecentFileList::Remove(const QString& path) {
    m_files.removeAll(Normalised(path));
}

void CRecentFileList::Refresh(QSettings& settings) {
    settings.sync();
    Read(settings);
}

void CRecentFileList::AddAndStore(QSettings& settings, const QString& path) {
    Refresh(settings);
    Add(path);
    Write(settings);
    settings.sync();
}

void CRecentFileList::RemoveAndStore(QSettings& settings, const QString& path) {
    Refresh(settings);
    Remove(path);
    Write(settings);
    settings.sync();
}

void CRecentFileList::ShowIn(const QList<QAction*>& entries, QAction* placeholder) const {
    for (int i = 0; i < entries.size(); ++i) {
        QAction* action = entries[i];
        action->setVisible(i < m_files.size());
        if (i >= m_files.size()) continue;
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(m_files[i]).fileName()));
        action->setData(m_files[i]);
        action->setStatusTip(m_files[i]);
    }
    placeholder->setVisible(m_files.isEmpty());
}
