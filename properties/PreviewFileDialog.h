#pragma once

// The designer's open and save dialog for pictures and documents: Qt's own
// file dialog (not the desktop's, so panes can be added) with a bar of
// places on the left and a picture preview on the right. Callers mostly use
// the two functions below. Filters are written with bars as the classic
// filter strings are ("JPEG Files (*.jpg)|*.jpg;*.jpeg|All Files (*.*)|*.*||").

#include "properties/StartFolder.h"

#include <QtCore/QString>
#include <QtWidgets/QFileDialog>

class CPlacesBar;
class CPreviewPane;
class QCheckBox;

class CPreviewFileDialog : public QFileDialog {
    Q_OBJECT
public:
    // initialPath names a file to select, or a pattern ("*.jpg") that
    // filters the folder's files; without a folder of its own it stands in
    // the folder where documents start (StartFolder.h).
    CPreviewFileDialog(bool open, bool preview, const QString& title, const QString& filter,
                       const QString& initialPath, QWidget* parent = nullptr);

    bool IsOpenDialog() const { return m_bOpen; }
    bool PreviewOn() const;
    void SetPreviewOn(bool on);
    // The file previewed, empty for none.
    QString PreviewPath() const;

    CPreviewPane* Pane() const { return m_pPane; }
    CPlacesBar* Places() const { return m_pPlaces; }
    QCheckBox* PreviewCheck() const { return m_pShowPreview; }

    // Selects a file in the dialog and previews it.
    void SelectAndPreview(const QString& path);
    // The chosen file, or an empty string.
    QString ChosenPath() const;

public slots:
    void accept() override;

private:
    void SelectionChanged(const QString& path);

    bool m_bOpen;
    CPreviewPane* m_pPane = nullptr;
    CPlacesBar* m_pPlaces = nullptr;
    QCheckBox* m_pShowPreview = nullptr;
};

// The chosen path, or an empty string on Cancel. The current directory is
// kept as it was. Given a kind, the dialog starts where files of that kind
// start (StartPath) and remembers the folder of the file chosen.
QString GetOpenFileNameWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                                   const QString& current = QString(), bool preview = true);
QString GetSaveFileNameWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                                   const QString& current = QString(), bool preview = true);
QString GetOpenFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath = QString(), bool preview = true);
// Several existing files chosen together (in the order the dialog gives
// them), or a folder; empty on Cancel.
QStringList GetOpenFileNamesWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                                        const QString& current = QString());
QString GetFolderWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                             const QString& current = QString());
QString GetSaveFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath = QString(), bool preview = true);
// The initial path of a dialog that picks one of the user's own files (a
// holiday file): the folder of the file picked before, when it is still
// there, else the home folder, never the program folder.
QString UserFileFolder(const QString& previousFile);
// Qt's filter string ("JPEG Files (*.jpg *.jpeg);;All Files (*)") from a
// classic one.
QString QtFilterFromClassic(const QString& filter);
// The filter of every dialog that picks a photo or a background picture.
QString ImageFileFilter();
// The extension of a file name in lower case without the dot ("JPG" from a
// camera becomes "jpg"); empty when the name has none.
QString LowerExtension(const QString& path);
