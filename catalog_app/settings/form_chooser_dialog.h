#pragma once

#include "catalog_app/settings/installed_forms.h"

#include <QDialog>

class CFormSettings;
class QListWidget;

/// "Installed print forms": the forms that come with the program, each with a small
/// picture, its name and size; the one made for the media type is selected first.
class CFormChooserDialog : public QDialog {
    Q_OBJECT
public:
    CFormChooserDialog(const std::vector<InstalledForm>& forms, int mediaType,
                       const CFormSettings& settings, QWidget* parent = nullptr);

    /// The chosen form's path; empty when none is selected.
    QString SelectedPath() const;
    QListWidget* List() const { return m_pList; }

private:
    QListWidget* m_pList;
};

/// The file name prefix of the forms made for a media type ("cd_", "mc_", ...).
QString FormPrefixOf(int mediaType);
