#include "catalog_app/ui/ansi_line_edit.h"

#include "catalog_app/ui/ui_text.h"

CAnsiLineEdit::CAnsiLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &CAnsiLineEdit::MakeStorable);
}

void CAnsiLineEdit::MakeStorable() {
    const QString storable = ui::Storable(text());
    if (storable == text()) return;
    // A character outside the basic plane is two UTF-16 units but one '?', so keep the
    // cursor's distance from the end rather than from the start.
    const qsizetype fromEnd = text().size() - cursorPosition();
    setText(storable);
    setCursorPosition(int(qMax<qsizetype>(0, storable.size() - fromEnd)));
}
