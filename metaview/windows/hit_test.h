#pragma once
// Select mode: the drawing record under a point.

#include "emf/enh_metafile.h"

#include <optional>

namespace metaview {

/// The bounding rectangle of the smallest record (by area) whose catalogue geometry is a
/// rectangle and that contains p (edges included); the earliest among equal areas. None
/// when no record contains p.
std::optional<emf::RectL> SmallestRecordAt(const emf::EnhMetaFile& picture, emf::PointL p);

} // namespace metaview
