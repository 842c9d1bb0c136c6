#pragma once

// The tip of the day: one hint at a time from a plain text file, starting
// where the last showing stopped and from the first tip again when the file
// was replaced. The place ("FilePos"), the file's time ("TimeStamp") and
// whether to show tips at start-up ("StartUp") live in section "Tip" of the
// settings store.
//
// File rules: every line is a tip except lines that begin with a space, a
// tab or a line end, and comment lines that begin with ";". A tip shows at
// most 1000 characters of its line.

#include <QtWidgets/QDialog>

#include <memory>

class CSettingsStore;
class QCheckBox;
class QFile;
class QLabel;
class QPushButton;

class CTipOfDayDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxTipLength = 1000;

    // Opens the tips file at once; the settings come from Environment().
    explicit CTipOfDayDialog(const QString& tipsPath, QWidget* parent = nullptr);
    ~CTipOfDayDialog() override;

    // The tip shown, without its line end.
    QString TipText() const;
    bool ShowAtStartup() const { return m_bShowAtStartup; }
    bool CanShowNext() const;

public slots:
    void NextTip();
    // "&Close": remembers the check box in "StartUp".
    void accept() override;
    // Every way of closing remembers the place in "FilePos".
    void done(int result) override;

private:
    void OpenTips();
    void ReadNextTip();
    bool ReadLine(QString* line);
    void CloseTips();
    void Refresh();

    QString m_strPath;
    std::shared_ptr<CSettingsStore> m_pStore;
    std::unique_ptr<QFile> m_pFile;
    QString m_strTip;  // with its line end, as read
    bool m_bShowAtStartup = true;
    bool m_bNoTips = false;

    QLabel* m_pTipLabel = nullptr;
    QCheckBox* m_pStartupCheck = nullptr;
    QPushButton* m_pNextButton = nullptr;
};
