#include "editor3d/PageSheet.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

CPageSheet::CPageSheet(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    m_pTabs = new QTabWidget(this);
    // Every page's tab stays in sight: the sheet grows to hold them all.
    m_pTabs->setUsesScrollButtons(false);
    m_pTabs->tabBar()->setExpanding(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);
}

void CPageSheet::AddPage(QWidget* page, const QString& caption)
{
    m_pTabs->addTab(page, caption);
}
