#include "DialogTestSupport.h"

#include "rules/GameRecord.h"
#include "rules/RuleKinds.h"

#include <QFile>

namespace cardova::test {

QStringList rowTexts(const QTreeWidget &list)
{
    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list.columnCount(); ++c)
            cells << list.topLevelItem(i)->text(c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList entries(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

void choose(QComboBox &combo, const QString &text)
{
    const int index = combo.findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo.setCurrentIndex(index);
}

void DialogFixture::SetUp()
{
    ContextFixture::SetUp();
    clock_ = QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0));
    ctx->now = [this] { return clock_; };
    ctx->animate = false;
    ctx->data.SetPlayer(1, QStringLiteral("Ann"), true);
    ctx->data.SetPlayer(2, QStringLiteral("Bob"), false);
}

void DialogFixture::addScoreLine(const QString &player, const QByteArray &line)
{
    QFile f(ctx->scores.scoreFilePath(player));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(line + "\r\n");
}

void DialogFixture::saveManyRulesVariant(int piles)
{
    GameRecord variant;
    variant.hPiles = int16_t(piles);
    variant.draw = 3;
    variant.redeals = 2;
    variant.cells = 2;
    variant.cellCards = 1;
    variant.reserveCards = 8;
    variant.reserveFills = true;
    variant.moves = TableauMoves::WholePiles;
    ASSERT_EQ(ctx->custom.SaveGame(QStringLiteral("Harbour Lights"), variant), "");
}

} // namespace cardova::test
