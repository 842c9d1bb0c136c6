#pragma once

// Reading holiday files from the pages and the wizard. A large file is read
// on a worker thread while a progress window with Cancel is shown, so the
// program keeps painting and the user can stop a long reading; small files
// are read at once. The reading itself stays plain C++ (calendar/
// IcalReader) and is only watched from here.

#include "calendar/IcalReader.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QWidget;

// Files of this many bytes and more together are read on a worker thread.
constexpr std::size_t kThreadedHolidayBytes = 256 * 1024;

// Runs read, which must touch nothing but what it was given, and returns
// what it returns. A reading the user cancelled fails with kIcalCancelled
// as its error.
bool ReadHolidays(QWidget* parent, const std::vector<std::string>& files,
                  const std::function<bool(CIcalProgress*, CMessage*)>& read, CMessage* error);
