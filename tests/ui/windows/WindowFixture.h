#pragma once
#include "TestSupport.h"

#include "ui/appearance/Appearance.h"
#include "ui/windows/TableView.h"
#include "ui/windows/frmMain.h"

#include <QAction>
#include <memory>

namespace cardova::test {

// A main window over a context of its own, with messages caught.
class WindowFixture : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        art = std::make_unique<ui::Appearance>(ctx->data);
        window = std::make_unique<ui::frmMain>(*ctx, *art);
        window->inform = [this](const QString &text) { messages << text; };
        window->openSelect = [this] { opened << QStringLiteral("select"); };
        window->openChoose = [this] { opened << QStringLiteral("choose"); };
        window->openHighScore = [this] { opened << QStringLiteral("highscore"); };
        window->table()->setFrameInterval(0);
        window->resize(1100, 800);
    }
    void TearDown() override
    {
        window.reset();
        art.reset();
        ContextFixture::TearDown();
    }
    QAction *item(const char *menu, int index) { return window->menuItem(QLatin1String(menu), index); }
    QAction *counter(const char *name) { return window->findChild<QAction *>(QLatin1String(name)); }
    void refresh()
    {
        window->RefreshCommands();
        window->RefreshToolbar();
    }

    std::unique_ptr<ui::Appearance> art;
    std::unique_ptr<ui::frmMain> window;
    QStringList messages;
    QStringList opened; // dialogs the window asked for
};

} // namespace cardova::test
