#pragma once

// What the core needs to know about the running program and the platform:
// the installation folder, the system colours that new objects take their
// defaults from, and the settings store. The application fills these in at
// start-up; tests and batch runs may keep the defaults.

#include "objects/Types.h"

#include <map>
#include <memory>
#include <string>

// A per-user settings store with sections and keys ("Settings", "BackColor").
class CSettingsStore {
public:
    virtual ~CSettingsStore() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& key, int def) const = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& def) const = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
};

// Keeps settings in memory only; the default until the application installs
// a persistent store.
class CMemorySettingsStore : public CSettingsStore {
public:
    int GetProfileInt(const std::string& section, const std::string& key, int def) const override;
    bool WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) const override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

private:
    std::map<std::string, std::string> m_values;
};

struct CEnvironment {
    // Ends with a path separator.
    std::string m_strInstallDir = "./";
    COLORREF m_crBtnFace = RGB(240, 240, 240);
    COLORREF m_crBtnText = RGB(0, 0, 0);
    COLORREF m_crWindow = RGB(255, 255, 255);
    COLORREF m_crBtnShadow = RGB(160, 160, 160);
    std::shared_ptr<CSettingsStore> m_settings = std::make_shared<CMemorySettingsStore>();
    // The text a new text object starts with and the caption an image
    // object shows in place of its picture; the designer sets them in the
    // user's language.
    std::string m_strNewText = "Double-click to change this text";
    std::string m_strImagePlaceholder = "Image Place Holder";
};

// The one environment of the process.
CEnvironment& Environment();
