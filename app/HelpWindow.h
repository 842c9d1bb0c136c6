#pragma once

// The help window: the program's own HTML pages (help/ in the data folder)
// in a browser with back, forward and home, and a list of topics beside it.
// Every page, asked for or reached by a link, is shown in the user's
// language where it is translated ("tools.de.html"), else in English.
// There is one help window; asking for help again brings it to the front on
// the page asked for.

#include <QtWidgets/QMainWindow>

class QListWidget;
class QTextBrowser;

class CHelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit CHelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows a page of the help folder ("tools.html", "tools.html#line").
    void ShowPage(const QString& page);
    QTextBrowser* Browser() const { return m_pBrowser; }
    // The page shown, without its folder.
    QString CurrentPage() const;

private:
    void SourceChanged(const QUrl& url);

    QString m_strFolder;
    QTextBrowser* m_pBrowser = nullptr;
    QListWidget* m_pTopics = nullptr;
};

// Opens the one help window (made on first use) on a page.
void ShowHelp(QWidget* parent, const QString& page = QStringLiteral("index.html"));
// The help window if it exists (tests).
CHelpWindow* HelpWindowInstance();
