#include "ui/stats/StatActions.h"

#include "scores/StatPrompt.h"
#include "session/GameContext.h"

#include <QFileDialog>
#include <QMessageBox>

namespace cardova::ui {

namespace {
class HookPrompt : public StatPrompt {
public:
    explicit HookPrompt(const StatHooks &hooks) : hooks_(hooks) {}
    bool ask(const QString &, const QString &question) override { return hooks_.ask(question); }
    void inform(const QString &, const QString &message) override { hooks_.inform(message); }

private:
    const StatHooks &hooks_;
};
} // namespace

StatHooks StatHooks::boxes(QWidget *parent, const QString &title)
{
    StatHooks h;
    h.ask = [parent, title](const QString &q) {
        return QMessageBox::question(parent, title, q, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    h.inform = [parent, title](const QString &m) { QMessageBox::information(parent, title, m); };
    h.chooseExportFile = [parent] {
        return QFileDialog::getSaveFileName(parent, QString(), QStringLiteral("Scoreboard"),
                                            QStringLiteral("Text File (*.txt)"));
    };
    return h;
}

void ExportStatistics(GameContext &ctx, const StatHooks &hooks)
{
    const QString path = hooks.chooseExportFile();
    if (path.isEmpty())
        return;
    QString error;
    if (ctx.scores.ExportStat(path, &error))
        hooks.inform(QStringLiteral("Statistics Successfully Exported to ") + path);
    else
        hooks.inform(QStringLiteral("The statistics could not be exported to %1: %2").arg(path, error));
}

void ClearStatistics(GameContext &ctx, const StatHooks &hooks)
{
    HookPrompt prompt(hooks);
    ctx.scores.ClearStat(prompt);
}

} // namespace cardova::ui
