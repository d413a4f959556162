#pragma once
// Enhanced metafiles on the clipboard, under the MIME names desktops and Windows use.

#include "emf/enh_metafile.h"

#include <QStringList>

#include <optional>

class QMimeData;

namespace metaview {

/// "image/emf", "image/x-emf" and the Windows clipboard's enhanced-metafile format as Qt
/// names it.
QStringList MetafileMimeTypes();

/// The first metafile format of data that holds a picture; none when there is none.
std::optional<emf::EnhMetaFile> MetafileFromMimeData(const QMimeData& data);

bool ClipboardHasMetafile();
std::optional<emf::EnhMetaFile> ClipboardMetafile();

} // namespace metaview
