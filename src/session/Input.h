#pragma once
#include "session/MoveDriver.h"

#include <cstdint>
#include <optional>

namespace cardova {

class GameContext;

// Mouse events on cards, as the table view forwards them: x and y are table
// units inside the card. They do nothing while no game runs.
void CardMouseDown(GameContext &ctx, int16_t picId, double x, double y);
void CardMouseMove(GameContext &ctx, int16_t picId, double x, double y);
void CardMouseUp(GameContext &ctx, int16_t picId);
// A click on the empty-stock marker.
void StockMarkerClick(GameContext &ctx);

void PickCard(GameContext &ctx, int16_t picId);
void DragCard(GameContext &ctx, int16_t picId, double x, double y);
// Whether the card lies over the slot (centre mode or overlap).
bool HitTest(const GameContext &ctx, int16_t picId, int16_t cell, int16_t pile, int16_t pos,
             bool centreMode);
// The move a drop of the card with its top-left corner at (left, top)
// makes, with the cards riding on it: the first pile under it that takes
// it, tableau piles before foundations and free cells, found by the card's centre and
// then, if no pile takes it that way, by overlap. None when no pile under
// it takes it.
std::optional<Move> dropMove(const GameContext &ctx, int16_t picId, int32_t left, int32_t top);
// The move a drop at (left, top) would have made but for the run's length:
// the first tableau pile under the card, in the order dropMove tries them,
// that takes its lowest card but not so many cards. None when there is none.
std::optional<Move> refusedRunDrop(const GameContext &ctx, int16_t picId, int32_t left, int32_t top);
// Drops the held card where it lies: the move dropMove finds, or back to its
// slot; a run refused for its length only says why.
void DropCard(GameContext &ctx, int16_t picId);
// Puts the picked card and its riders back on the slots they lie in.
void ReturnCard(GameContext &ctx, int16_t picId);
// Lets go of a held card as a refused drop does. Every command that moves
// cards calls it first, so nothing moves under a card the mouse holds.
void CancelDrag(GameContext &ctx);

} // namespace cardova
