#include "editor3d/VectorPage.h"

#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QSlider>

#include <cmath>

CVectorPage::CVectorPage(const QString& caption, const QStringList& rowLabels, const CRange& range, QWidget* parent)
    : QWidget(parent), m_strCaption(caption), m_range(range)
{
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(10);
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(rowLabels.value(row), this);
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-00000.00")) + 16);
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(range.m_nMin, range.m_nMax);
        slider->setTickInterval(range.m_nTick);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setPageStep(range.m_nPage);
        slider->setSingleStep(1);
        slider->setMinimumWidth(240);
        label->setBuddy(slider);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(slider, row, 2);
        m_pEdits[row] = edit;
        m_pSliders[row] = slider;
        connect(slider, &QSlider::valueChanged, this, [this, row](int position) { OnSliderMoved(row, position); });
    }
    grid->setRowStretch(3, 1);
}

int CVectorPage::PositionFromValue(float value) const
{
    const double position = std::round(static_cast<double>(value) * m_range.m_nUnitsPerValue);
    // The slider sits at the end of its range for a value beyond it; the
    // value itself is shown and kept as it is.
    if (!(position >= m_range.m_nMin)) return m_range.m_nMin;
    if (position > m_range.m_nMax) return m_range.m_nMax;
    return static_cast<int>(position);
}

float CVectorPage::ValueFromPosition(int position) const
{
    return static_cast<float>(static_cast<double>(position) / m_range.m_nUnitsPerValue);
}

QString CVectorPage::FormatValue(float value)
{
    // QString::number ignores the locale, so a decimal comma never appears.
    return QString::number(static_cast<double>(value), 'f', 2);
}

void CVectorPage::SetValues(const float values[4])
{
    for (int i = 0; i < 4; ++i) m_fValues[i] = values[i];
    m_bLoading = true;
    for (int row = 0; row < 3; ++row) {
        m_pSliders[row]->setValue(PositionFromValue(values[row]));
        m_pEdits[row]->setText(FormatValue(values[row]));
    }
    m_bLoading = false;
}

void CVectorPage::GetValues(float values[4]) const
{
    for (int i = 0; i < 4; ++i) values[i] = m_fValues[i];
}

void CVectorPage::OnSliderMoved(int row, int position)
{
    // Placing the sliders for the loaded values changes nothing: a value
    // beyond the slider's range stays as it was.
    if (m_bLoading) return;
    m_fValues[row] = ValueFromPosition(position);
    m_pEdits[row]->setText(FormatValue(m_fValues[row]));
}
