#pragma once
// What a screen reader finds on the table. Every pile and every card a
// sighted player can see is an accessible object of its own ("Seven of
// Hearts", described as "pile 3"); the card under the keyboard cursor takes
// the focus; and what each action changed is told through a status object
// at the end of the table's list ("Four of Clubs to Waste").
class QAccessibleEvent;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class TableView;

// Gives the table its accessible objects; the table view calls it once,
// before it names itself.
void attachTableAccessibility(TableView &view, GameContext &ctx);
// The keyboard cursor moved: its card (or its pile, when no card there can
// be seen) takes the focus.
void announceKeyboardCursor(TableView &view);

// Where the table's accessibility events go: to the platform, unless a test
// catches them. Returns the sink that was in place.
using AccessibleEventSink = void (*)(QAccessibleEvent *);
AccessibleEventSink setAccessibleEventSink(AccessibleEventSink sink);

} // namespace cardova::ui
