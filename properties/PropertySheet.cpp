#include "properties/PropertySheet.h"

#include "properties/IntField.h"
#include "properties/PropertyPage.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

namespace {
CPropertySheet::RunHook& Hook()
{
    static CPropertySheet::RunHook hook;
    return hook;
}
}  // namespace

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_pTabs = new QTabWidget(this);
    layout->addWidget(m_pTabs);
    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    layout->addWidget(m_pButtons);
    connect(OkButton(), &QPushButton::clicked, this, &CPropertySheet::OnOk);
    connect(CancelButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(ApplyButton(), &QPushButton::clicked, this, [this] { ApplyPages(); });
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
    m_pTabs->addTab(page, page->Caption());
    connect(page, &CPropertyPage::Changed, this, &CPropertySheet::PagesChanged);
}

void CPropertySheet::AddPage(QWidget* page, const QString& title)
{
    m_pTabs->addTab(page, title);
}

bool CPropertySheet::CheckTab(int index) const
{
    QWidget* page = m_pTabs->widget(index);
    if (!page) return true;
    if (auto* typed = qobject_cast<CPropertyPage*>(page)) return typed->Validate();
    return ValidateIntFields(page);
}

void CPropertySheet::ReadTab(int index) const
{
    if (auto* typed = qobject_cast<CPropertyPage*>(m_pTabs->widget(index))) typed->FromControls();
}

void CPropertySheet::SetApplyVisible(bool visible)
{
    ApplyButton()->setVisible(visible);
}

QPushButton* CPropertySheet::OkButton() const { return m_pButtons->button(QDialogButtonBox::Ok); }
QPushButton* CPropertySheet::ApplyButton() const { return m_pButtons->button(QDialogButtonBox::Apply); }
QPushButton* CPropertySheet::CancelButton() const { return m_pButtons->button(QDialogButtonBox::Cancel); }

CPropertySheet::RunHook CPropertySheet::SetRunHook(RunHook hook)
{
    RunHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

bool CPropertySheet::Run()
{
    for (CPropertyPage* page : m_pages) page->ToControls();
    if (Hook()) {
        setResult(QDialog::Rejected);
        show();
        Hook()(*this);
        const bool ok = result() == QDialog::Accepted;
        hide();
        return ok;
    }
    return exec() == QDialog::Accepted;
}

void CPropertySheet::OnTabChanged(int index)
{
    if (index == m_nCurrent || m_nCurrent < 0 || m_nCurrent >= m_pTabs->count()) {
        m_nCurrent = index;
        return;
    }
    // The page being left must hold valid values; if it does not, it comes
    // back to the front with the focus on the refused field.
    m_pTabs->blockSignals(true);
    m_pTabs->setCurrentIndex(m_nCurrent);
    m_pTabs->blockSignals(false);
    if (!CheckTab(m_nCurrent)) return;
    ReadTab(m_nCurrent);
    m_nCurrent = index;
    m_pTabs->blockSignals(true);
    m_pTabs->setCurrentIndex(index);
    m_pTabs->blockSignals(false);
}

bool CPropertySheet::ValidateAll()
{
    // The page in front first, then the others, each brought forward when
    // it refuses.
    std::vector<int> order{m_pTabs->currentIndex()};
    for (int i = 0; i < m_pTabs->count(); ++i)
        if (i != order.front()) order.push_back(i);
    for (int i : order) {
        if (i < 0) continue;
        if (i != m_pTabs->currentIndex()) {
            m_pTabs->blockSignals(true);
            m_pTabs->setCurrentIndex(i);
            m_pTabs->blockSignals(false);
            m_nCurrent = i;
        }
        if (!CheckTab(i)) return false;
    }
    for (int i = 0; i < m_pTabs->count(); ++i) ReadTab(i);
    return true;
}

bool CPropertySheet::ApplyPages()
{
    const int front = m_pTabs->currentIndex();
    if (!ValidateAll()) return false;
    if (m_pTabs->currentIndex() != front) {
        m_pTabs->blockSignals(true);
        m_pTabs->setCurrentIndex(front);
        m_pTabs->blockSignals(false);
        m_nCurrent = front;
    }
    return !m_fnApply || m_fnApply();
}

void CPropertySheet::OnOk()
{
    if (ApplyPages()) accept();
}
