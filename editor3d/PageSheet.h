#pragma once

// A modal property sheet: pages on tabs above OK and Cancel.

#include <QtWidgets/QDialog>

class QTabWidget;

class CPageSheet : public QDialog {
    Q_OBJECT
public:
    explicit CPageSheet(const QString& caption, QWidget* parent = nullptr);

    void AddPage(QWidget* page, const QString& caption);
    QTabWidget* Tabs() const { return m_pTabs; }

private:
    QTabWidget* m_pTabs = nullptr;
};
