#include "ui/wizard/RecordChoices.h"

#include <QComboBox>

namespace cardova::ui {

namespace {
QString entryText(CodeText text, int code) { return text ? text(code) : QString::number(code); }
} // namespace

void fillCodes(QComboBox &combo, int from, int to, CodeText text, int preset)
{
    combo.clear();
    for (int code = from; code <= to; ++code)
        combo.addItem(entryText(text, code), code);
    combo.setCurrentIndex(combo.findData(preset));
}

void fillCodeList(QComboBox &combo, std::initializer_list<int> codes, CodeText text, int preset)
{
    combo.clear();
    for (int code : codes)
        combo.addItem(entryText(text, code), code);
    combo.setCurrentIndex(combo.findData(preset));
}

int selectedCode(const QComboBox &combo)
{
    return combo.currentData().toInt();
}

bool selectCode(QComboBox &combo, int code)
{
    const int index = combo.findData(code);
    if (index < 0)
        return false;
    combo.setCurrentIndex(index);
    return true;
}

} // namespace cardova::ui
