#pragma once

// The two sheets of the page background: "Background Color" and
// "Background Image". Each OK or Apply that changes the background is one
// undoable step of the document.

class CDrawDoc;
class QWidget;

// True when OK or Apply changed the document.
bool EditBackgroundColor(QWidget* parent, CDrawDoc* doc);
bool EditBackgroundImage(QWidget* parent, CDrawDoc* doc);

class CSimpleSheet;
// The sheets ready to run, for tests that press their buttons; the sheet's
// applier stores the page's values into the document.
CSimpleSheet* MakeBackgroundColorSheet(QWidget* parent, CDrawDoc* doc, bool* changed);
CSimpleSheet* MakeBackgroundImageSheet(QWidget* parent, CDrawDoc* doc, bool* changed);
