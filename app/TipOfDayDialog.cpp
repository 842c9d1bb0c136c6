#include "app/TipOfDayDialog.h"

#include "app/AppSettings.h"
#include "app/Artwork.h"
#include "app/MessageBox.h"
#include "objects/Environment.h"

#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <cctype>
#include <ctime>

namespace {

const char* const kSection = "Tip";
const char* const kMissingText = QT_TRANSLATE_NOOP("CTipOfDayDialog", "Tips file does not exist in the prescribed directory");
const char* const kTroubleText = QT_TRANSLATE_NOOP("CTipOfDayDialog", "Trouble reading the tips file");
const char* const kNoTipsText = QT_TRANSLATE_NOOP("CTipOfDayDialog", "The tips file holds no tips.");

// A line longer than this is cut; four bytes per character cover any UTF-8 text.
constexpr qint64 kMaxLineBytes = 4 * CTipOfDayDialog::kMaxTipLength + 1;

// The file's modification time as ctime writes it, without the line end.
std::string TimeStampOf(const QString& path)
{
    const std::time_t t = static_cast<std::time_t>(QFileInfo(path).lastModified().toSecsSinceEpoch());
    const char* text = std::ctime(&t);
    std::string stamp = text ? text : "";
    while (!stamp.empty() && std::isspace(static_cast<unsigned char>(stamp.back()))) stamp.pop_back();
    return stamp;
}

bool IsTipLine(const QString& line)
{
    if (line.isEmpty()) return false;
    const QChar c = line.front();
    return c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r') &&
           c != QLatin1Char(';');
}

}  // namespace

CTipOfDayDialog::CTipOfDayDialog(const QString& tipsPath, QWidget* parent)
    : QDialog(parent), m_strPath(tipsPath), m_pStore(Environment().m_settings)
{
    setWindowTitle(tr("Tip of the Day"));

    // The white panel: the light bulb, the heading and the tip.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("tipPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QColor(0x22, 0x2b, 0x36));
    panel->setPalette(white);

    auto* bulb = new QLabel(panel);
    bulb->setPixmap(LightBulbPicture());
    bulb->setFixedSize(48, 48);
    auto* heading = new QLabel(tr("Did you know..."), panel);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.45);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    QPalette grey = rule->palette();
    grey.setColor(QPalette::WindowText, QColor(0xd5, 0xdb, 0xe2));
    rule->setPalette(grey);

    m_pTipLabel = new QLabel(panel);
    m_pTipLabel->setObjectName(QStringLiteral("tipText"));
    m_pTipLabel->setWordWrap(true);
    m_pTipLabel->setTextFormat(Qt::PlainText);
    m_pTipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pTipLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pTipLabel->setMinimumHeight(110);
    QFont tipFont = m_pTipLabel->font();
    tipFont.setPointSizeF(tipFont.pointSizeF() * 1.1);
    m_pTipLabel->setFont(tipFont);

    auto* headRow = new QHBoxLayout;
    headRow->setSpacing(12);
    headRow->addWidget(bulb, 0, Qt::AlignVCenter);
    headRow->addWidget(heading, 1, Qt::AlignVCenter);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(16, 14, 18, 16);
    panelLayout->setSpacing(10);
    panelLayout->addLayout(headRow);
    panelLayout->addWidget(rule);
    auto* textRow = new QHBoxLayout;
    textRow->addSpacing(60);
    textRow->addWidget(m_pTipLabel, 1);
    panelLayout->addLayout(textRow, 1);

    m_pStartupCheck = new QCheckBox(tr("&Show Tips on StartUp"), this);
    m_pNextButton = new QPushButton(tr("&Next Tip"), this);
    m_pNextButton->setObjectName(QStringLiteral("nextTip"));
    auto* closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName(QStringLiteral("closeTip"));
    closeButton->setDefault(true);
    connect(m_pNextButton, &QPushButton::clicked, this, &CTipOfDayDialog::NextTip);
    connect(closeButton, &QPushButton::clicked, this, &CTipOfDayDialog::accept);
    connect(m_pStartupCheck, &QCheckBox::toggled, this, [this](bool on) { m_bShowAtStartup = on; });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pStartupCheck);
    buttons->addStretch(1);
    buttons->addWidget(m_pNextButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
    setMinimumWidth(500);

    m_bShowAtStartup = CAppSettings::ShowTipAtStartup(*m_pStore);
    m_pStartupCheck->setChecked(m_bShowAtStartup);
    OpenTips();
    Refresh();
}

CTipOfDayDialog::~CTipOfDayDialog()
{
    CloseTips();
}

void CTipOfDayDialog::OpenTips()
{
    qint64 offset = m_pStore->GetProfileInt(kSection, "FilePos", 0);
    auto file = std::make_unique<QFile>(m_strPath);
    if (!QFileInfo(m_strPath).isFile() || !file->open(QIODevice::ReadOnly)) {
        m_strTip = tr(kMissingText);
        return;
    }
    m_pFile = std::move(file);
    // A replaced file starts again from its first tip.
    const std::string stamp = TimeStampOf(m_strPath);
    if (stamp != m_pStore->GetProfileString(kSection, "TimeStamp", "")) {
        offset = 0;
        m_pStore->WriteProfileString(kSection, "TimeStamp", stamp);
    }
    if (offset < 0 || !m_pFile->seek(offset)) {
        ShowMessage(parentWidget(), tr(kTroubleText));
        // The dialog still opens, with the first tip rather than none.
        if (!m_pFile->seek(0)) return;
    }
    ReadNextTip();
}

bool CTipOfDayDialog::ReadLine(QString* line)
{
    if (m_pFile->atEnd()) return false;
    QByteArray bytes = m_pFile->readLine(kMaxLineBytes);
    if (bytes.isEmpty()) return false;
    // The rest of an overlong line belongs to no tip.
    if (!bytes.endsWith('\n')) {
        while (!m_pFile->atEnd()) {
            const QByteArray rest = m_pFile->readLine(kMaxLineBytes);
            if (rest.isEmpty() || rest.endsWith('\n')) break;
        }
        bytes.append('\n');
    }
    *line = QString::fromUtf8(bytes);
    if (line->size() > kMaxTipLength + 1) *line = line->left(kMaxTipLength) + QLatin1Char('\n');
    return true;
}

void CTipOfDayDialog::ReadNextTip()
{
    if (!m_pFile) return;
    // Reaching the end twice in one search means there is no tip anywhere:
    // the search stops instead of going round for ever.
    int wraps = 0;
    QString line;
    for (;;) {
        if (!ReadLine(&line)) {
            if (++wraps > 1) {
                m_bNoTips = true;
                m_strTip = tr(kNoTipsText);
                return;
            }
            if (!m_pFile->seek(0)) {
                ShowMessage(this, tr(kTroubleText));
                return;
            }
            continue;
        }
        if (IsTipLine(line)) {
            m_strTip = line;
            return;
        }
    }
}

void CTipOfDayDialog::NextTip()
{
    ReadNextTip();
    Refresh();
}

void CTipOfDayDialog::Refresh()
{
    m_pTipLabel->setText(TipText());
    m_pNextButton->setEnabled(CanShowNext());
}

QString CTipOfDayDialog::TipText() const
{
    QString text = m_strTip;
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
    return text;
}

bool CTipOfDayDialog::CanShowNext() const
{
    return m_pFile != nullptr && !m_bNoTips;
}

void CTipOfDayDialog::accept()
{
    CAppSettings::SetShowTipAtStartup(*m_pStore, m_bShowAtStartup);
    QDialog::accept();
}

void CTipOfDayDialog::done(int result)
{
    CloseTips();
    QDialog::done(result);
}

void CTipOfDayDialog::CloseTips()
{
    if (!m_pFile) return;
    m_pStore->WriteProfileInt(kSection, "FilePos", static_cast<int>(m_pFile->pos()));
    m_pFile.reset();
}
