#include "catalog_app/settings/form_chooser_dialog.h"

#include "catalog_app/ui/ui_text.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr int kThumbnail = 96;

} // namespace

QString FormPrefixOf(int mediaType) {
    static const char* const prefixes[] = {"cd_", "mc_", "md_", "dvd_", "lp_", "mp3_", "plain_"};
    return mediaType >= 0 && mediaType < 7 ? QString::fromLatin1(prefixes[mediaType]) : QString();
}

CFormChooserDialog::CFormChooserDialog(const std::vector<InstalledForm>& forms, int mediaType,
                                       const CFormSettings& settings, QWidget* parent)
    : QDialog(parent), m_pList(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Installed print forms"));
    m_pList->setIconSize(QSize(kThumbnail, kThumbnail));
    m_pList->setSpacing(2);
    const QString prefix = FormPrefixOf(mediaType);
    for (const InstalledForm& form : forms) {
        const QImage picture = DrawFormPicture(form.path, QSize(kThumbnail, kThumbnail), settings);
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(picture)),
                                         QStringLiteral("%1\n%2  (%3)")
                                             .arg(form.name, FormSizeText(form.width, form.height),
                                                  QFileInfo(form.path).fileName()),
                                         m_pList);
        item->setData(Qt::UserRole, form.path);
        item->setToolTip(form.path);
        if (!m_pList->currentItem() && !prefix.isEmpty() &&
            QFileInfo(form.path).fileName().startsWith(prefix))
            m_pList->setCurrentItem(item);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    const QString type = ui::MediaTypeName(mediaType);
    layout->addWidget(new QLabel(
        forms.empty() ? QStringLiteral("No print forms are installed with the program.")
                      : QStringLiteral("Choose a form for %1; \"set\" then puts it into the list.")
                            .arg(type.isEmpty() ? QStringLiteral("the media type") : type),
        this));
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(460, 520);
}

QString CFormChooserDialog::SelectedPath() const {
    const QListWidgetItem* item = m_pList->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}
