#include "editor3d/ShineEdit.h"

#include <QtGui/QRegularExpressionValidator>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kSpinMin = 0;
constexpr int kSpinMax = 128;
}

CShineEdit::CShineEdit(QWidget* parent) : QWidget(parent)
{
    auto* label = new QLabel(tr("Shininess"), this);
    m_pEdit = new QLineEdit(this);
    m_pEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_pEdit));
    m_pEdit->setFixedWidth(m_pEdit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    m_pEdit->setAlignment(Qt::AlignRight);
    label->setBuddy(m_pEdit);

    // The two halves of a spin button beside the box.
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setAutoRepeat(true);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setAutoRepeat(true);
    const int half = m_pEdit->sizeHint().height() / 2;
    up->setFixedSize(18, half);
    down->setFixedSize(18, half);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(up);
    spin->addWidget(down);

    auto* note = new QLabel(tr("The shininess of a material may range from 0 to 128."), this);
    note->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_pEdit, 0, 1);
    grid->addLayout(spin, 0, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(note, 1, 0, 1, 4);
    grid->setRowStretch(2, 1);
}

void CShineEdit::SetShininess(int value)
{
    m_nValue = value;
    m_pEdit->setText(QString::number(value));
}

bool CShineEdit::GetShininess(int& value) const
{
    bool ok = false;
    const int typed = m_pEdit->text().toInt(&ok);
    if (ok) value = typed;
    return ok;
}

int CShineEdit::GetShininess() const
{
    int value = m_nValue;
    GetShininess(value);
    return value;
}

void CShineEdit::Step(int delta)
{
    // The spin button moves within its own range, whatever was typed.
    const int next = std::clamp(GetShininess() + delta, kSpinMin, kSpinMax);
    m_pEdit->setText(QString::number(next));
}
