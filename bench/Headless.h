#pragma once
// A game context over settings and data of its own in a temporary folder,
// without animation: what the benchmarks play on.
#include "session/GameContext.h"
#include "session/Lifecycle.h"

#include <QTemporaryDir>
#include <memory>

namespace cardova {

struct Headless {
    QTemporaryDir dir;
    std::unique_ptr<GameContext> ctx;
    Headless()
    {
        auto data = std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.path());
        data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
        ctx = std::make_unique<GameContext>(std::move(data));
        ctx->animate = false;
        InitMain(*ctx);
    }
};

} // namespace cardova
