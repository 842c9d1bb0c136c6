#pragma once

// Registration of Qt Test classes into one program per test folder. Each
// file Name.cpp defines the class Name and ends with MONDREL_QT_TEST(Name);
// the shared main runs the class named on the command line, or all.

#include <QtCore/QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>

using QtTestFactory = std::function<std::unique_ptr<QObject>()>;

std::map<std::string, QtTestFactory>& QtTestRegistry();

struct CQtTestRegistrar {
    CQtTestRegistrar(const char* name, QtTestFactory factory) { QtTestRegistry()[name] = std::move(factory); }
};

#define MONDREL_QT_TEST(Class) \
    static CQtTestRegistrar s_register##Class(#Class, [] { return std::unique_ptr<QObject>(new Class); });
