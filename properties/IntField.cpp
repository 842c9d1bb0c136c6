#include "properties/IntField.h"

#include "app/MessageBox.h"
#include "document/ValueRanges.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QLineEdit>

#include <algorithm>
#include <climits>

CIntField::CIntField(QWidget* parent, int min, int max) : QSpinBox(parent), m_nMin(min), m_nMax(max)
{
    // The spin box itself accepts every integer; the valid range is ours.
    setRange(INT_MIN + 1, INT_MAX);
    setValue(min);
    setKeyboardTracking(false);
}

CIntField::CIntField(QWidget* parent, const CValueRange& range) : CIntField(parent, range.m_nMin, range.m_nMax) {}

void CIntField::Load(int value)
{
    setValue(value);
    m_nLoaded = value;
    m_bLoaded = true;
}

bool CIntField::Untouched() const
{
    return m_bLoaded && cleanText().trimmed() == QString::number(m_nLoaded);
}

void CIntField::SetValidRange(int min, int max)
{
    m_nMin = min;
    m_nMax = max;
}

bool CIntField::IsValid(int* value) const
{
    if (Untouched()) {
        if (value) *value = m_nLoaded;
        return true;
    }
    bool ok = false;
    const int v = cleanText().trimmed().toInt(&ok);
    if (value) *value = v;
    return ok && v >= m_nMin && v <= m_nMax;
}

bool CIntField::Validate()
{
    if (IsValid()) return true;
    ShowMessage(window(), IntRangeMessage(m_nMin, m_nMax), QMessageBox::Warning);
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

void CIntField::stepBy(int steps)
{
    int v = 0;
    if (!IsValid(&v)) v = std::clamp(v, m_nMin, m_nMax);
    const long long next = std::clamp<long long>(static_cast<long long>(v) + steps, m_nMin, m_nMax);
    setValue(static_cast<int>(next));
    selectAll();
}

QValidator::State CIntField::validate(QString& text, int& pos) const
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-")) return QValidator::Intermediate;
    return QSpinBox::validate(text, pos);
}

bool ValidateIntFields(QWidget* page)
{
    QList<CIntField*> fields = page->findChildren<CIntField*>();
    // Tab order: follow the focus chain from the page.
    QList<CIntField*> ordered;
    QWidget* w = page->nextInFocusChain();
    for (int guard = 0; w && w != page && guard < 10000; ++guard, w = w->nextInFocusChain()) {
        if (auto* f = qobject_cast<CIntField*>(w); f && fields.contains(f) && !ordered.contains(f)) ordered.push_back(f);
    }
    for (CIntField* f : fields)
        if (!ordered.contains(f)) ordered.push_back(f);
    for (CIntField* f : ordered) {
        if (f->isEnabled() && !f->Validate()) return false;
    }
    return true;
}

QString IntRangeMessage(int min, int max)
{
    return QCoreApplication::translate("CIntField", "Please enter an integer between %1 and %2.").arg(min).arg(max);
}
