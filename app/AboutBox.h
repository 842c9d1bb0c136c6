#pragma once

class QWidget;

// The product name as the about box and the splash picture show it.
inline constexpr const char* kProductVersionText = "Mondrel 3.0";

// The about box ("About Mondrel..."), modal over parent.
void ShowAboutBox(QWidget* parent);
