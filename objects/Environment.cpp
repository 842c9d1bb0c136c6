#include "objects/Environment.h"

namespace {
std::string Key(const std::string& section, const std::string& key)
{
    return section + '\n' + key;
}
}

int CMemorySettingsStore::GetProfileInt(const std::string& section, const std::string& key, int def) const
{
    auto it = m_values.find(Key(section, key));
    if (it == m_values.end()) return def;
    try {
        return std::stoi(it->second);
    } catch (...) {
        return def;
    }
}

bool CMemorySettingsStore::WriteProfileInt(const std::string& section, const std::string& key, int value)
{
    m_values[Key(section, key)] = std::to_string(value);
    return true;
}

std::string CMemorySettingsStore::GetProfileString(const std::string& section, const std::string& key,
                                                   const std::string& def) const
{
    auto it = m_values.find(Key(section, key));
    return it == m_values.end() ? def : it->second;
}

bool CMemorySettingsStore::WriteProfileString(const std::string& section, const std::string& key,
                                              const std::string& value)
{
    m_values[Key(section, key)] = value;
    return true;
}

CEnvironment& Environment()
{
    static CEnvironment env;
    return env;
}
