#include "emf/player/device_context.h"
#include "emf/cp1252.h"
#include "emf/player/dc_core.h"
#include "emf/player/gdi_objects.h"
#include "emf/player/int_range.h"
#include "emf/player/text/text_engine.h"

#include <QPainter>
#include <atomic>
#include <cmath>

namespace emf {

DeviceContext::DeviceContext(QPainter& painter) : m_core(std::make_unique<DcCore>(painter)) {}

DeviceContext::DeviceContext(QPaintDevice* device)
    : m_ownPainter(std::make_unique<QPainter>(device)),
      m_core(std::make_unique<DcCore>(*m_ownPainter)) {}

DeviceContext::~DeviceContext() = default;

QPainter& DeviceContext::Painter() {
    return m_core->painter();
}

void DeviceContext::SetDrawEmfPlus(bool on) {
    m_core->drawEmfPlus = on;
}

void DeviceContext::SetEmfPlusFilter(
    std::function<bool(std::size_t offset, std::size_t index)> filter) {
    m_core->plusFilter = std::move(filter);
}

bool DeviceContext::DrawsEmfPlus() const {
    return m_core->drawEmfPlus;
}

namespace {
std::atomic<bool> g_drawEmfPlus{true}; // background renders read it on their own threads
} // namespace

void SetDrawEmfPlusByDefault(bool on) {
    g_drawEmfPlus = on;
}

bool DrawsEmfPlusByDefault() {
    return g_drawEmfPlus;
}

const PlayNotes& DeviceContext::Notes() const {
    return m_core->notes;
}

int DeviceContext::GetDeviceCaps(int index) const {
    return m_core->caps().Get(index);
}

namespace {

QPoint Exchange(QPointF& slot, QPointF value) {
    const QPoint old = ClampToPoint(slot);
    slot = value;
    return old;
}

SizeL Exchange(QSizeF& slot, QSizeF value) {
    const SizeL old{ClampToInt(slot.width()), ClampToInt(slot.height())};
    if (value.width() != 0 && value.height() != 0) slot = value;
    return old;
}

template <class T> T Exchange(T& slot, T value) {
    T old = slot;
    slot = value;
    return old;
}

} // namespace

QPoint DeviceContext::SetViewportOrg(int x, int y) {
    return Exchange(m_core->state.viewportOrg, QPointF(x, y));
}

QPoint DeviceContext::SetWindowOrg(int x, int y) {
    return Exchange(m_core->state.windowOrg, QPointF(x, y));
}

int DeviceContext::SetMapMode(int mode) {
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    return Exchange(m_core->state.mapMode, mode);
}

SizeL DeviceContext::SetWindowExt(int cx, int cy) {
    return Exchange(m_core->state.windowExt, QSizeF(cx, cy));
}

SizeL DeviceContext::SetViewportExt(int cx, int cy) {
    return Exchange(m_core->state.viewportExt, QSizeF(cx, cy));
}

int DeviceContext::SaveDC() {
    return m_core->Save();
}

bool DeviceContext::RestoreDC(int level) {
    return m_core->Restore(level);
}

HGDIOBJ DeviceContext::SelectObject(const HGDIOBJ& object) {
    if (!object) return nullptr;
    DcState& s = m_core->state;
    if (As<LogPen>(object)) return Exchange(s.pen, object);
    if (As<LogBrush>(object)) return Exchange(s.brush, object);
    if (As<LogFont>(object)) return Exchange(s.font, object);
    return nullptr;
}

HPALETTE DeviceContext::SelectPalette(const HPALETTE& palette, bool /*forceBackground*/) {
    if (!As<LogPalette>(palette)) return nullptr;
    return Exchange(m_core->state.palette, palette);
}

// A true-colour device has no system palette to map entries into.
unsigned DeviceContext::RealizePalette() {
    return 0;
}

int DeviceContext::SetROP2(int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return Exchange(m_core->state.rop2, mode);
}

COLORREF DeviceContext::SetTextColor(COLORREF c) {
    return Exchange(m_core->state.textColor, c);
}

COLORREF DeviceContext::SetBkColor(COLORREF c) {
    return Exchange(m_core->state.bkColor, c);
}

int DeviceContext::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Exchange(m_core->state.bkMode, mode);
}

std::uint32_t DeviceContext::SetTextAlign(std::uint32_t align) {
    return Exchange(m_core->state.textAlign, align);
}

QPoint DeviceContext::MoveTo(int x, int y) {
    const QPoint old = ClampToPoint(m_core->state.currentPos);
    m_core->MoveTo(QPointF(x, y));
    return old;
}

bool DeviceContext::LineTo(int x, int y) {
    m_core->LineTo(QPointF(x, y));
    return true;
}

bool DeviceContext::Rectangle(int left, int top, int right, int bottom) {
    QPainterPath p;
    p.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
    m_core->DrawShape(p, true, true);
    return true;
}

bool DeviceContext::ExtTextOutA(int x, int y, std::uint32_t options, const RectL* rect,
                                std::string_view text, const int* dx) {
    TextRun run;
    run.reference = QPointF(x, y);
    run.options = options & ~ETO_GLYPH_INDEX;
    if (rect) run.rect = QRectF(QPointF(rect->left, rect->top), QPointF(rect->right, rect->bottom));
    run.text = QString::fromStdU16String(FromCp1252(text));
    if (dx) run.advances.assign(dx, dx + text.size());
    DrawTextRun(*m_core, run);
    return true;
}

QPointF DeviceContext::LPtoDP(QPointF logical) const {
    return m_core->ToDevice().map(logical);
}

bool DeviceContext::GetTextExtentPoint32A(std::string_view text, SizeL& size) const {
    const QSizeF s = MeasureText(*m_core, QString::fromStdU16String(FromCp1252(text)));
    size = SizeL{ClampToInt(s.width()), ClampToInt(s.height())};
    return true;
}

} // namespace emf
