#pragma once
// The print forms that come with the program, and pictures of forms for the settings pages.

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

class CCatalogue;
class CFormSettings;
class CMedia;

/// A form of the forms folder: its file, the name its header gives it, its size.
struct InstalledForm {
    QString path;
    QString name;
    double width = 0, height = 0; ///< mm, from the frame
};

/// The forms folder beside the build's program, then the installed one.
QStringList DefaultFormFolders();

/// The *.emf files of the first folder that has any, sorted by file name; files that do not
/// open as enhanced metafiles are left out.
std::vector<InstalledForm> InstalledForms(const QStringList& folders = DefaultFormFolders());

/// "120 x 120 mm" from a frame size in mm.
QString FormSizeText(double width, double height);

/// The form at path drawn to fit within size pixels, at its own proportions on white, filled
/// with the medium's data when one is given (as it prints, clipped by the settings) and
/// showing its placeholders otherwise. A null image when the file does not open as a form.
QImage DrawFormPicture(const QString& path, QSize size, const CFormSettings& settings,
                       CCatalogue* catalogue = nullptr, const CMedia* medium = nullptr);

/// The form's size in mm from its frame; false when it does not open or has no header.
bool ReadFormSize(const QString& path, double& width, double& height);
