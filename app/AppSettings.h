#pragma once

// The designer's persistent settings, section "Settings" of the settings
// store (Mondrel/Mondrel.ini), read once at start-up and written by the
// options sheet. "Tip"/"StartUp" is 0 (show the tip of the day at start-up)
// unless the user turned it off; one default serves every reader.

#include "objects/Types.h"

#include <string>

class CSettingsStore;

struct CAppSettings {
    BOOL m_bDrawGrid = 0;
    COLORREF m_crGridColor = 8432228;  // 0x80AA64
    int m_nGridThickness = 1;
    int m_nGridType = 0;
    COLORREF m_crBackColor = 16777215;
    BOOL m_bNoNewWizard = 0;
    // Ends with a path separator, or empty: Mondrel reads it and never writes it.
    std::string m_strInstallDir;

    void Load(const CSettingsStore& store);
    // Writes the six values the options sheet edits.
    void Save(CSettingsStore& store) const;

    static bool ShowTipAtStartup(const CSettingsStore& store);
    static void SetShowTipAtStartup(CSettingsStore& store, bool show);
};

// The settings of the running designer (loaded at start-up).
CAppSettings& AppSettings();
