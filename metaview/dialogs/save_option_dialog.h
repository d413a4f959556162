#pragma once
// The ""Save as" option dialog": a copy of the loaded EMF or what is currently seen.

#include <QDialog>

class QCheckBox;
class QRadioButton;

class CSaveOptionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSaveOptionDlg(QWidget* parent = nullptr);

    /// 1: a copy of the loaded EMF; 0: what is currently seen. Set before exec().
    bool m_nOption = true;
    /// Ask again before the next Save As of the document.
    bool m_bAskAgain = true;

    QRadioButton* CopyButton() const { return m_copy; }
    QRadioButton* SeenButton() const { return m_seen; }
    QCheckBox* AskAgainBox() const { return m_askAgain; }
    /// OK: the check box goes to m_bAskAgain.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QRadioButton* m_copy;
    QRadioButton* m_seen;
    QCheckBox* m_askAgain;
};
