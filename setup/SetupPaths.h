#pragma once

// The destination folder: its default, the checks it must pass before
// anything is installed, and the short-name form the Windows 95 family
// needed (kept for that platform; Linux has long names).

#include <string>

// The longest destination accepted, counted with its trailing separator.
// A longer one is refused, never cut.
constexpr std::size_t kMaxDestinationLength = 260;

// True when setup runs as root and so installs for every user.
bool IsSystemInstall();

// ~/.local/opt/mondrel/ for a user, /opt/mondrel/ for root.
std::string DefaultDestination(bool system);

// The user's home folder ($HOME, else the password database).
std::string HomeFolder();

// "~" and "~/..." become the home folder.
std::string ExpandHome(const std::string& path);

// False only on a platform whose file system knows no long names (the
// Windows 95 family, platform id 1); never on Linux.
bool LongNamesSupported();

// The short form of a path split at backslashes: a component shorter than
// 8 characters stays, a longer one becomes its first 6 characters and
// "~1"; every component is followed by a backslash.
// C:\Program Files\Mondrel\ becomes C:\Progra~1\Mondrel\.
std::string ShortPathName(const std::string& path);

// Checks a destination typed by the user: it must be absolute after "~" is
// expanded, hold no doubled separator or control character and be at most
// kMaxDestinationLength characters with its trailing separator. On success
// destination is the folder with exactly one trailing separator; nothing is
// made on disk.
bool CheckDestination(const std::string& typed, std::string* destination, std::string* error);

// Makes a checked destination with every missing parent and checks that it
// can be written to.
bool MakeDestination(const std::string& destination, std::string* error);

// CheckDestination, then MakeDestination.
bool PrepareDestination(const std::string& typed, std::string* destination, std::string* error);
