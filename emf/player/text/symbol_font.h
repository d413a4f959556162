#pragma once
// Text in the Symbol font: its byte codes stand for Greek letters and mathematical signs.

#include <QString>

namespace emf {

/// Whether the face is the Symbol font, whose codes need mapping.
bool IsSymbolFace(const QString& face);
/// The characters the Symbol font's codes stand for (codes 0x20-0xFF, also in the private
/// use area at 0xF020-0xF0FF); other characters stay.
QString FromSymbolCodes(const QString& text);

} // namespace emf
