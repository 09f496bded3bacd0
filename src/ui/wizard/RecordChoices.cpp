#include "ui/wizard/RecordChoices.h"

#include <QComboBox>

namespace cardova::ui {

void fillCodes(QComboBox &combo, int from, int to, CodeText text, int preset)
{
    combo.clear();
    for (int code = from; code <= to; ++code)
        combo.addItem(text ? text(code) : QString::number(code), code);
    combo.setCurrentIndex(combo.findData(preset));
}

int selectedCode(const QComboBox &combo)
{
    return combo.currentData().toInt();
}

} // namespace cardova::ui
