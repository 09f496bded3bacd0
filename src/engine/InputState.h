#pragma once
#include <cstdint>

namespace cardova {

// The one set of mouse-input state: what is picked up and where it came from.
struct InputState {
    bool Dragging = false;
    int16_t DragCount = 0; // cards riding on the picked tableau card
    int16_t GrabX = 0;     // where inside the card it was pressed
    int16_t GrabY = 0;
    int16_t PickedID = -1; // the card the press picked, -1 none
};

} // namespace cardova
