#pragma once

#include "MondrelVersion.h"

class QWidget;

// The product name as the about box and the splash picture show it.
inline constexpr const char* kProductVersionText = "Mondrel " MONDREL_VERSION;

// The about box ("About Mondrel..."), modal over parent.
void ShowAboutBox(QWidget* parent);
