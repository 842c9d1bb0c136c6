// The main of the widget test programs: a private home folder for every run
// (settings, recovery files and caches land there, never in the user's), the
// offscreen platform unless another is asked for, then the chosen classes.

#include "support/QtTestRegistry.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <vector>

std::map<std::string, QtTestFactory>& QtTestRegistry()
{
    static std::map<std::string, QtTestFactory> registry;
    return registry;
}

int main(int argc, char** argv)
{
    QTemporaryDir home(QDir::tempPath() + "/mondrel-test-home-XXXXXX");
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot make a private home folder\n");
        return 1;
    }
    const QByteArray root = home.path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_STATE_HOME", root + "/.local/state");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    QDir().mkpath(home.path() + "/runtime");
    QFile::setPermissions(home.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    // The first argument may name one class; the rest go to Qt Test.
    std::vector<std::string> names;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i == 1 && QtTestRegistry().count(arg)) {
            names.push_back(arg);
        } else if (i == 1 && arg.size() > 4 && arg.compare(arg.size() - 4, 4, "Test") == 0) {
            std::fprintf(stderr, "no test class %s in this program\n", argv[i]);
            return 1;
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (names.empty()) {
        for (const auto& [name, factory] : QtTestRegistry()) names.push_back(name);
    }

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    int failures = 0;
    for (const std::string& name : names) {
        std::unique_ptr<QObject> test = QtTestRegistry()[name]();
        failures += QTest::qExec(test.get(), int(rest.size()), rest.data());
    }
    return failures == 0 ? 0 : 1;
}
