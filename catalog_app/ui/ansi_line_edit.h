#pragma once

#include <QLineEdit>

/// A line edit for catalogue texts: whatever Windows-1252 cannot hold turns into '?' as
/// it is typed or pasted, so the field always shows what will be stored.
class CAnsiLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CAnsiLineEdit(QWidget* parent = nullptr);

private:
    void MakeStorable();
};
