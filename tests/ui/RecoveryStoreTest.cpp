#include "support/QtTestRegistry.h"

#include "app/RecoveryStore.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

class RecoveryStoreTest : public QObject {
    Q_OBJECT

    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void saveListRestoreRemove()
    {
        QTemporaryDir dir;
        CRecoveryStore store(dir.filePath("state/Mondrel/recovery"));
        const QString userFile = dir.filePath("mine.mdr");
        {
            CDrawDoc original;
            original.Add(new CDrawRect(CRect(10, -20, 110, 80)));
            QVERIFY(original.OnSaveDocument(userFile.toStdString()));
        }
        const QByteArray userBytes = Bytes(userFile);

        CDrawDoc doc;
        QVERIFY(doc.OnOpenDocument(userFile.toStdString()));
        doc.Add(new CDrawRect(CRect(-300, 200, -100, 400), CDrawRect::kindEllipse));
        doc.SetModifiedFlag(true);
        CDrawDoc untitled;
        untitled.Add(new CDrawRect(CRect(0, 0, 50, 50)));
        untitled.SetModifiedFlag(true);

        const QString id = store.NewId();
        const QString other = store.NewId();
        QVERIFY(id != other);
        QString error;
        QVERIFY2(store.Save(id, doc, userFile, &error), qPrintable(error));
        QVERIFY(store.Save(other, untitled, QString(), &error));
        // A second save replaces the copy.
        QVERIFY(store.Save(id, doc, userFile, &error));

        // The document is still unsaved and the user's file untouched.
        QVERIFY(doc.IsModified());
        QCOMPARE(Bytes(userFile), userBytes);
        QCOMPARE(QFileInfo(store.Folder()).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther),
                 QFile::Permissions());

        const std::vector<CRecoveryEntry> entries = store.List();
        QCOMPARE(entries.size(), std::size_t(2));
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const CRecoveryEntry& e) { return e.m_strId == id; });
        QVERIFY(it != entries.end());
        QCOMPARE(it->m_strDocumentPath, userFile);
        QVERIFY(it->m_time.isValid());
        QVERIFY(it->m_strRecoveryFile.startsWith(store.Folder()));

        CDrawDoc restored;
        QVERIFY2(store.Restore(*it, restored, &error), qPrintable(error));
        QVERIFY(restored.IsModified());
        QCOMPARE(restored.GetObjects()->size(), std::size_t(2));
        QCOMPARE(restored.GetObjects()->back()->m_position, CRect(-300, 200, -100, 400));

        QVERIFY(store.Remove(id));
        const std::vector<CRecoveryEntry> left = store.List();
        QCOMPARE(left.size(), std::size_t(1));
        QCOMPARE(left.front().m_strId, other);
        QVERIFY(left.front().m_strDocumentPath.isEmpty());
        QVERIFY(store.Remove(other));
        QVERIFY(store.List().empty());
        QCOMPARE(QDir(store.Folder()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    void idsNeverLeaveTheFolder()
    {
        QTemporaryDir dir;
        CRecoveryStore store(dir.filePath("recovery"));
        CDrawDoc doc;
        for (const char* bad : {"../mine", "", "a/b", "x.mdr"}) QVERIFY(!store.Save(QString::fromLatin1(bad), doc, QString()));
        QVERIFY(!QFile::exists(dir.filePath("mine.mdr")));
        QVERIFY(!store.Remove(QStringLiteral("../mine")));
    }

    void copyWithoutSideFileIsOffered()
    {
        QTemporaryDir dir;
        CRecoveryStore store(dir.filePath("recovery"));
        CDrawDoc doc;
        doc.Add(new CDrawRect(CRect(0, 0, 10, 10)));
        const QString id = store.NewId();
        QVERIFY(store.Save(id, doc, QStringLiteral("/somewhere/else.mdr")));
        QVERIFY(QFile::remove(store.Folder() + "/" + id + ".info"));
        // Stray files of other kinds are not entries.
        QFile stray(store.Folder() + "/notes.txt");
        stray.open(QIODevice::WriteOnly);
        const std::vector<CRecoveryEntry> entries = store.List();
        QCOMPARE(entries.size(), std::size_t(1));
        QVERIFY(entries.front().m_strDocumentPath.isEmpty());
        QVERIFY(entries.front().m_time.isValid());
    }

    void defaultFolderIsTheUsersStateFolder()
    {
        QCOMPARE(CRecoveryStore::DefaultFolder(), qEnvironmentVariable("XDG_STATE_HOME") + "/Mondrel/recovery");
    }
};

MONDREL_QT_TEST(RecoveryStoreTest)
#include "RecoveryStoreTest.moc"
