#include "setup/WizardSheet.h"

#include "setup/Installer.h"
#include "setup/SetupMessage.h"
#include "setup/SetupPaths.h"
#include "setup/WizardPage.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QVBoxLayout>

namespace {

// The wizard's picture: a wall calendar on a sky. Screens of more than 7
// bits per pixel get the shaded one, others a flat one in few colours.
QPixmap MakeWatermark(bool fullColour)
{
    const int w = 164, h = 314;
    QPixmap pixmap(w, h);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, fullColour);
    if (fullColour) {
        QLinearGradient sky(0, 0, 0, h);
        sky.setColorAt(0, QColor(38, 92, 160));
        sky.setColorAt(1, QColor(150, 206, 240));
        p.fillRect(0, 0, w, h, sky);
    } else {
        p.fillRect(0, 0, w, h, QColor(0, 0, 128));
    }
    // The sheet of the calendar with its photo and its grid of days.
    const QRect sheet(22, 60, 120, 170);
    p.setPen(Qt::NoPen);
    if (fullColour) p.fillRect(sheet.translated(4, 5), QColor(0, 0, 0, 70));
    p.fillRect(sheet, Qt::white);
    const QRect photo(sheet.left() + 8, sheet.top() + 12, sheet.width() - 16, 62);
    p.fillRect(photo, fullColour ? QColor(255, 196, 92) : QColor(255, 255, 0));
    QPolygon hills;
    hills << QPoint(photo.left(), photo.bottom()) << QPoint(photo.left() + 30, photo.top() + 30)
          << QPoint(photo.left() + 55, photo.top() + 44) << QPoint(photo.left() + 80, photo.top() + 22)
          << QPoint(photo.right(), photo.top() + 40) << QPoint(photo.right(), photo.bottom());
    p.setBrush(fullColour ? QColor(60, 140, 70) : QColor(0, 128, 0));
    p.drawPolygon(hills);
    p.setBrush(fullColour ? QColor(200, 40, 40) : QColor(255, 0, 0));
    p.drawRect(sheet.left() + 8, photo.bottom() + 8, sheet.width() - 16, 12);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 7; ++col) {
            const bool sunday = col == 0;
            p.setBrush(sunday ? QColor(200, 40, 40) : QColor(90, 90, 90));
            p.drawRect(sheet.left() + 11 + col * 15, photo.bottom() + 28 + row * 13, 8, 6);
        }
    }
    // Rings that hold the sheet.
    p.setBrush(QColor(60, 60, 60));
    for (int i = 0; i < 4; ++i) p.drawRoundedRect(sheet.left() + 18 + i * 26, sheet.top() - 6, 6, 14, 3, 3);
    p.end();
    return pixmap;
}

}  // namespace

CWizardSheet::CWizardSheet(const QString& sourceFolder, bool system, QWidget* parent)
    : QDialog(parent), m_strSourceFolder(sourceFolder), m_bSystem(system),
      m_strDestination(QString::fromStdString(DefaultDestination(system)))
{
    setWindowTitle(tr("Setup Wizard"));
    m_bLongNames = LongNamesSupported();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool fullColour = !screen || screen->depth() > 7;
    m_pWatermark = new QLabel(this);
    m_pWatermark->setPixmap(MakeWatermark(fullColour));
    m_pWatermark->setAlignment(Qt::AlignTop);

    m_pStack = new QStackedWidget(this);
    m_pStack->setMinimumWidth(400);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_pWatermark);
    top->addWidget(m_pStack, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_pBack = new QPushButton(tr("< &Back"), this);
    m_pNext = new QPushButton(tr("&Next >"), this);
    m_pFinish = new QPushButton(tr("Finish"), this);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    m_pHelp = new QPushButton(tr("Help"), this);
    for (QPushButton* b : {m_pBack, m_pNext, m_pFinish, m_pCancel, m_pHelp}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pBack);
    buttons->addWidget(m_pNext);
    buttons->addWidget(m_pFinish);
    buttons->addSpacing(8);
    buttons->addWidget(m_pCancel);
    buttons->addWidget(m_pHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);

    connect(m_pBack, &QPushButton::clicked, this, &CWizardSheet::OnBack);
    connect(m_pNext, &QPushButton::clicked, this, &CWizardSheet::OnNext);
    connect(m_pFinish, &QPushButton::clicked, this, &CWizardSheet::OnFinish);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pHelp, &QPushButton::clicked, this, &CWizardSheet::OnHelp);
    SetWizardButtons(0);
}

void CWizardSheet::AddPage(CWizardPage* page)
{
    m_pages.push_back(page);
    m_pStack->addWidget(page);
    if (m_nActive < 0) SetActivePage(0);
}

CWizardPage* CWizardSheet::ActivePage() const
{
    return m_nActive >= 0 ? m_pages[static_cast<std::size_t>(m_nActive)] : nullptr;
}

void CWizardSheet::SetActivePage(int index)
{
    if (index < 0 || index >= static_cast<int>(m_pages.size())) return;
    m_nActive = index;
    CWizardPage* page = ActivePage();
    m_pStack->setCurrentWidget(page);
    m_pHelp->setEnabled(page->HasHelp());
    page->OnSetActive();
}

void CWizardSheet::SetWizardButtons(int buttons)
{
    m_pBack->setEnabled(buttons & kBack);
    m_pNext->setEnabled(buttons & kNext);
    m_pFinish->setEnabled(buttons & kFinish);
    // Finish takes the place of Next, as on the last page of any wizard.
    m_pNext->setVisible(!(buttons & kFinish));
    m_pFinish->setVisible(buttons & kFinish);
    QPushButton* def = (buttons & kFinish) ? m_pFinish : m_pNext;
    def->setDefault(true);
}

void CWizardSheet::OnBack()
{
    if (m_nActive > 0) SetActivePage(m_nActive - 1);
}

void CWizardSheet::OnNext()
{
    CWizardPage* page = ActivePage();
    if (!page || !page->OnWizardNext()) return;
    SetActivePage(m_nActive + 1);
}

void CWizardSheet::OnFinish()
{
    CWizardPage* page = ActivePage();
    if (page && page->OnWizardFinish()) accept();
}

void CWizardSheet::OnHelp()
{
    if (CWizardPage* page = ActivePage()) page->OnHelp();
}

bool CWizardSheet::RunInstallation()
{
    // The typed folder is checked here and made by the installation once it
    // has read its script: a setup folder without one leaves nothing behind.
    std::string destination, error;
    if (!CheckDestination(m_strDestination.toStdString(), &destination, &error)) {
        ShowSetupMessage(this, QString::fromStdString(error), QMessageBox::Critical);
        return false;
    }
    if (!m_bLongNames) destination = ShortPathName(destination);
    CInstallRequest request;
    request.m_strSourceFolder = m_strSourceFolder;
    request.m_strDestination = QString::fromStdString(destination);
    request.m_bSystem = m_bSystem;
    request.m_bEnterDestination = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CInstallReport report = CInstaller::Install(request);
    QApplication::restoreOverrideCursor();
    if (!report.m_bOk) {
        ShowSetupMessage(this, tr("Installation script did not complete successfully!") + "\n\n" + report.Text(),
                         QMessageBox::Critical, QMessageBox::Ok, tr("Product Sample Install Error"));
        return false;
    }
    raise();
    activateWindow();
    QString text = SetupSucceededText();
    if (!report.m_warnings.isEmpty()) text += "\n\n" + report.m_warnings.join('\n');
    ShowSetupMessage(this, text, QMessageBox::Information);
    return true;
}
