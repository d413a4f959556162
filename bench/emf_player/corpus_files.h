#pragma once
// The shared metafile corpus: its listing and its files as pictures.

#include "emf/enh_metafile.h"

#include <QString>
#include <optional>
#include <vector>

namespace emf::corpus {

struct Entry {
    QString file;   ///< relative to the corpus folder
    QString format; ///< EMF, WMF-placeable, WMF-plain
};

/// Chooses Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise: the tools run
/// without a display. Call before the application object is made.
void UseOffscreenUnlessSet();

/// The corpus folder, or an empty string when it is not there.
QString Folder();
/// The files MANIFEST.tsv lists.
std::vector<Entry> Entries();
/// The file as a picture: EMF bytes as they are, WMF converted; none when refused.
std::optional<EnhMetaFile> Load(const QString& path);

} // namespace emf::corpus
