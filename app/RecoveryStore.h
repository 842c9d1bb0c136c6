#pragma once

// Recovery copies of modified documents, so that a crash or a killed
// program loses at most the edits since the last copy. Each open document
// gets an id; its copy lives in the user's state folder
// ($XDG_STATE_HOME/Mondrel/recovery, owner-only) as <id>.mdr with a side
// file <id>.info recording the document's own path (empty for an untitled
// one), the time of the copy and the process that wrote it. Copies are
// written atomically (a temporary file renamed over the old copy) and never
// anywhere but in that folder, so the user's own file is never touched.
//
// The frame saves modified documents on a timer, offers List() at start-up,
// and calls Remove() when a document is closed cleanly.

#include <QtCore/QDateTime>
#include <QtCore/QString>

#include <vector>

class CDrawDoc;

struct CRecoveryEntry {
    QString m_strId;
    QString m_strRecoveryFile;  // the copy
    QString m_strDocumentPath;  // the user's file, empty for an untitled document
    QDateTime m_time;           // when the copy was made
};

class CRecoveryStore {
public:
    // The user's recovery folder.
    CRecoveryStore();
    // Another folder (tests).
    explicit CRecoveryStore(const QString& folder);

    static QString DefaultFolder();
    QString Folder() const { return m_strFolder; }

    // A new id for a document opened in this run.
    QString NewId();
    // Writes the copy of doc under id. The document itself is left as it was:
    // its modified flag, its path and its summary do not change.
    bool Save(const QString& id, CDrawDoc& doc, const QString& documentPath, QString* error = nullptr);
    // The copies left behind, newest first; copies that another running
    // designer is still keeping are left out.
    std::vector<CRecoveryEntry> List() const;
    // Loads the copy into doc, which is then marked modified (it still has to
    // be saved to the user's file).
    bool Restore(const CRecoveryEntry& entry, CDrawDoc& doc, QString* error = nullptr) const;
    // Deletes the copy and its side file.
    bool Remove(const QString& id);

private:
    bool EnsureFolder(QString* error);
    static bool IsValidId(const QString& id);
    QString CopyPath(const QString& id) const;
    QString InfoPath(const QString& id) const;

    QString m_strFolder;
    int m_nCounter = 0;
};
