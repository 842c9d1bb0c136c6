#pragma once

// The system's font configuration is read and parsed the first time a text
// is drawn, which takes a few milliseconds. A batch run starts that at once
// on a thread of its own, so it is done while the program starts and the
// document is read.
void LoadFontConfigurationAhead();
