#include "cli/CliCommands.h"

#include "cli/PlayActions.h"
#include "cli/TableJson.h"
#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/SolverRequest.h"
#include "solver/Solver.h"

#include <QStringList>
#include <cmath>

namespace cardova {

namespace {
constexpr double kDefaultSeconds = 10.0;

const char *verdictText(Verdict v)
{
    switch (v) {
    case Verdict::Winnable: return "winnable";
    case Verdict::NotWinnable: return "not winnable";
    case Verdict::Unknown: break;
    }
    return "unknown";
}

// The budget the options give, or an error text.
QString readBudget(const CliOptions &options, Budget *budget)
{
    budget->maxSeconds = kDefaultSeconds;
    if (options.seconds) {
        bool ok = false;
        const double seconds = options.seconds->toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds <= 0)
            return QStringLiteral("\"%1\" is not a number of seconds").arg(*options.seconds);
        budget->maxSeconds = seconds;
    }
    if (options.nodes) {
        bool ok = false;
        const qulonglong nodes = options.nodes->toULongLong(&ok);
        if (!ok || nodes == 0)
            return QStringLiteral("\"%1\" is not a number of positions").arg(*options.nodes);
        budget->maxNodes = nodes;
    }
    return {};
}
} // namespace

int runSolve(const QStringList &args)
{
    CliOptions options;
    if (const auto stop = parseCliOptions(QStringLiteral("solve"), args, &options))
        return *stop;
    if (options.positional.size() < 2)
        return cliFail(QStringLiteral("solve takes GAME NUMBER [ACTION...]"));
    QString bad;
    const auto actions = parseActions(options.positional.mid(2), &bad);
    if (!actions)
        return cliFail(QStringLiteral("malformed action \"%1\"").arg(bad));
    Budget budget;
    const QString budgetProblem = readBudget(options, &budget);
    if (!budgetProblem.isEmpty())
        return cliFail(budgetProblem);
    auto ctx = makeCliContext(options);
    const QString problem = startFromArgs(*ctx, options.positional[0], options.positional[1]);
    if (!problem.isEmpty())
        return cliFail(problem);
    for (const PlayAction &action : *actions)
        performPlayAction(*ctx, action);

    const bool autoplay = autoplayFollows(*ctx);
    budget.logRoom = lineLogRoom(*ctx);
    // The position as the driver sees it: with the turn-backs the actions used.
    const Rules rules = currentRules(*ctx);
    const SolveResult result = solve(currentPosition(*ctx, rules), rules, autoplay, budget);
    QStringList line;
    for (const Move &m : result.line)
        line << JsonText::quote(actionText(m));
    QString out = QStringLiteral("{\"game\": ") + JsonText::quote(ctx->data.CurGName());
    out += QStringLiteral(", \"number\": ") + JsonText::quote(ctx->data.CurGNo().toText());
    out += QStringLiteral(", \"autoplay\": ") + (autoplay ? QStringLiteral("true") : QStringLiteral("false"));
    out += QStringLiteral(", \"verdict\": ") + JsonText::quote(QString::fromLatin1(verdictText(result.verdict)));
    out += QStringLiteral(", \"line\": [") + line.join(QStringLiteral(", ")) + QLatin1Char(']');
    out += QStringLiteral(", \"nodes\": %1").arg(result.nodes);
    out += QStringLiteral(", \"seconds\": ") + QString::number(result.seconds, 'f', 3);
    out += QLatin1Char('}');
    printLine(out);
    return 0;
}

} // namespace cardova
