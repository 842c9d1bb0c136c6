#include "platform/QtSettingsStore.h"

#include <QSettings>

namespace {

// A section name with backslashes ("ControlBars\State") becomes nested
// groups; QSettings reserves the backslash for itself.
QString KeyPath(const std::string& section, const std::string& key)
{
    QString s = QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size()));
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString k = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s + QLatin1Char('/') + k;
}

}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mondrel"),
                                             QStringLiteral("Mondrel")))
{
}

CQtSettingsStore::CQtSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

CQtSettingsStore::~CQtSettingsStore() = default;

QString CQtSettingsStore::FileName() const
{
    return m_settings->fileName();
}

int CQtSettingsStore::GetProfileInt(const std::string& section, const std::string& key, int def) const
{
    const QVariant v = m_settings->value(KeyPath(section, key));
    if (!v.isValid()) return def;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : def;
}

bool CQtSettingsStore::WriteProfileInt(const std::string& section, const std::string& key, int value)
{
    m_settings->setValue(KeyPath(section, key), value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::string CQtSettingsStore::GetProfileString(const std::string& section, const std::string& key,
                                               const std::string& def) const
{
    const QVariant v = m_settings->value(KeyPath(section, key));
    if (!v.isValid()) return def;
    return v.toString().toStdString();
}

bool CQtSettingsStore::WriteProfileString(const std::string& section, const std::string& key,
                                          const std::string& value)
{
    m_settings->setValue(KeyPath(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
