#pragma once
#include "engine/Position.h"

#include <cstdint>

namespace cardova {

constexpr int kDeckSize = 52;

constexpr int kRanksPerSuit = 13;
enum SuitCode : int16_t { kHearts = 0, kSpades = 1, kDiamonds = 2, kClubs = 3 };

// Face modes of a card.
constexpr int32_t kFaceUp = 0;
constexpr int32_t kFaceDown = 1;

// One card of the table: its value, face, slot and where it stands on the
// table (table units). The table view draws these; the engine alone changes them.
struct cCard {
    int16_t Suit = 0;     // 0 hearts, 1 spades, 2 diamonds, 3 clubs
    int16_t Num = 0;      // 0 Ace ... 12 King
    int16_t Suitpile = 0; // foundation group
    int32_t FaceMode = kFaceDown;
    bool Selected = false;
    int16_t Cell = 0;
    int16_t Pile = 0;
    int16_t Pos = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    bool Visible = false;
    int64_t Z = 0; // stacking order: higher draws on top

    // Colour codes: 1 red (hearts, diamonds), 2 black.
    int32_t Color() const { return (Suit == kHearts || Suit == kDiamonds) ? 1 : 2; }
    void SetValue(int16_t mSuit, int16_t mNum, int16_t mSuitPile)
    {
        Suit = mSuit;
        Num = mNum;
        Suitpile = mSuitPile;
    }
    void SetLoc(int16_t cell, int16_t pile, int16_t pos)
    {
        Cell = cell;
        Pile = pile;
        Pos = pos;
    }
    // Face picture number 1..52 of the deck design.
    int FacePicture() const { return Suit * kRanksPerSuit + Num + 1; }
};

// Pictures of the placeholders: 0-12 show a rank, the rest these.
enum MarkerPicture : int16_t {
    kMarkerAnyRank = 13,
    kMarkerBlank = 14,
    kMarkerEmptyStock = 15, // nothing left to turn
    kMarkerRecycle = 16,    // a click turns the waste back
    kMarkerCell = 17,       // a free cell, holding one card
    kMarkerReserve = 18,    // the reserve, which takes no card
};

// Placeholder shown under a pile where it is empty.
struct PileMarker {
    int16_t Picture = kMarkerBlank;
    bool Visible = false;
};

struct TableMarkers {
    PileMarker Home[11];
    PileMarker Right[5];
    PileMarker Res[kMaxReservePiles];
    PileMarker Cells[kMaxCells];
    PileMarker Waste;
    PileMarker Stock;
};

} // namespace cardova
