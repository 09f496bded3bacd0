#include "ui/stats/StatActions.h"

#include "common/PrintableText.h"
#include "scores/StatPrompt.h"
#include "session/GameContext.h"
#include "ui/dialogs/DialogQuestion.h"
#include "ui/stats/StatTexts.h"

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
    h.ask = confirmBox(parent, title);
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
    QStringList unreadable;
    const QString shownPath = printableText(path);
    if (!ctx.scores.ExportStat(path, &error, &unreadable)) {
        hooks.inform(QStringLiteral("The statistics could not be exported to %1: %2")
                         .arg(shownPath, printableText(error)));
        return;
    }
    QString message = QStringLiteral("Statistics Successfully Exported to ") + shownPath;
    if (!unreadable.isEmpty())
        message += QStringLiteral("\n\n") + unreadableText(unreadable, QStringLiteral("the export"));
    hooks.inform(message);
}

bool ClearStatistics(GameContext &ctx, const StatHooks &hooks)
{
    bool answeredYes = false;
    StatHooks asked = hooks;
    asked.ask = [&](const QString &question) { return answeredYes = hooks.ask(question); };
    HookPrompt prompt(asked);
    ctx.scores.ClearStat(prompt);
    return answeredYes;
}

} // namespace cardova::ui
