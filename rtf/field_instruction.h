#pragma once
// Field instructions ({\*\fldinst ...}): only HYPERLINK matters for ordinary text.

#include <QByteArray>
#include <QString>

namespace rtf {

/// The target of a HYPERLINK instruction ("#name" for a \l bookmark), or an empty string.
QString HyperlinkTarget(const QByteArray& instruction);

} // namespace rtf
