#pragma once

#include <QString>

#include <ostream>

/// `melvara --search TEXT CATALOGUE`: prints the hits as the search pane shows them, one
/// row a line, the ten columns separated by tabs, in UTF-8; the capacity message goes to
/// err. Returns the exit status: 0 when the catalogue opened, 1 (with a one-line message
/// on err) when it did not.
int RunSearchCommand(const QString& text, const QString& path, std::ostream& out,
                     std::ostream& err);
