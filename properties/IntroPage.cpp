#include "properties/IntroPage.h"

#include "app/MessageBox.h"
#include "document/CalendarGenerator.h"
#include "properties/PictureFiles.h"
#include "properties/PreviewFileDialog.h"

#include <QtCore/QFileInfo>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

CIntroPage::CIntroPage(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    auto* intro = new QLabel(tr("This wizard builds a first design for your calendar: a photo, the months, "
                                "the page background, an optional frame and the arrangement of it all. "
                                "Everything can be changed on the page afterwards."),
                             this);
    intro->setWordWrap(true);
    auto* caption = new QLabel(tr("&Image (Photo):"), this);
    m_pPath = new QLineEdit(this);
    m_pPath->setMinimumWidth(280);
    caption->setBuddy(m_pPath);
    m_pBrowse = new QPushButton(tr("..."), this);
    m_pBrowse->setAutoDefault(false);
    m_pBrowse->setToolTip(tr("Select Image File"));
    m_pBrowse->setFixedWidth(m_pBrowse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 28);
    auto* note = new QLabel(tr("Leave it empty for a calendar without a photo."), this);
    note->setEnabled(false);
    m_pDoNotShow = new QCheckBox(tr("Do Not Show this Wizard in Future"), this);

    auto* row = new QHBoxLayout;
    row->addWidget(m_pPath, 1);
    row->addWidget(m_pBrowse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(16);
    layout->addWidget(caption);
    layout->addLayout(row);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addWidget(m_pDoNotShow);
    connect(m_pBrowse, &QPushButton::clicked, this, &CIntroPage::Browse);
}

QWidget* CIntroPage::FirstControl() const
{
    return m_pPath;
}

void CIntroPage::LoadFrom(const CNewCalendarChoices& choices)
{
    m_pPath->setText(QString::fromStdString(choices.m_strPhotoPath));
    m_strChosenExt = QString::fromStdString(choices.m_strPhotoType);
}

void CIntroPage::StoreTo(CNewCalendarChoices& choices) const
{
    const QString path = m_pPath->text().trimmed();
    choices.m_strPhotoPath = path.toStdString();
    // The format follows the path as it stands, typed or chosen; a camera's
    // "IMG_0001.JPG" is a JPEG.
    const QString ext = LowerExtension(path);
    choices.m_strPhotoType = (ext.isEmpty() && !path.isEmpty() ? m_strChosenExt : ext).toStdString();
}

bool CIntroPage::validatePage()
{
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
