#pragma once
// Text as 7-bit RTF: Windows-1252 characters as \'hh, everything else as \uN?.

#include <QByteArray>
#include <QStringView>

namespace rtf {

/// Appends text escaped for an RTF body written with \ansicpg1252 and \uc1.
void AppendEscaped(QByteArray& out, QStringView text);

} // namespace rtf
