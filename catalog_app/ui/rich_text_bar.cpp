#include "catalog_app/ui/rich_text_bar.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QIntValidator>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

#include <utility>

namespace {

// The pictures are drawn here, so the bar looks the same with or without an icon theme.
QPixmap BlankPixmap() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon AlignIcon(Qt::Alignment alignment) {
    QPixmap pixmap = BlankPixmap();
    QPainter painter(&pixmap);
    const int widths[] = {14, 9, 12, 7};
    for (int line = 0; line < 4; ++line) {
        const int w = alignment == Qt::AlignJustify ? 14 : widths[line];
        int x = 1;
        if (alignment == Qt::AlignHCenter) x = (16 - w) / 2;
        if (alignment == Qt::AlignRight) x = 15 - w;
        painter.drawLine(x, 2 + line * 4, x + w - 1, 2 + line * 4);
    }
    return pixmap;
}

QIcon BulletIcon() {
    QPixmap pixmap = BlankPixmap();
    QPainter painter(&pixmap);
    for (int y : {3, 8, 13}) {
        painter.fillRect(1, y - 1, 3, 3, Qt::black);
        painter.drawLine(6, y, 14, y);
    }
    return pixmap;
}

QIcon ColorIcon(const QColor& color) {
    QPixmap pixmap = BlankPixmap();
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 16, 12), Qt::AlignCenter, QStringLiteral("A"));
    painter.fillRect(1, 12, 14, 4, color);
    return pixmap;
}

// Leading, trailing and absolute variants shown as the plain alignment they look like.
Qt::Alignment PlainAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) return Qt::AlignHCenter;
    if (alignment & Qt::AlignJustify) return Qt::AlignJustify;
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing)) return Qt::AlignRight;
    return Qt::AlignLeft;
}

} // namespace

CRichTextBar::CRichTextBar(QTextEdit* editor, QWidget* parent)
    : QToolBar(parent), m_pEditor(editor) {
    setIconSize(QSize(16, 16));
    CreateCharacterTools();
    addSeparator();
    CreateParagraphTools();
    connect(editor, &QTextEdit::currentCharFormatChanged, this, &CRichTextBar::ShowCharFormat);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &CRichTextBar::ShowBlockFormat);
    ShowCharFormat(editor->currentCharFormat());
    ShowBlockFormat();
}

QAction* CRichTextBar::AddToggle(const QString& text, const QKeySequence& key, const QString& tip) {
    QAction* action = addAction(text);
    action->setCheckable(true);
    action->setShortcut(key);
    // The keys work while the focus is in the editor.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_pEditor->addAction(action);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
    return action;
}

void CRichTextBar::CreateCharacterTools() {
    m_pBold = AddToggle(QStringLiteral("B"), QKeySequence::Bold, QStringLiteral("Bold"));
    m_pItalic = AddToggle(QStringLiteral("I"), QKeySequence::Italic, QStringLiteral("Italic"));
    m_pUnderline =
        AddToggle(QStringLiteral("U"), QKeySequence::Underline, QStringLiteral("Underline"));
    // Each letter shows the style it gives.
    const std::pair<QAction*, void (QFont::*)(bool)> looks[] = {
        {m_pBold, &QFont::setBold},
        {m_pItalic, &QFont::setItalic},
        {m_pUnderline, &QFont::setUnderline}};
    for (const auto& [action, look] : looks) {
        QWidget* button = widgetForAction(action);
        QFont font = button->font();
        (font.*look)(true);
        button->setFont(font);
    }
    connect(m_pBold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        MergeFormat(format);
    });
    connect(m_pItalic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        MergeFormat(format);
    });
    connect(m_pUnderline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        MergeFormat(format);
    });

    m_pFont = new QFontComboBox(this);
    m_pFont->setToolTip(QStringLiteral("Font"));
    // Narrow enough that the whole bar fits the sheet.
    m_pFont->setMinimumContentsLength(12);
    m_pFont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    addWidget(m_pFont);
    connect(m_pFont, &QComboBox::textActivated, this, [this](const QString& family) {
        QTextCharFormat format;
        format.setFontFamilies({family});
        MergeFormat(format);
    });
    m_pSize = new QComboBox(this);
    m_pSize->setEditable(true);
    m_pSize->setValidator(new QIntValidator(1, 999, m_pSize));
    m_pSize->setToolTip(QStringLiteral("Size in points"));
    for (int size : QFontDatabase::standardSizes())
        m_pSize->addItem(QString::number(size));
    addWidget(m_pSize);
    connect(m_pSize, &QComboBox::textActivated, this, [this](const QString& text) {
        if (text.toInt() <= 0) return;
        QTextCharFormat format;
        format.setFontPointSize(text.toInt());
        MergeFormat(format);
    });
    m_pColor = addAction(ColorIcon(Qt::black), QStringLiteral("Text colour..."));
    connect(m_pColor, &QAction::triggered, this, &CRichTextBar::ChooseColor);
}

void CRichTextBar::CreateParagraphTools() {
    m_pAlign = new QActionGroup(this);
    const std::pair<Qt::Alignment, const char*> alignments[] = {{Qt::AlignLeft, "Align left"},
                                                                {Qt::AlignHCenter, "Centre"},
                                                                {Qt::AlignRight, "Align right"},
                                                                {Qt::AlignJustify, "Justify"}};
    for (const auto& [alignment, text] : alignments) {
        QAction* action = addAction(AlignIcon(alignment), QString::fromLatin1(text));
        action->setCheckable(true);
        action->setData(int(alignment));
        m_pAlign->addAction(action);
    }
    connect(m_pAlign, &QActionGroup::triggered, this, &CRichTextBar::SetAlignment);
    m_pBullet = addAction(BulletIcon(), QStringLiteral("Bullet list"));
    m_pBullet->setCheckable(true);
    connect(m_pBullet, &QAction::triggered, this, &CRichTextBar::ToggleBullets);
}

// Applies to the selection; without one, to what is typed next, as word processors do.
void CRichTextBar::MergeFormat(const QTextCharFormat& format) {
    m_pEditor->mergeCurrentCharFormat(format);
    m_pEditor->setFocus();
}

void CRichTextBar::ChooseColor() {
    const QColor color =
        QColorDialog::getColor(m_pEditor->textColor(), this, QStringLiteral("Text colour"));
    if (!color.isValid()) return;
    QTextCharFormat format;
    format.setForeground(color);
    MergeFormat(format);
}

void CRichTextBar::SetAlignment(QAction* action) {
    m_pEditor->setAlignment(Qt::Alignment(action->data().toInt()));
    m_pEditor->setFocus();
}

void CRichTextBar::ToggleBullets(bool on) {
    QTextCursor cursor = m_pEditor->textCursor();
    cursor.beginEditBlock();
    if (on) {
        cursor.createList(QTextListFormat::ListDisc);
    } else {
        // Every paragraph of the selection leaves its list.
        const QTextDocument* doc = m_pEditor->document();
        const QTextBlock last = doc->findBlock(cursor.selectionEnd());
        for (QTextBlock block = doc->findBlock(cursor.selectionStart()); block.isValid();
             block = block.next()) {
            if (QTextList* list = block.textList()) list->remove(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            QTextCursor(block).setBlockFormat(format);
            if (block == last) break;
        }
    }
    cursor.endEditBlock();
    m_pEditor->setFocus();
}

void CRichTextBar::ShowCharFormat(const QTextCharFormat& format) {
    m_pBold->setChecked(format.fontWeight() >= QFont::Bold);
    m_pItalic->setChecked(format.fontItalic());
    m_pUnderline->setChecked(format.fontUnderline());
    const QFont font = format.font();
    m_pFont->setCurrentFont(font);
    if (font.pointSizeF() > 0) m_pSize->setCurrentText(QString::number(font.pointSizeF()));
    const QBrush brush = format.foreground();
    m_pColor->setIcon(
        ColorIcon(brush.style() == Qt::NoBrush ? palette().text().color() : brush.color()));
}

void CRichTextBar::ShowBlockFormat() {
    const Qt::Alignment alignment = PlainAlignment(m_pEditor->alignment());
    for (QAction* action : m_pAlign->actions())
        action->setChecked(Qt::Alignment(action->data().toInt()) == alignment);
    m_pBullet->setChecked(m_pEditor->textCursor().currentList() != nullptr);
}
