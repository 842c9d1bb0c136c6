#include "properties/CalSPText.h"

#include "app/MessageBox.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>

CCalSPText::CCalSPText(QWidget* parent) : CCalTextPage(QStringLiteral("Special Days (Holidays)"), {}, parent)
{
    auto* markBox = new QGroupBox(QStringLiteral("Mark as Special"), this);
    auto* marks = new QGridLayout(markBox);
    const char* const captions[7] = {"All Saturdays",  "All Sundays",   "All Mondays", "All Tuesdays",
                                     "All Wednesdays", "All Thursdays", "All Fridays"};
    for (int i = 0; i < 7; ++i) {
        m_pWeekday[i] = new QCheckBox(QString::fromLatin1(captions[i]), markBox);
        marks->addWidget(m_pWeekday[i], i / 4, i % 4);
        Watch(m_pWeekday[i]);
    }
    auto* datesLabel = new QLabel(QStringLiteral("Other Dates (Between 1 && 31 Seperated by Comma+Space)"), this);
    m_pDates = new QLineEdit(this);
    datesLabel->setBuddy(m_pDates);
    Extras()->addWidget(markBox, 0, 0, 1, 2);
    Extras()->addWidget(datesLabel, 1, 0);
    Extras()->addWidget(m_pDates, 1, 1);
    Extras()->setColumnStretch(1, 1);
    Watch(m_pDates);
}

bool CCalSPText::NormalizeDates(const std::string& typed, std::string* stored)
{
    const QStringList parts =
        QString::fromStdString(typed).split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    if (parts.isEmpty()) {
        *stored = ", ";
        return true;
    }
    std::string out = ",";
    for (const QString& part : parts) {
        bool ok = false;
        const int day = part.toInt(&ok);
        if (!ok || day < 1 || day > 31 || part.startsWith('+')) return false;
        out += " " + std::to_string(day) + ",";
    }
    *stored = out;
    return true;
}

std::string CCalSPText::DisplayDates(const std::string& stored)
{
    std::string normal;
    if (!NormalizeDates(stored, &normal) || normal != stored) return stored;
    if (normal == ", ") return {};
    // ", 4, 25," reads "4, 25".
    return normal.substr(2, normal.size() - 3);
}

void CCalSPText::LoadDates(const std::string& stored)
{
    m_strLoaded = stored;
    m_strLoadedShown = DisplayDates(stored);
    m_strText = m_strLoadedShown;
}

bool CCalSPText::StoredDates(std::string* stored) const
{
    if (m_strText == m_strLoadedShown && !m_strLoaded.empty()) {
        *stored = m_strLoaded;
        return true;
    }
    return NormalizeDates(m_strText, stored);
}

bool CCalSPText::Validate()
{
    if (!CCalTextPage::Validate()) return false;
    FromControls();
    std::string stored;
    if (StoredDates(&stored)) return true;
    ShowMessage(window(),
                QStringLiteral("Other Dates must be whole numbers between 1 and 31, separated by commas "
                               "(for example: 1, 15, 25)."),
                QMessageBox::Warning);
    m_pDates->setFocus(Qt::OtherFocusReason);
    m_pDates->selectAll();
    return false;
}

void CCalSPText::ToControls()
{
    SetLoading(true);
    for (int i = 0; i < 7; ++i) m_pWeekday[i]->setChecked(m_bWeekday[i] != 0);
    m_pDates->setText(QString::fromStdString(m_strText));
    SetLoading(false);
    CCalTextPage::ToControls();
}

void CCalSPText::FromControls()
{
    CCalTextPage::FromControls();
    for (int i = 0; i < 7; ++i) m_bWeekday[i] = m_pWeekday[i]->isChecked();
    m_strText = m_pDates->text().toStdString();
}
