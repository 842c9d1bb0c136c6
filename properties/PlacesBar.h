#pragma once

// The bar of places on the left of the file dialog: the home folder, the
// documents, pictures and desktop folders, and the folders used recently.
// The button of the folder the dialog is in is shown pressed.

#include <QtWidgets/QWidget>

class QButtonGroup;
class QToolButton;

class CPlacesBar : public QWidget {
    Q_OBJECT
public:
    explicit CPlacesBar(QWidget* parent = nullptr);

    // Presses the button of the folder shown (or none).
    void SetCurrentFolder(const QString& folder);
    QString CurrentPlace() const;
    // The folders of the four fixed places, in the order of their buttons.
    QStringList PlaceFolders() const;

    // Folders files were recently chosen in, newest first, kept in the
    // settings.
    static QStringList RecentFolders();
    static void NoteRecentFolder(const QString& folder);

signals:
    void FolderChosen(const QString& folder);

private:
    void ShowRecent();

    QButtonGroup* m_pGroup;
    QToolButton* m_pRecent;
    QStringList m_folders;
};
