#pragma once

// The per-user settings store of the program: an INI file in the user's
// configuration folder, one group per section ("Settings", "Tip",
// "ControlBars\State").

#include "objects/Environment.h"

#include <QString>

#include <memory>

class QSettings;

class CQtSettingsStore : public CSettingsStore {
public:
    // The program's own file in the user's configuration folder.
    CQtSettingsStore();
    // A given INI file (tests, batch runs).
    explicit CQtSettingsStore(const QString& iniPath);
    ~CQtSettingsStore() override;

    int GetProfileInt(const std::string& section, const std::string& key, int def) const override;
    bool WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) const override;
    bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value) override;

    QString FileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
