#include "properties/IntroPage.h"

#include "app/MessageBox.h"
#include "document/CalendarGenerator.h"
#include "properties/PhotoList.h"
#include "properties/PictureFiles.h"
#include "properties/PreviewFileDialog.h"

#include <QtCore/QFileInfo>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QVBoxLayout>

namespace {

// How long moving on waits for photos still being read.
constexpr int kReadingWait = 20000;

}  // namespace

CIntroPage::CIntroPage(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    auto* intro = new QLabel(tr("This wizard builds a first design for your calendar: a photo, the months, "
                                "the page background, an optional frame and the arrangement of it all. "
                                "Everything can be changed on the page afterwards."),
                             this);
    intro->setWordWrap(true);
    m_pOnePage = new QRadioButton(tr("&All months on one page"), this);
    m_pPagePerMonth = new QRadioButton(tr("A page for &each month"), this);
    m_pCover = new QCheckBox(tr("Add a &cover page"), this);
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_pOnePage);
    kinds->addButton(m_pPagePerMonth);
    m_pOnePage->setChecked(true);

    // All months on one page: one photo, typed or chosen.
    auto* one = new QWidget(this);
    auto* caption = new QLabel(tr("&Image (Photo):"), one);
    m_pPath = new QLineEdit(one);
    m_pPath->setMinimumWidth(280);
    caption->setBuddy(m_pPath);
    m_pBrowse = new QPushButton(tr("..."), one);
    m_pBrowse->setAutoDefault(false);
    m_pBrowse->setToolTip(tr("Select Image File"));
    m_pBrowse->setFixedWidth(m_pBrowse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 28);
    auto* note = new QLabel(tr("Leave it empty for a calendar without a photo."), one);
    note->setEnabled(false);
    auto* row = new QHBoxLayout;
    row->addWidget(m_pPath, 1);
    row->addWidget(m_pBrowse);
    auto* oneLayout = new QVBoxLayout(one);
    oneLayout->setContentsMargins(0, 0, 0, 0);
    oneLayout->addWidget(caption);
    oneLayout->addLayout(row);
    oneLayout->addWidget(note);
    oneLayout->addStretch(1);

    // A page for each month: a photo for each, in the order of the list.
    auto* many = new QWidget(this);
    auto* photosCaption = new QLabel(tr("&Photos, one for each month in this order:"), many);
    m_pPhotos = new CPhotoList(many);
    photosCaption->setBuddy(m_pPhotos->List());
    auto* cycle = new QLabel(tr("With fewer photos than months they are used again from the first. "
                                "The cover shows the first photo."),
                             many);
    cycle->setWordWrap(true);
    cycle->setEnabled(false);
    auto* manyLayout = new QVBoxLayout(many);
    manyLayout->setContentsMargins(0, 0, 0, 0);
    manyLayout->addWidget(photosCaption);
    manyLayout->addWidget(m_pPhotos, 1);
    manyLayout->addWidget(cycle);

    m_pPhotoChoice = new QStackedWidget(this);
    m_pPhotoChoice->addWidget(one);
    m_pPhotoChoice->addWidget(many);
    m_pDoNotShow = new QCheckBox(tr("Do Not Show this Wizard in Future"), this);

    auto* coverRow = new QHBoxLayout;
    coverRow->addSpacing(24);
    coverRow->addWidget(m_pCover, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(8);
    layout->addWidget(m_pOnePage);
    layout->addWidget(m_pPagePerMonth);
    layout->addLayout(coverRow);
    layout->addSpacing(8);
    layout->addWidget(m_pPhotoChoice, 1);
    layout->addWidget(m_pDoNotShow);
    connect(m_pPagePerMonth, &QRadioButton::toggled, this, &CIntroPage::ShowKind);
    ShowKind();
    connect(m_pBrowse, &QPushButton::clicked, this, &CIntroPage::Browse);
}

QWidget* CIntroPage::FirstControl() const
{
    return m_pPagePerMonth->isChecked() ? static_cast<QWidget*>(m_pPhotos->List()) : m_pPath;
}

void CIntroPage::ShowKind()
{
    const bool wall = m_pPagePerMonth->isChecked();
    m_pCover->setEnabled(wall);
    m_pPhotoChoice->setCurrentIndex(wall ? 1 : 0);
}

void CIntroPage::LoadFrom(const CNewCalendarChoices& choices)
{
    m_pPath->setText(QString::fromStdString(choices.m_strPhotoPath));
    m_strChosenExt = QString::fromStdString(choices.m_strPhotoType);
    (choices.m_bPagePerMonth ? m_pPagePerMonth : m_pOnePage)->setChecked(true);
    m_pCover->setChecked(choices.m_bCover);
    QStringList photos;
    for (const CPhotoFile& photo : choices.m_photos) photos << QString::fromStdString(photo.m_strPath);
    m_pPhotos->SetPhotos(photos);
}

void CIntroPage::StoreTo(CNewCalendarChoices& choices) const
{
    choices.m_bPagePerMonth = m_pPagePerMonth->isChecked();
    choices.m_bCover = choices.m_bPagePerMonth && m_pCover->isChecked();
    choices.m_photos.clear();
    if (choices.m_bPagePerMonth) {
        // The first photo also stands for the calendar's photo where one is
        // named (the summary, the cover).
        for (const QString& path : m_pPhotos->Photos())
            choices.m_photos.push_back({path.toStdString(), LowerExtension(path).toStdString()});
        choices.m_strPhotoPath = choices.m_photos.empty() ? std::string() : choices.m_photos.front().m_strPath;
        choices.m_strPhotoType = choices.m_photos.empty() ? std::string() : choices.m_photos.front().m_strType;
        return;
    }
    const QString path = m_pPath->text().trimmed();
    choices.m_strPhotoPath = path.toStdString();
    // The format follows the path as it stands, typed or chosen; a camera's
    // "IMG_0001.JPG" is a JPEG.
    const QString ext = LowerExtension(path);
    choices.m_strPhotoType = (ext.isEmpty() && !path.isEmpty() ? m_strChosenExt : ext).toStdString();
}

bool CIntroPage::validatePage()
{
    if (m_pPagePerMonth->isChecked()) {
        // The photos were read for their small pictures; one that could not
        // be is named, and the user removes or replaces it. Photos added a
        // moment ago are waited for.
        m_pPhotos->WaitForReading(kReadingWait);
        const QStringList unreadable = m_pPhotos->Unreadable();
        if (!unreadable.isEmpty()) {
            ShowMessage(window(),
                        tr("The picture \"%1\" cannot be read. Remove it from the list of photos, or add "
                           "another in its place.")
                            .arg(QFileInfo(unreadable.first()).fileName()),
                        QMessageBox::Warning);
            m_pPhotos->List()->setFocus(Qt::OtherFocusReason);
            return false;
        }
        return CWizardStep::validatePage();
    }
    const QString path = m_pPath->text().trimmed();
    if (!path.isEmpty() && !QFileInfo(path).isFile()) {
        ShowMessage(window(), tr("The image file \"%1\" cannot be found.").arg(path), QMessageBox::Warning);
        m_pPath->setFocus(Qt::OtherFocusReason);
        m_pPath->selectAll();
        return false;
    }
    // A typed name is decoded before the wizard moves on, as a chosen one is.
    if (!path.isEmpty() && path != m_strCheckedPath) {
        const QString problem = PictureProblem(path, LowerExtension(path).toStdString());
        if (!problem.isEmpty()) {
            ShowMessage(window(), problem, QMessageBox::Warning);
            m_pPath->setFocus(Qt::OtherFocusReason);
            m_pPath->selectAll();
            return false;
        }
        m_strCheckedPath = path;
    }
    return CWizardStep::validatePage();
}

bool CIntroPage::DoNotShow() const
{
    return m_pDoNotShow->isChecked();
}

void CIntroPage::Browse()
{
    const QString current = m_pPath->text().trimmed();
    const QString path = GetOpenFileNameWithPreview(this, FileKind::Picture, tr("Select Image File"), ImageFileFilter(),
                                                    current.isEmpty() ? QStringLiteral("*.jpg") : current);
    if (path.isEmpty()) return;
    // The photo is decoded when it is chosen; one that cannot be read is
    // refused and the page keeps the photo it had.
    if (const QString problem = PictureProblem(path, LowerExtension(path).toStdString()); !problem.isEmpty()) {
        ShowMessage(window(), problem, QMessageBox::Warning);
        return;
    }
    m_strCheckedPath = path;
    m_pPath->setText(path);
    const QString ext = LowerExtension(path);
    if (!ext.isEmpty()) m_strChosenExt = ext;
}
