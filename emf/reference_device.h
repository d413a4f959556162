#pragma once
// The one reference device of the program: what a picture converted from WMF is scaled to,
// and what the builder records in headers unless told otherwise. A 1024 x 768 display that
// reports 320 x 240 mm, as the platform's display driver did in the era of these files: a
// 4:3 screen, so converted pictures keep the proportions their authors saw.

#include "emf/enh_metafile.h"

namespace emf {

struct ReferenceDevice {
    SizeL pixels;
    SizeL millimeters;
};

inline constexpr ReferenceDevice kReferenceDevice{{1024, 768}, {320, 240}};

} // namespace emf
