#pragma once

// The "Mondrel Application" sheet with its "Default Options" page. It reads
// the running designer's settings and, on OK or Apply, stores them and
// writes them to the settings store, with "Tip"/"StartUp".

class CSimpleSheet;
class QWidget;

// True when OK or Apply wrote the settings.
bool EditOptions(QWidget* parent);
// The sheet ready to run, for tests.
CSimpleSheet* MakeOptionsSheet(QWidget* parent, bool* saved);
