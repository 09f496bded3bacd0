#pragma once
// Messages of the dialogs go through a replaceable function, so tests can
// read them instead of waiting on a box that nobody closes.
#include <QString>
#include <functional>

class QWidget;

namespace cardova::ui {

using MessageFn = std::function<void(const QString &text)>;

// An information box over `parent` with the product name as its title.
// Control characters in the text show as escapes.
MessageFn informationBox(QWidget *parent, const QString &title);

} // namespace cardova::ui
