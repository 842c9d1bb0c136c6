#pragma once

// "Select Folder to Install into...": a folder browser whose edit box
// "Current Folder is:" always shows the folder open in it. Select checks
// the folder (no doubled separator), offers to make a folder that does not
// exist, and gives the folder with one trailing separator.

#include <QtWidgets/QDialog>

class QFileSystemModel;
class QLineEdit;
class QListView;
class QPushButton;

class CSelectFolderDialog : public QDialog {
    Q_OBJECT
public:
    // Opens at start, or at its nearest existing parent.
    CSelectFolderDialog(QWidget* parent, const QString& start);

    // The chosen folder, ending with "/", once the dialog closed with OK.
    const QString& Folder() const { return m_strFolder; }
    const QString& CurrentFolder() const { return m_strCurrent; }
    void SetCurrentFolder(const QString& folder);

    // What the Select button does; true when the dialog was closed with OK.
    bool Select();

    QLineEdit* FolderEdit() const { return m_pEdit; }
    QPushButton* SelectButton() const { return m_pSelect; }

private:
    QFileSystemModel* m_pModel;
    QListView* m_pList;
    QLineEdit* m_pEdit;
    QPushButton* m_pSelect;
    QString m_strCurrent;
    QString m_strFolder;
};
