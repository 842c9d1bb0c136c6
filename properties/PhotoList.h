#pragma once

// The photos of a wall calendar as the wizard's first step lists them, one
// for each month in the order shown, each with a small picture. The small
// pictures are made on the worker threads at the size of the list, so a
// camera photo is never decoded whole here and the list stays responsive
// while twelve of them are read.

#include <QtWidgets/QWidget>

class QListWidget;
class QListWidgetItem;
class QPushButton;

class CPhotoList : public QWidget {
    Q_OBJECT
public:
    explicit CPhotoList(QWidget* parent = nullptr);

    // Adds the files at the end, in the order given.
    void AddPhotos(const QStringList& paths);
    void SetPhotos(const QStringList& paths);
    QStringList Photos() const;
    // The photos found not to be pictures the program can read.
    QStringList Unreadable() const;
    // Whether a small picture is still being made.
    bool Reading() const;
    // Waits (the window taking no input) until every photo has been read,
    // at most msecs; true when all were.
    bool WaitForReading(int msecs);

    // The pictures of a folder (by extension, not its subfolders), in the
    // order of their names as a person reads them ("2" before "10").
    static QStringList FolderPictures(const QString& folder);

    QListWidget* List() const { return m_pList; }
    QPushButton* AddButton() const { return m_pAdd; }
    QPushButton* FolderButton() const { return m_pFolder; }
    QPushButton* RemoveButton() const { return m_pRemove; }
    QPushButton* UpButton() const { return m_pUp; }
    QPushButton* DownButton() const { return m_pDown; }

signals:
    void Changed();
    // The last photo waited for has been read.
    void ReadingDone();

private:
    void Browse();
    void BrowseFolder();
    void RemoveSelected();
    void MoveSelected(int by);
    void Renumber();
    void UpdateButtons();
    void Shown(int id, const QImage& picture, bool readable);
    QListWidgetItem* ItemOf(int id) const;
    QString StartFolder() const;

    QListWidget* m_pList;
    QPushButton* m_pAdd;
    QPushButton* m_pFolder;
    QPushButton* m_pRemove;
    QPushButton* m_pUp;
    QPushButton* m_pDown;
    int m_nNextId = 0;
    int m_nReading = 0;
};
