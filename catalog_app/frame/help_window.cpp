#include "catalog_app/frame/help_window.h"

#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

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

QRect CHelpWindow::PlaceOver(const QRect& owner, QSize size, const QRect& available) {
    QRect placed(QPoint(), size.boundedTo(available.size()));
    placed.moveCenter(owner.center());
    placed.moveRight(std::min(placed.right(), available.right()));
    placed.moveBottom(std::min(placed.bottom(), available.bottom()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    return placed;
}

void CHelpWindow::ShowOver(const QWidget& owner) {
    if (!isVisible()) {
        const QScreen* screen = owner.screen();
        // The frame's title bar and borders take room beyond the client area.
        const QMargins frame(8, 40, 8, 8);
        const QRect available =
            screen ? screen->availableGeometry() - frame : QRect(QPoint(), size());
        setGeometry(PlaceOver(owner.frameGeometry(), size(), available));
    }
    show();
    raise();
    activateWindow();
}
