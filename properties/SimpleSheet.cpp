#include "properties/SimpleSheet.h"

#include "properties/IntField.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

CSimpleSheet::CSimpleSheet(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    m_pTabs = new QTabWidget(this);
    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_pButtons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_pButtons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_pButtons->button(QDialogButtonBox::Apply)->setText(tr("&Apply"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(m_pButtons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_pButtons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, &CSimpleSheet::Ok);
    connect(m_pButtons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &CSimpleSheet::Apply);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CSimpleSheet::TabChanged);
}

void CSimpleSheet::AddPage(QWidget* page, const QString& title)
{
    m_pTabs->addTab(page, title);
    if (m_nCurrent < 0) m_nCurrent = m_pTabs->currentIndex();
}

bool CSimpleSheet::CheckAllPages()
{
    // The page in front first, so its message comes before any other's; a
    // page behind it is brought to the front before its field complains.
    if (QWidget* front = m_pTabs->currentWidget(); front && !ValidateIntFields(front)) return false;
    for (int i = 0; i < m_pTabs->count(); ++i) {
        QWidget* page = m_pTabs->widget(i);
        const QList<CIntField*> fields = page->findChildren<CIntField*>();
        const bool refused = std::any_of(fields.begin(), fields.end(),
                                         [](CIntField* f) { return f->isEnabled() && !f->IsValid(); });
        if (!refused) continue;
        m_pTabs->setCurrentIndex(i);
        ValidateIntFields(page);
        return false;
    }
    return true;
}

bool CSimpleSheet::Apply()
{
    if (!CheckAllPages()) return false;
    if (m_applier && !m_applier()) return false;
    ++m_nApplied;
    return true;
}

void CSimpleSheet::Ok()
{
    if (Apply()) accept();
}

void CSimpleSheet::TabChanged(int index)
{
    if (m_bSwitchingBack) return;
    QWidget* left = m_nCurrent >= 0 ? m_pTabs->widget(m_nCurrent) : nullptr;
    if (left && !ValidateIntFields(left)) {
        // The tab stays on the page with the refused value.
        m_bSwitchingBack = true;
        m_pTabs->setCurrentIndex(m_nCurrent);
        m_bSwitchingBack = false;
        return;
    }
    m_nCurrent = index;
}
