#include "setup/SetupPaths.h"

#include <QtCore/QCoreApplication>

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// The messages are shown by the wizard and the command line alike.
std::string Tr(const char* text, const std::string& argument = std::string())
{
    QString message = QCoreApplication::translate("SetupPaths", text);
    if (message.contains(QLatin1String("%1"))) message = message.arg(QString::fromStdString(argument));
    return message.toStdString();
}

}  // namespace

bool IsSystemInstall()
{
    return ::geteuid() == 0;
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

std::string DefaultDestination(bool system)
{
    if (system) return "/opt/mondrel/";
    std::string home = HomeFolder();
    if (!home.empty() && home.back() == '/') home.pop_back();
    return home + "/.local/opt/mondrel/";
}

std::string ExpandHome(const std::string& path)
{
    if (path == "~") return HomeFolder();
    if (path.compare(0, 2, "~/") == 0) {
        std::string home = HomeFolder();
        if (!home.empty() && home.back() == '/') home.pop_back();
        return home + path.substr(1);
    }
    return path;
}

bool LongNamesSupported()
{
    return true;
}

std::string ShortPathName(const std::string& path)
{
    std::string result;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        result += part.size() < 8 ? part : part.substr(0, 6) + "~1";
        result += '\\';
        start = end + 1;
    }
    return result;
}

bool CheckDestination(const std::string& typed, std::string* destination, std::string* error)
{
    std::string path = ExpandHome(typed);
    if (path.empty()) {
        *error = Tr(QT_TRANSLATE_NOOP("SetupPaths", "Destination Directory can not be empty"));
        return false;
    }
    for (unsigned char c : path) {
        if (c < 0x20 || c == 0x7F) {
            *error = Tr(QT_TRANSLATE_NOOP("SetupPaths", "Invalid Folder"));
            return false;
        }
    }
    if (path[0] != '/') {
        *error = Tr(QT_TRANSLATE_NOOP("SetupPaths", "The destination must be a full path that starts with / or ~ (not \"%1\")."), typed);
        return false;
    }
    if (path.find("//") != std::string::npos || path.find("\\\\") != std::string::npos) {
        *error = Tr(QT_TRANSLATE_NOOP("SetupPaths", "Invalid Folder"));
        return false;
    }
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const std::string withSeparator = path == "/" ? path : path + "/";
    if (withSeparator.size() > kMaxDestinationLength) {
        *error = Tr(QT_TRANSLATE_NOOP("SetupPaths", "The destination is longer than %1 characters; choose a shorter folder."),
                    std::to_string(kMaxDestinationLength));
        return false;
    }
    *destination = withSeparator;
    return true;
}

bool MakeDestination(const std::string& destination, std::string* error)
{
    std::string path = destination;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        *error = Tr(QT_TRANSLATE_NOOP("SetupPaths", "Could not create folder:")) + "\n" + path;
        return false;
    }
    if (::access(path.c_str(), W_OK | X_OK) != 0) {
        *error = Tr(QT_TRANSLATE_NOOP("SetupPaths", "The folder %1 cannot be written to."), path);
        return false;
    }
    return true;
}

bool PrepareDestination(const std::string& typed, std::string* destination, std::string* error)
{
    std::string checked;
    if (!CheckDestination(typed, &checked, error) || !MakeDestination(checked, error)) return false;
    *destination = checked;
    return true;
}
