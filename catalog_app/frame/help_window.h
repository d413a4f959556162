#pragma once

#include <QWidget>

class QTextBrowser;

/// A small browser for the help pages that ship with the program.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    CHelpWindow(const QString& indexPath, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    QTextBrowser* m_pBrowser;
};
