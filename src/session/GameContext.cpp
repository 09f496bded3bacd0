#include "session/GameContext.h"

#include "session/Input.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

namespace cardova {

void RecordWin::gameWon(GameContext &ctx)
{
    ++opened;
    ctx.PlaySound(SoundEvent::Win);
    EndGame(ctx, 1);
}

CommandScope::CommandScope(GameContext &c) : ActionScope(c)
{
    CancelDrag(c);
}

ActionScope::~ActionScope()
{
    if (--c_.actionDepth_ != 0)
        return;
    // The empty stock's mark tells at once whether a click on it does
    // anything; only an action changes that, so the clock's ticks leave it.
    RefreshStockMarker(c_);
    c_.surface().tableChanged();
    if (c_.winCheckDue) {
        c_.winCheckDue = false;
        CheckWin(c_);
    }
    c_.tableSettled();
}

GameContext::GameContext(std::unique_ptr<cData> d)
    : data(*d), table(games, cards, rng), custom(*d, games), scores(*d), ownedData_(std::move(d))
{
    games.attachTable(&table);
    table.setSurface(surface_);
    scores.setClock([this] { return now(); });
}

GameContext::~GameContext() = default;

Wave GameContext::waveFor(SoundEvent event)
{
    switch (event) {
    case SoundEvent::Start: return Wave::Start;
    case SoundEvent::CardUp: return Wave::CardUp;
    case SoundEvent::CardDown: return Wave::CardDown;
    case SoundEvent::AutoPlay: return Wave::AutoPlay;
    case SoundEvent::Undo:
    case SoundEvent::Redo: return Wave::Undo;
    case SoundEvent::Win:
    case SoundEvent::Count: break;
    }
    return Wave::Win;
}

void GameContext::PlaySound(SoundEvent event)
{
    static constexpr IntKey kSwitch[] = {IntKey::SoundStart,    IntKey::SoundCardUp,
                                         IntKey::SoundCardDown, IntKey::SoundAutoPlay,
                                         IntKey::SoundUndo,     IntKey::SoundRedo,
                                         IntKey::SoundWin};
    if (event == SoundEvent::Count)
        return;
    if (data.intSetting(kSwitch[size_t(event)]) == -1)
        sound_->play(waveFor(event));
}

} // namespace cardova
