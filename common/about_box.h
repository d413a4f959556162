#pragma once
// The About dialog both programs show: their version numbers over their own picture.

#include <QDialog>

#include <span>

class QLabel;
class CFileVersionInfo;

/// The running program's About picture (an EMF); each program embeds its own
/// (see korvel_about_picture in common/CMakeLists.txt).
std::span<const std::byte> AboutPicture();

class CAboutBox : public QDialog {
    Q_OBJECT
public:
    /// textFormat holds %1..%8 for the eight version numbers.
    CAboutBox(const QString& caption, const QString& textFormat, QWidget* parent = nullptr);

    /// The About text with the file and product version numbers of info, each half split
    /// into its high and low 16 bits (65535 each when the program has no version record).
    static QString FormatText(const QString& textFormat, const CFileVersionInfo& info);

    QString Text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_text;
};
