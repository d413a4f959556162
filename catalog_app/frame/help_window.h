#pragma once

#include <QWidget>

class QTextBrowser;

/// A small browser for the help pages that ship with the program.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    CHelpWindow(const QString& indexPath, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_pBrowser; }
    /// Where a window of the given size goes over its owner: centred on it, made smaller
    /// where the screen's free area is smaller, and moved wholly into that area.
    static QRect PlaceOver(const QRect& owner, QSize size, const QRect& available);
    /// Shows the window over its owner on the owner's screen.
    void ShowOver(const QWidget& owner);

private:
    QTextBrowser* m_pBrowser;
};
