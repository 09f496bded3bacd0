#include "ui/wizard/ChoiceWidgets.h"

#include <QCheckBox>
#include <QComboBox>

namespace cardova::ui {

QComboBox *choiceList(QWidget *parent, const char *objectName, int width)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(width);
    return combo;
}

QCheckBox *choiceBox(QWidget *parent, const char *objectName, const QString &text)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

} // namespace cardova::ui
