#include "session/GameContext.h"

#include "engine/Input.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

namespace cardova {

bool MemoryScores::AddScore(int16_t mWon)
{
    entries.push_back({mWon, data_.CurGName(), data_.CurGNo().toText(), data_.CurTime,
                       data_.CurMoves, data_.CurScore, data_.CurPlayer()});
    return true;
}

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

GameContext::GameContext(std::unique_ptr<cData> d)
    : data(*d), table(*this), custom(*d, games, table), scores(*d), ownedData_(std::move(d)),
      memoryScores_(data)
{
    games.attachTable(&table);
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

void GameContext::runDeferred()
{
    if (draining_)
        return;
    draining_ = true;
    while (!deferred_.empty()) {
        auto action = std::move(deferred_.front());
        deferred_.pop_front();
        action();
    }
    draining_ = false;
}

} // namespace cardova
