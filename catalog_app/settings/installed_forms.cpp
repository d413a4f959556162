#include "catalog_app/settings/installed_forms.h"

#include "labels/form_settings.h"
#include "labels/print_form.h"

#include "emf/player/device_context.h"
#include "emf/player/metafile_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace {

std::optional<emf::EnhMetaFile> OpenPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    const auto* first = reinterpret_cast<const std::byte*>(data.constData());
    std::vector<std::byte> bytes(first, first + data.size());
    emf::PictureResult result = emf::EnhMetaFile::FromBytes(std::move(bytes));
    return std::move(result.picture);
}

// The picture's name: the second part of its description, else the file's base name.
QString PictureName(const emf::EnhMetaFile& picture, const QString& path) {
    const std::string description = picture.DescriptionA();
    const std::size_t nul = description.find('\0');
    if (nul != std::string::npos) {
        const std::size_t end = description.find('\0', nul + 1);
        const std::string name = description.substr(nul + 1, end - nul - 1);
        if (!name.empty()) return QString::fromLatin1(name.c_str());
    }
    return QFileInfo(path).completeBaseName();
}

QRect Fitted(double width, double height, QSize size) {
    const double scale = std::min(size.width() / width, size.height() / height);
    const QSize fitted(std::max(1, int(width * scale)), std::max(1, int(height * scale)));
    return QRect(QPoint((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2),
                 fitted);
}

} // namespace

QStringList DefaultFormFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral("forms")),
            bin.filePath(QStringLiteral(KORVEL_FORMS_FROM_BIN))};
}

std::vector<InstalledForm> InstalledForms(const QStringList& folders) {
    std::vector<InstalledForm> forms;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file :
             dir.entryList({QStringLiteral("*.emf")}, QDir::Files, QDir::Name)) {
            const QString path = QDir::cleanPath(dir.absoluteFilePath(file));
            const auto picture = OpenPicture(path);
            if (!picture) continue;
            const emf::RectL& f = picture->Header().rclFrame;
            forms.push_back({path, PictureName(*picture, path), (f.right - f.left) / 100.0,
                             (f.bottom - f.top) / 100.0});
        }
        if (!forms.empty()) break;
    }
    return forms;
}

QString FormSizeText(double width, double height) {
    return QStringLiteral("%1 x %2 mm")
        .arg(QString::number(width, 'g', 4), QString::number(height, 'g', 4));
}

bool ReadFormSize(const QString& path, double& width, double& height) {
    const auto picture = OpenPicture(path);
    if (!picture) return false;
    const emf::RectL& f = picture->Header().rclFrame;
    width = (f.right - f.left) / 100.0, height = (f.bottom - f.top) / 100.0;
    return width > 0 && height > 0;
}

QImage DrawFormPicture(const QString& path, QSize size, const CFormSettings& settings,
                       CCatalogue* catalogue, const CMedia* medium) {
    double width = 0, height = 0;
    if (!ReadFormSize(path, width, height) || size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRect target = Fitted(width, height, size);
    QPainter painter(&image);
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    {
        emf::DeviceContext dc(painter);
        if (catalogue && medium) {
            // As it prints: every placeholder replaced and clipped.
            CPrintForm form(settings);
            if (form.LoadForm(QFile::encodeName(path).toStdString())) {
                form.BindMedium(*catalogue, medium);
                form.PlayForm(dc, target);
            }
        } else if (const auto picture = OpenPicture(path)) {
            emf::PlayEnhMetaFile(dc, *picture, target);
        }
    }
    return image;
}
