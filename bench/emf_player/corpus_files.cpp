#include "corpus_files.h"

#include "emf/metafile_file.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace emf::corpus {

void UseOffscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString Folder() {
    const QString dir = QStringLiteral(KORVEL_CORPUS_DIR);
    return QDir(dir).exists() ? dir : QString();
}

std::vector<Entry> Entries() {
    std::vector<Entry> out;
    QFile f(Folder() + "/MANIFEST.tsv");
    if (!f.open(QIODevice::ReadOnly)) return out;
    QTextStream in(&f);
    in.readLine(); // column names
    while (!in.atEnd()) {
        const QStringList cols = in.readLine().split('\t');
        if (cols.size() >= 2) out.push_back({cols[0], cols[1]});
    }
    return out;
}

std::optional<EnhMetaFile> Load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray raw = f.readAll();
    std::vector<std::byte> bytes(raw.size());
    std::memcpy(bytes.data(), raw.constData(), bytes.size());
    return ReadMetafileFile(std::move(bytes)).picture;
}

} // namespace emf::corpus
