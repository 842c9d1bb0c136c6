#include "setup/SelectFolderDialog.h"

#include "setup/SetupMessage.h"
#include "setup/SetupPaths.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtGui/QFileSystemModel>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

CSelectFolderDialog::CSelectFolderDialog(QWidget* parent, const QString& start) : QDialog(parent)
{
    setWindowTitle(tr("Select Folder to Install into..."));

    auto* up = new QToolButton(this);
    up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    up->setToolTip(tr("Up One Level"));
    auto* home = new QToolButton(this);
    home->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    home->setToolTip(tr("Home Folder"));
    auto* tools = new QHBoxLayout;
    tools->addStretch(1);
    tools->addWidget(up);
    tools->addWidget(home);

    // Only folders are listed: the dialog chooses where to install, not a file.
    m_pModel = new QFileSystemModel(this);
    m_pModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_pModel->setRootPath(QStringLiteral("/"));
    m_pList = new QListView(this);
    m_pList->setModel(m_pModel);
    m_pList->setMinimumSize(380, 220);

    auto* label = new QLabel(tr("Current Folder is:"), this);
    m_pEdit = new QLineEdit(this);
    m_pEdit->setObjectName(QStringLiteral("currentFolder"));
    label->setBuddy(m_pEdit);

    m_pSelect = new QPushButton(tr("Select"), this);
    m_pSelect->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pSelect);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_pList, 1);
    layout->addWidget(label);
    layout->addWidget(m_pEdit);
    layout->addLayout(buttons);

    connect(m_pList, &QListView::activated, this,
            [this](const QModelIndex& index) { SetCurrentFolder(m_pModel->filePath(index)); });
    connect(up, &QToolButton::clicked, this, [this] {
        QDir dir(m_strCurrent);
        if (dir.cdUp()) SetCurrentFolder(dir.absolutePath());
    });
    connect(home, &QToolButton::clicked, this, [this] { SetCurrentFolder(QString::fromStdString(HomeFolder())); });
    connect(m_pSelect, &QPushButton::clicked, this, &CSelectFolderDialog::Select);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The typed folder may not exist yet: open its nearest existing parent.
    QString folder = QString::fromStdString(ExpandHome(start.toStdString()));
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parentFolder = QFileInfo(folder).absolutePath();
        if (parentFolder == folder) break;
        folder = parentFolder;
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QString::fromStdString(HomeFolder());
    SetCurrentFolder(folder);
}

void CSelectFolderDialog::SetCurrentFolder(const QString& folder)
{
    m_strCurrent = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_pList->setRootIndex(m_pModel->index(m_strCurrent));
    m_pEdit->setText(m_strCurrent);
}

bool CSelectFolderDialog::Select()
{
    QString folder = m_pEdit->text();
    if (folder.isEmpty()) folder = m_strCurrent;
    if (folder.contains(QLatin1String("//")) || folder.contains(QLatin1String("\\\\"))) {
        ShowSetupMessage(this, tr("Invalid Folder"), QMessageBox::Critical);
        return false;
    }
    folder = QString::fromStdString(ExpandHome(folder.toStdString()));
    if (QDir::isRelativePath(folder)) folder = QDir(m_strCurrent).filePath(folder);
    // One trailing separator goes; the root folder stays what it is.
    if (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
    if (!QFileInfo(folder).isDir()) {
        const auto answer =
            ShowSetupMessage(this, folder + "\n\n" + tr("This path does not exist. Do you want to create it?"),
                             QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) return false;
        QDir().mkpath(folder);
        if (!QFileInfo(folder).isDir()) {
            ShowSetupMessage(this, tr("Could not create folder:") + "\n" + folder, QMessageBox::Critical);
            return false;
        }
    }
    m_strFolder = folder == "/" ? folder : folder + "/";
    accept();
    return true;
}
