#include "metaview/document/viewer_document.h"

#include <QFileInfo>

namespace metaview {

void ViewerDocument::SetPathName(const QString& path) {
    m_path = path;
    m_title = QFileInfo(path).fileName();
    emit TitleChanged();
}

void ViewerDocument::SetModifiedFlag(bool modified) {
    if (m_modified == modified) return;
    m_modified = modified;
    emit TitleChanged();
}

void ViewerDocument::UpdateAllViews(bool pictureReplaced) {
    ++m_version;
    emit Updated(pictureReplaced);
}

} // namespace metaview
