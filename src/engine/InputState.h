#pragma once
#include "engine/Moves.h"

#include <cstdint>
#include <optional>

namespace cardova {

// The one set of input state: what the mouse has picked up and where it came
// from, and the card the keyboard holds. Both are let go together, so a
// command that moves cards never leaves either one pointing at a stale place.
struct InputState {
    bool Dragging = false;
    int16_t DragCount = 0; // cards riding on the picked tableau card
    int16_t GrabX = 0;     // where inside the card it was pressed
    int16_t GrabY = 0;
    int16_t PickedID = -1; // the card the press picked, -1 none
    std::optional<Source> keyHeld; // picked with Space or Enter, not yet dropped
};

} // namespace cardova
