#include "catalog_app/frame/help_window.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(const QString& indexPath, QWidget* parent)
    : QWidget(parent, Qt::Window), m_pBrowser(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Melvara Help"));
    m_pBrowser->setOpenExternalLinks(true);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(m_pBrowser->documentTitle()); });
    auto* bar = new QToolBar(this);
    bar->addAction(QStringLiteral("&Back"), m_pBrowser, &QTextBrowser::backward);
    bar->addAction(QStringLiteral("&Forward"), m_pBrowser, &QTextBrowser::forward);
    bar->addAction(QStringLiteral("&Contents"), m_pBrowser, &QTextBrowser::home);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(m_pBrowser);
    m_pBrowser->setSource(QUrl::fromLocalFile(indexPath));
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    resize(640, 560);
}
