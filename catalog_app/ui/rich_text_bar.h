#pragma once

#include <QToolBar>

class QActionGroup;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;

/// The format bar of a rich text editor: bold, italic and underline (also Ctrl+B, Ctrl+I,
/// Ctrl+U in the editor), font, size, colour, alignment and bullet list. It shows the
/// format at the cursor and applies a choice to the selection, or to the word at the
/// cursor when nothing is selected.
class CRichTextBar : public QToolBar {
    Q_OBJECT
public:
    explicit CRichTextBar(QTextEdit* editor, QWidget* parent = nullptr);

    QAction* BoldAction() const { return m_pBold; }
    QAction* ItalicAction() const { return m_pItalic; }
    QAction* UnderlineAction() const { return m_pUnderline; }
    QAction* ColorAction() const { return m_pColor; }
    QAction* BulletAction() const { return m_pBullet; }
    QActionGroup* AlignGroup() const { return m_pAlign; }
    QFontComboBox* FontBox() const { return m_pFont; }
    QComboBox* SizeBox() const { return m_pSize; }

private:
    QAction* AddToggle(const QString& text, const QKeySequence& key, const QString& tip);
    void CreateCharacterTools();
    void CreateParagraphTools();
    void MergeFormat(const QTextCharFormat& format);
    void ChooseColor();
    void SetAlignment(QAction* action);
    void ToggleBullets(bool on);
    void ShowCharFormat(const QTextCharFormat& format);
    void ShowBlockFormat();

    QTextEdit* m_pEditor;
    QAction* m_pBold = nullptr;
    QAction* m_pItalic = nullptr;
    QAction* m_pUnderline = nullptr;
    QFontComboBox* m_pFont = nullptr;
    QComboBox* m_pSize = nullptr;
    QAction* m_pColor = nullptr;
    QActionGroup* m_pAlign = nullptr;
    QAction* m_pBullet = nullptr;
};
