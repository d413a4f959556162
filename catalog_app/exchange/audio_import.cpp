#include "catalog_app/exchange/audio_import.h"

#include "catalog_app/exchange/audio_tags.h"
#include "catalog_app/ui/dialog_values.h"
#include "catalog_app/ui/ui_text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QPushButton>

namespace audio {
namespace {

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

void ReadOne(const std::filesystem::path& path, ChosenFiles& chosen) {
    if (auto tags = ReadAudioTags(path))
        chosen.tags.push_back(std::move(*tags));
    else
        chosen.unreadable.append(QFile::decodeName(path.c_str()));
}

} // namespace

ChosenFiles ReadChosen(const QStringList& paths) {
    ChosenFiles chosen;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir())
            for (const std::filesystem::path& file : AudioFilesIn(LocalPath(path)))
                ReadOne(file, chosen);
        else
            ReadOne(LocalPath(path), chosen);
    }
    return chosen;
}

QStringList PickAudioFiles(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Import audio files"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    // Qt's own dialog, so that it can take a button for the whole folder.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({QStringLiteral("Audio files (*.mp3 *.flac *.ogg *.oga *.opus *.m4a "
                                          "*.wav *.MP3 *.FLAC *.OGG *.OPUS *.M4A *.WAV)"),
                           QStringLiteral("All files (*)")});
    QStringList folder;
    auto* whole = new QPushButton(QStringLiteral("Whole &folder"), &dialog);
    whole->setToolTip(QStringLiteral("Import every audio file in the folder shown"));
    QObject::connect(whole, &QPushButton::clicked, &dialog, [&] {
        folder = {dialog.directory().absolutePath()};
        static_cast<QDialog&>(dialog).done(QDialog::Accepted); // no file need be chosen
    });
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(whole, grid->rowCount(), 0);
    if (dialog.exec() != QDialog::Accepted) return {};
    return folder.isEmpty() ? dialog.selectedFiles() : folder;
}

CMediaSheetValues SheetValuesOf(const catalog::NewMedium& medium, std::uint32_t mediaIndex) {
    MinSecLength total = 0;
    for (const catalog::NewTrack& track : medium.tracks)
        total = catalog::AddLength(total, track.length);
    CMediaSheetValues values;
    values.indexText = ui::FormatIndex(mediaIndex);
    values.totalText = ui::FormatLength(total);
    values.trackCountText = QString::number(medium.tracks.size());
    values.title1 = medium.title1;
    values.title2 = medium.title2;
    values.creationTime = medium.creationTime;
    values.mediaType = medium.mediaType;
    values.information = medium.information;
    return values;
}

void TakeSheetValues(const CMediaSheetValues& values, catalog::NewMedium& medium) {
    medium.title1 = values.title1;
    medium.title2 = values.title2;
    medium.creationTime = values.creationTime;
    medium.mediaType = values.mediaType;
    medium.information = values.information;
}

} // namespace audio
