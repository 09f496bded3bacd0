#include "session/cTrans.h"

#include "engine/cArray.h"
#include "session/GameContext.h"
#include "session/MoveDriver.h"

#include <algorithm>

namespace cardova {

cTrans::cTrans(GameContext &ctx) : ctx_(ctx), records_(size_t(TransCap) + 1) {}

void cTrans::SaveTrans(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos,
                       int16_t mCards, int32_t tMod)
{
    // Callers leave room before they act (freeMoves); a full log never wraps.
    if (TransPos >= kMaxMoves)
        return;
    ++TransPos;
    TransTop = TransPos;
    if (TransCap < TransPos) {
        TransCap = int16_t(std::min(int(TransCap) + 100, kMaxMoves));
        records_.resize(size_t(TransCap) + 1);
    }
    const cCard &card = ctx_.cards[size_t(picId)];
    TransRecord &r = records_[size_t(TransPos)];
    r.PicID = picId;
    r.SCell = card.Cell;
    r.SPile = card.Pile;
    r.SPos = card.Pos;
    r.DCell = dCell;
    r.DPile = dPile;
    r.DPos = dPos;
    r.mCards = mCards;
    r.tMod = tMod;
    r.Multi = MultiFlag;
}

void cTrans::loadRecords(const std::vector<TransRecord> &records, int16_t pos)
{
    const int count = int(std::min(records.size(), size_t(kMaxMoves)));
    // The capacity grows in hundreds, as SaveTrans grows it.
    TransCap = int16_t(std::min(std::max(100, (count + 99) / 100 * 100), kMaxMoves));
    records_.assign(size_t(TransCap) + 1, TransRecord{});
    std::copy_n(records.begin(), count, records_.begin() + 1);
    TransTop = int16_t(count);
    TransPos = int16_t(std::clamp(int(pos), 0, count));
    MultiFlag = 0;
}

int cTrans::turnBacksMade() const
{
    int made = 0;
    for (int i = 1; i <= TransPos; ++i) {
        const TransRecord &r = records_[size_t(i)];
        made += r.tMod == kModeRecycle && r.Multi != 1;
    }
    return made;
}

void cTrans::EndMulti()
{
    records_[size_t(TransPos)].Multi = 0;
    MultiFlag = 0;
}

bool cTrans::Undo(int16_t &speed)
{
    ActionScope action(ctx_);
    for (;;) {
        if (TransPos < 1 || !ctx_.tableLive())
            return false;
        const TransRecord r = records_[size_t(TransPos)];
        if (r.Multi == 1)
            speed = 4;
        if (speed > 4)
            ctx_.PlaySound(SoundEvent::Undo);
        if (r.tMod == kModeUncover) {
            const int16_t below = ctx_.table.GetPicID(r.SCell, r.SPile, r.SPos - 1);
            if (below >= 0)
                ctx_.cards[size_t(below)].FaceMode = kFaceDown;
        }
        int32_t mode = kModeLog;
        MoveCard(ctx_, r.PicID, r.SCell, r.SPile, r.SPos, mode, speed, r.mCards,
                            ctx_.cards[size_t(r.PicID)].FaceMode);
        if (r.tMod == kModeStock)
            ctx_.cards[size_t(r.PicID)].FaceMode = kFaceDown;
        else if (r.tMod == kModeRecycle)
            ctx_.cards[size_t(r.PicID)].FaceMode = kFaceUp;
        --TransPos;
        if (records_[size_t(TransPos)].Multi != 1) {
            ctx_.surface().tableChanged();
            return true;
        }
    }
}

bool cTrans::Redo(int16_t &speed)
{
    ActionScope action(ctx_);
    for (;;) {
        if (TransPos == TransTop || !ctx_.tableLive())
            return false;
        if (records_[size_t(TransPos)].Multi == 1)
            speed = 4;
        ++TransPos;
        const TransRecord r = records_[size_t(TransPos)];
        if (speed > 4)
            ctx_.PlaySound(SoundEvent::Redo);
        int32_t mode = kModeLog;
        MoveCard(ctx_, r.PicID, r.DCell, r.DPile, r.DPos, mode, speed, r.mCards,
                            ctx_.cards[size_t(r.PicID)].FaceMode);
        if (r.tMod == kModeUncover) {
            const int16_t below = ctx_.table.GetPicID(r.SCell, r.SPile, r.SPos - 1);
            if (below >= 0)
                ctx_.cards[size_t(below)].FaceMode = kFaceUp;
        }
        if (r.tMod == kModeStock)
            ctx_.cards[size_t(r.PicID)].FaceMode = kFaceUp;
        else if (r.tMod == kModeRecycle)
            ctx_.cards[size_t(r.PicID)].FaceMode = kFaceDown;
        if (r.Multi != 1) {
            ctx_.surface().tableChanged();
            return true;
        }
    }
}

void cTrans::UndoAll(int16_t &speed)
{
    while (TransPos >= 1 && ctx_.tableLive())
        Undo(speed);
}

void cTrans::RedoAll(int16_t &speed)
{
    while (TransPos != TransTop && ctx_.tableLive())
        Redo(speed);
}

QString cTrans::ConvertCell(int cell)
{
    switch (cell) {
    case kTableau: return QStringLiteral("Tableau");
    case kStock: return QStringLiteral("Stock");
    case kWaste: return QStringLiteral("Waste");
    case kFoundation: return QStringLiteral("Foundation");
    case kReserve: return QStringLiteral("Reserve");
    case kFreeCell: return QStringLiteral("Cell");
    default: return {};
    }
}

std::vector<HistoryRow> cTrans::CreateLV() const
{
    std::vector<HistoryRow> rows;
    rows.reserve(size_t(TransTop));
    // The return type is spelled out: deduced, it would be a string builder
    // that refers to temporaries gone by the time it is read.
    const auto place = [](int cell, int pile, int pos) -> QString {
        return ConvertCell(cell) + QStringLiteral(" (Pile %1, Card %2)").arg(pile + 1).arg(pos + 1);
    };
    for (int i = 1; i <= TransTop; ++i) {
        const TransRecord &r = records_[size_t(i)];
        HistoryRow row{i, place(r.SCell, r.SPile, r.SPos), place(r.DCell, r.DPile, r.DPos),
                       r.mCards + 1, HistoryRow::Mark::None};
        if (i == TransPos)
            row.mark = HistoryRow::Mark::Current;
        else if (i > TransPos)
            row.mark = HistoryRow::Mark::Redo;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace cardova
