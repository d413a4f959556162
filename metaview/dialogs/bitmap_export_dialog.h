#pragma once
// "Bitmap Export Options": resolution, size in millimetres with an optional lock to the
// picture's proportions, and the BMP file the picture is drawn into as the view shows it.

#include <QDialog>
#include <QString>

#include <cstdint>
#include <string>

class CEMFData;
class QCheckBox;
class QComboBox;
class QImage;
class QLineEdit;

class CBitmapExportDlg : public QDialog {
    Q_OBJECT
public:
    CBitmapExportDlg(const CEMFData& metafile, QWidget* parent = nullptr);

    std::uint32_t m_nResolution = 75; ///< pixels per inch
    std::uint32_t m_nWidth = 100;     ///< mm
    std::uint32_t m_nHeight = 100;    ///< mm
    bool m_bKeepRatio = false;
    /// The name the save prompt proposes; set by the caller, empty for none.
    QString m_strFileName;

    QComboBox* ResolutionBox() const { return m_resolution; }
    QLineEdit* WidthField() const { return m_width; }
    QLineEdit* HeightField() const { return m_height; }
    QCheckBox* KeepRatioBox() const { return m_keepRatio; }

    /// Reads the fields and writes the picture as a BMP file at path; false with a message
    /// when the size gives no bitmap or the file cannot be written.
    bool RenderToBitmap(const QString& path, std::string& error);
    /// The picture at the fields' size, as the views draw it (play mode, flags, selection).
    QImage RenderImage() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save();
    void accept() override;
    void resolutionEdited(const QString& text);
    void keepRatioClicked(bool checked);
    /// Recomputes one side from the other: the width from the height, or the reverse.
    void fitSide(bool width);
    void readFields();
    /// Width and height in 10 to 1000 mm; otherwise the message, and the field gets the focus.
    bool fieldsInRange();

    const CEMFData& m_data;
    QComboBox* m_resolution;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QCheckBox* m_keepRatio;
};
