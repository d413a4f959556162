#pragma once

#include <QWidget>

#include <string>

class CRichTextBar;
class QTextEdit;

/// The "Addtional Information" page: the medium's free rich text, streamed in and out
/// as RTF. Unless the user changed the text, the stored bytes come back unchanged.
class CPropEdit : public QWidget {
    Q_OBJECT
public:
    explicit CPropEdit(QWidget* parent = nullptr);

    void SetInformation(const std::string& rtf);
    /// The start bytes when nothing changed; no bytes when the text was cleared.
    std::string Information() const;

    QTextEdit* Editor() const { return m_pEditor; }
    CRichTextBar* FormatBar() const { return m_pFormatBar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* m_pEditor;
    CRichTextBar* m_pFormatBar;
    std::string m_Start;
    QString m_LoadedHtml; ///< the text as loaded, to tell whether the user changed it
};
