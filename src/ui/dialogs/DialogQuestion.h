#pragma once
// Error messages and Yes/No questions of the dialogs go through replaceable
// functions, so tests can answer them instead of waiting on a box.
#include "ui/dialogs/DialogMessage.h"

namespace cardova::ui {

// True when the player answered Yes.
using AskFn = std::function<bool(const QString &question)>;

// An error box over `parent` with `title`.
MessageFn errorBox(QWidget *parent, const QString &title);
// A Yes/No question with the error icon over `parent` with `title`; No is
// the default answer, so a stray Enter deletes nothing.
AskFn questionBox(QWidget *parent, const QString &title);
// A Yes/No question with the question icon over `parent` with `title`, for
// questions that destroy data: No is the default answer.
AskFn confirmBox(QWidget *parent, const QString &title);

} // namespace cardova::ui
