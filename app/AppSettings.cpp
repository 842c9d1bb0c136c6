#include "app/AppSettings.h"

#include "objects/Environment.h"

namespace {
const char* const kSettings = "Settings";
}

void CAppSettings::Load(const CSettingsStore& store)
{
    m_bDrawGrid = store.GetProfileInt(kSettings, "DrawGrid", 0);
    m_crGridColor = static_cast<COLORREF>(store.GetProfileInt(kSettings, "GridColor", 8432228));
    m_nGridThickness = store.GetProfileInt(kSettings, "GridThickness", 1);
    m_nGridType = store.GetProfileInt(kSettings, "GridType", 0);
    m_crBackColor = static_cast<COLORREF>(store.GetProfileInt(kSettings, "BackColor", 16777215));
    m_bNoNewWizard = store.GetProfileInt(kSettings, "NoNewWizard", 0);
    m_strInstallDir = store.GetProfileString(kSettings, "DestinationPath", "");
}

void CAppSettings::Save(CSettingsStore& store) const
{
    store.WriteProfileInt(kSettings, "DrawGrid", m_bDrawGrid);
    store.WriteProfileInt(kSettings, "GridColor", static_cast<int>(m_crGridColor));
    store.WriteProfileInt(kSettings, "GridThickness", m_nGridThickness);
    store.WriteProfileInt(kSettings, "GridType", m_nGridType);
    store.WriteProfileInt(kSettings, "BackColor", static_cast<int>(m_crBackColor));
    store.WriteProfileInt(kSettings, "NoNewWizard", m_bNoNewWizard);
}

bool CAppSettings::ShowTipAtStartup(const CSettingsStore& store)
{
    return store.GetProfileInt("Tip", "StartUp", 0) == 0;
}

void CAppSettings::SetShowTipAtStartup(CSettingsStore& store, bool show)
{
    store.WriteProfileInt("Tip", "StartUp", show ? 0 : 1);
}

CAppSettings& AppSettings()
{
    static CAppSettings settings;
    return settings;
}
