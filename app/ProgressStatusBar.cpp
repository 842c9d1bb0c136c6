#include "app/ProgressStatusBar.h"

#include "app/Artwork.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTimer>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QProgressBar>

#include <optional>

namespace {

const char* const kIndicatorTexts[3] = {"CAP", "NUM", "SCRL"};
const char* const kLedNames[3] = {"capslock", "numlock", "scrolllock"};

// The lock state as the kernel's keyboard lights show it; nothing when this
// machine has no such light (a remote or virtual display).
std::optional<bool> LockState(int index)
{
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList names = leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::optional<bool> state;
    for (const QString& name : names) {
        if (!name.endsWith(QLatin1String("::") + QLatin1String(kLedNames[index]))) continue;
        QFile file(leds.filePath(name) + QStringLiteral("/brightness"));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const bool on = file.readAll().trimmed().toInt() > 0;
        state = state.value_or(false) || on;
    }
    return state;
}

// The pane that shows picture 113 or 114 stretched over itself.
class CBitmapPane : public QWidget {
public:
    explicit CBitmapPane(const int* which, QWidget* parent) : QWidget(parent), m_pWhich(which) { setFixedSize(24, 16); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), StatusPanePicture(*m_pWhich));
    }

private:
    const int* m_pWhich;
};

}  // namespace

CProgressStatusBar::CProgressStatusBar(QWidget* parent) : QStatusBar(parent)
{
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromLatin1(kIndicatorTexts[i]), this);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        m_pIndicators[i] = label;
        addPermanentWidget(label);
    }
    m_pBitmapPane = new CBitmapPane(&m_nBitmap, this);
    addPermanentWidget(m_pBitmapPane);
    UpdateIndicators();
    // The lock keys do not reach the program while another one has the
    // focus, so the lights are read again now and then.
    m_pIndicatorTimer = new QTimer(this);
    m_pIndicatorTimer->setInterval(1000);
    connect(m_pIndicatorTimer, &QTimer::timeout, this, &CProgressStatusBar::UpdateIndicators);
    m_pIndicatorTimer->start();
    qApp->installEventFilter(this);
}

void CProgressStatusBar::UpdateIndicators()
{
    for (int i = 0; i < 3; ++i) {
        const std::optional<bool> on = LockState(i);
        // An unknown state shows greyed, as does a lock that is off.
        m_pIndicators[i]->setEnabled(on.value_or(false));
        m_pIndicators[i]->setToolTip(on ? QString() : tr("The lock state cannot be read on this display"));
    }
}

bool CProgressStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            QTimer::singleShot(50, this, &CProgressStatusBar::UpdateIndicators);
    }
    return QStatusBar::eventFilter(watched, event);
}

void CProgressStatusBar::BeginProgress(const QString& text, int low, int high)
{
    if (!m_pProgress) {
        m_pProgress = new QProgressBar(this);
        m_pProgress->setTextVisible(false);
    }
    m_strProgressText = text;
    showMessage(text);
    repaint();
    m_pProgress->setRange(low, high);
    m_pProgress->setValue(low);
    PlaceProgress();
    m_pProgress->show();
    m_pProgress->raise();
}

void CProgressStatusBar::PlaceProgress()
{
    if (!m_pProgress) return;
    // From 10 units right of the text, half the bar wide, from 5 units below
    // the top to the bottom.
    const int left = contentsMargins().left() + 6 + fontMetrics().horizontalAdvance(m_strProgressText) + 10;
    m_pProgress->setGeometry(left, 5, width() / 2, std::max(4, height() - 5 - 2));
}

void CProgressStatusBar::SetPos(int position)
{
    if (m_pProgress) m_pProgress->setValue(std::clamp(position, m_pProgress->minimum(), m_pProgress->maximum()));
}

void CProgressStatusBar::SetStep(int step)
{
    m_nStep = step;
}

void CProgressStatusBar::StepIt()
{
    if (!m_pProgress) return;
    int next = m_pProgress->value() + m_nStep;
    if (next > m_pProgress->maximum()) next = m_pProgress->minimum() + (next - m_pProgress->maximum() - 1);
    if (next < m_pProgress->minimum() || next > m_pProgress->maximum()) next = m_pProgress->minimum();
    m_pProgress->setValue(next);
}

void CProgressStatusBar::EndProgress()
{
    if (m_pProgress) m_pProgress->hide();
    m_strProgressText.clear();
    clearMessage();
    repaint();
}

bool CProgressStatusBar::InProgress() const
{
    return m_pProgress && !m_pProgress->isHidden();
}

int CProgressStatusBar::Pos() const
{
    return m_pProgress ? m_pProgress->value() : 0;
}

void CProgressStatusBar::ToggleBitmap()
{
    m_nBitmap = m_nBitmap == 113 ? 114 : 113;
    m_pBitmapPane->update();
}

void CProgressStatusBar::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    if (InProgress()) PlaceProgress();
}
