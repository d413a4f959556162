#pragma once
// The logical-to-device mapping a converted WMF is drawn under, followed record by record so
// the EMF header's bounds come out in device pixels. The viewport is the picture's area on the
// reference device, fixed when the conversion begins; the WMF moves only the window and the
// map mode.

#include "emf/enh_metafile.h"
#include "emf/reference_device.h"

#include <vector>

namespace emf {

class WmfMapping {
public:
    explicit WmfMapping(SizeL devicePixels, SizeL deviceMillimeters);

    /// The picture's extent in device pixels; the whole device until set.
    void SetViewportExt(SizeL ext) { m_viewportExt = ext; }
    void SetMapMode(std::uint32_t mode) { m_state.mode = mode; }
    void SetWindowOrg(PointL org) { m_state.windowOrg = org; }
    void SetWindowExt(SizeL ext);
    void ScaleWindowExt(std::int32_t xNum, std::int32_t xDenom, std::int32_t yNum,
                        std::int32_t yDenom);
    PointL WindowOrg() const { return m_state.windowOrg; }
    SizeL WindowExt() const { return m_state.windowExt; }

    void Save() { m_saved.push_back(m_state); }
    /// RestoreDC semantics: a negative level counts back from the latest save.
    void Restore(std::int32_t level);

    PointL ToDevice(PointL logical) const;
    /// The device rectangle covering a logical one, normalised (left <= right, top <= bottom).
    RectL ToDevice(const RectL& logical) const;

private:
    struct State {
        std::uint32_t mode = 8; // MM_ANISOTROPIC
        PointL windowOrg;
        SizeL windowExt;
    };
    void Scales(double& sx, double& sy) const;

    SizeL m_pixels, m_millimeters, m_viewportExt;
    State m_state;
    std::vector<State> m_saved;
};

} // namespace emf
