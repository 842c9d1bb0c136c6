#include "properties/OptionsSheet.h"

#include "app/AppSettings.h"
#include "objects/Environment.h"
#include "properties/OptionsPage.h"
#include "properties/SimpleSheet.h"

#include <memory>

CSimpleSheet* MakeOptionsSheet(QWidget* parent, bool* saved)
{
    auto* sheet = new CSimpleSheet(QObject::tr("Mondrel Application"), parent);
    auto* page = new COptionsPage(sheet);
    const CAppSettings& settings = AppSettings();
    CSettingsStore& store = *Environment().m_settings;
    // "Auto Increment" starts unticked on every opening.
    page->m_bAutoIncrement = 0;
    page->m_nGridThickness = settings.m_nGridThickness;
    page->m_bDrawGrid = settings.m_bDrawGrid;
    page->m_nGridType = settings.m_nGridType;
    page->m_crGridColor = settings.m_crGridColor;
    page->m_crBackColor = settings.m_crBackColor;
    page->m_bNoNewWizard = settings.m_bNoNewWizard;
    page->m_bTipAtStartup = CAppSettings::ShowTipAtStartup(store) ? 1 : 0;
    page->UpdateControls();
    sheet->AddPage(page, QObject::tr("Default Options"));
    sheet->SetApplier([page, saved] {
        if (!page->ReadControls()) return false;
        CAppSettings& s = AppSettings();
        s.m_nGridThickness = page->m_nGridThickness;
        s.m_bDrawGrid = page->m_bDrawGrid;
        s.m_nGridType = page->m_nGridType;
        s.m_crGridColor = page->m_crGridColor;
        s.m_crBackColor = page->m_crBackColor;
        s.m_bNoNewWizard = page->m_bNoNewWizard;
        CSettingsStore& target = *Environment().m_settings;
        s.Save(target);
        CAppSettings::SetShowTipAtStartup(target, page->m_bTipAtStartup != 0);
        if (saved) *saved = true;
        return true;
    });
    return sheet;
}

bool EditOptions(QWidget* parent)
{
    bool saved = false;
    std::unique_ptr<CSimpleSheet> sheet(MakeOptionsSheet(parent, &saved));
    sheet->exec();
    return saved;
}
