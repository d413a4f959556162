#pragma once
// What the pages of the "Settings" sheet share: being filled when first shown, writing
// back on OK, and the look of their lists and fields.

#include <QIcon>
#include <QWidget>

#include <cstdint>
#include <initializer_list>

class QLineEdit;
class QPushButton;
class QTreeWidget;

/// A page of the "Settings" sheet. It is filled the first time it is shown; OK writes back
/// only pages that were filled, so a page never visited changes nothing.
class CSettingsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    /// Fills the page on the first call; later calls do nothing.
    void EnsureInitialised();
    bool IsInitialised() const { return m_bInitialised; }
    /// Writes the page's values into the store (called on OK for filled pages only).
    virtual void OnOK() = 0;

protected:
    virtual void OnInitDialog() = 0;

private:
    bool m_bInitialised = false;
};

namespace settings_ui {

/// Image 0, a red cross (flag off), and image 1, a green tick (flag on), at the style's
/// small icon size.
QIcon FlagIcon(bool on);

/// A report list: single selection of whole rows, shown without focus too, with header
/// buttons that do not react to clicks.
QTreeWidget* MakeReportList(const QStringList& headers, QWidget* parent);

/// Column widths from each header text's width w: factor x w + extra, but never narrower
/// than the header or the rows filled so far.
struct HeaderWidth {
    int factor;
    int extra;
};
void SetHeaderWidths(QTreeWidget* list, std::initializer_list<HeaderWidth> widths);

/// A field that takes digits only.
QLineEdit* MakeDigitsField(QWidget* parent);
/// The field as an unsigned decimal number; empty, unreadable or too large gives 0
/// (too large: beyond what the stored 32-bit signed value holds without turning negative).
std::int32_t FieldNumber(const QLineEdit* field);

/// A push button that starts disabled.
QPushButton* MakeDisabledButton(const QString& text, QWidget* parent);

} // namespace settings_ui
