#include "WindowFixture.h"

#include "ui/windows/frmCustomize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>

using namespace cardova;
using namespace cardova::test;

namespace {
class CustomizeTest : public WindowFixture {
protected:
    std::unique_ptr<ui::frmCustomize> open()
    {
        auto d = std::make_unique<ui::frmCustomize>(*ctx, *art, window.get());
        d->hooks.ask = [this](const QString &q) {
            questions << q;
            return answer;
        };
        d->hooks.inform = [this](const QString &m) { messages << m; };
        return d;
    }
    template <typename T>
    T *find(ui::frmCustomize &d, const char *name)
    {
        return d.findChild<T *>(QLatin1String(name));
    }
    QTreeWidgetItem *node(QTreeWidget *tree, const QString &text)
    {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    QStringList questions;
    bool answer = true;
};
} // namespace

TEST_F(CustomizeTest, FreshStoreOpensWithTheDefaults)
{
    ctx->data.ClearRecent();
    auto d = open();
    EXPECT_EQ(find<QSlider>(*d, "Slider1")->value(), 45);
    EXPECT_EQ(find<QSlider>(*d, "Slider2")->value(), 45);
    EXPECT_EQ(find<QSlider>(*d, "Slider3")->value(), 48);
    EXPECT_EQ(find<QSlider>(*d, "Slider4")->value(), 43);
    EXPECT_EQ(find<QTreeWidget>(*d, "tvBGround")->currentItem()->text(0), "Dark Green");
    EXPECT_TRUE(find<QCheckBox>(*d, "chkFade")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(*d, "chkFade")->isEnabled());
    EXPECT_FALSE(find<QPushButton>(*d, "cmdCustom")->isEnabled());
    EXPECT_EQ(find<QTreeWidget>(*d, "tvDeck")->currentItem()->text(0), "Misc 01");
    EXPECT_FALSE(find<QPushButton>(*d, "cmdClearRecent")->isEnabled());
    auto *sounds = find<QTreeWidget>(*d, "lvSound");
    ASSERT_EQ(sounds->topLevelItemCount(), 7);
    for (int i = 0; i < 7; ++i) {
        const QString row = sounds->topLevelItem(i)->text(0);
        const bool on = sounds->topLevelItem(i)->checkState(0) == Qt::Checked;
        EXPECT_EQ(on, row != "Card Up" && row != "Card Down") << row.toStdString();
    }
    auto *range = find<QComboBox>(*d, "imcRange");
    ASSERT_EQ(range->count(), 15);
    EXPECT_EQ(range->itemText(0), "9");
    EXPECT_EQ(range->itemText(3), "9,999");
    EXPECT_EQ(range->currentIndex(), 14);
}

TEST_F(CustomizeTest, OkStoresWhatTheDialogHolds)
{
    auto d = open();
    find<QSlider>(*d, "Slider1")->setValue(50); // the right end stores speed 0
    find<QSlider>(*d, "Slider2")->setValue(0);
    auto *sounds = find<QTreeWidget>(*d, "lvSound");
    sounds->topLevelItem(1)->setCheckState(0, Qt::Checked); // "Card Up"
    sounds->topLevelItem(6)->setCheckState(0, Qt::Unchecked); // "Game Won"
    auto *decks = find<QTreeWidget>(*d, "tvDeck");
    QTreeWidgetItem *nature = node(decks, QStringLiteral("Nature 02"));
    ASSERT_TRUE(nature);
    Q_EMIT decks->itemClicked(nature, 0);
    auto *backgrounds = find<QTreeWidget>(*d, "tvBGround");
    QTreeWidgetItem *custom = node(backgrounds, QStringLiteral("Custom Color"));
    ASSERT_TRUE(custom);
    Q_EMIT backgrounds->itemClicked(custom, 0);
    EXPECT_TRUE(find<QPushButton>(*d, "cmdCustom")->isEnabled());
    d->chooseColor = [](const QColor &) { return std::optional<QColor>(QColor(10, 20, 30)); };
    find<QPushButton>(*d, "cmdCustom")->click();
    find<QCheckBox>(*d, "chkFade")->click(); // off
    find<QPushButton>(*d, "cmdOK")->click();

    EXPECT_EQ(ctx->data.CardSpeed(), 0);
    EXPECT_EQ(ctx->data.UndoSpeed(), 50);
    EXPECT_EQ(ctx->data.intSetting(IntKey::SoundCardUp), -1);
    EXPECT_EQ(ctx->data.intSetting(IntKey::SoundWin), 0);
    EXPECT_EQ(ctx->data.DeckIndex(), 542);
    EXPECT_EQ(ctx->data.BGIndex(), 1000);
    EXPECT_EQ(ctx->data.CustomColor(), 10 | (20 << 8) | (30 << 16));
    EXPECT_EQ(ctx->data.Fade(), 0);
}

TEST_F(CustomizeTest, PictureBackgroundsHaveNoFadeAndCancelStoresOnlyWhatActsAtOnce)
{
    auto d = open();
    auto *backgrounds = find<QTreeWidget>(*d, "tvBGround");
    Q_EMIT backgrounds->itemClicked(node(backgrounds, QStringLiteral("Wood 02")), 0);
    EXPECT_FALSE(find<QCheckBox>(*d, "chkFade")->isEnabled());
    EXPECT_FALSE(find<QPushButton>(*d, "cmdCustom")->isEnabled());
    EXPECT_EQ(d->ChosenBG, 72);
    Q_EMIT backgrounds->itemClicked(node(backgrounds, QStringLiteral("Wood")), 0); // a group
    EXPECT_EQ(d->ChosenBG, 72);
    auto *range = find<QComboBox>(*d, "imcRange");
    Q_EMIT range->activated(4);
    find<QCheckBox>(*d, "chkTime")->click();
    auto *keep = find<QCheckBox>(*d, "chkContinue");
    EXPECT_FALSE(keep->isChecked());
    keep->click();
    auto *fit = find<QCheckBox>(*d, "chkFitTable");
    EXPECT_TRUE(fit->isChecked());
    fit->click();
    find<QPushButton>(*d, "cmdCancel")->click();
    EXPECT_EQ(ctx->data.ContinueGame(), 1);
    EXPECT_EQ(ctx->data.FitTable(), 0);
    EXPECT_TRUE(open()->findChild<QCheckBox *>(QStringLiteral("chkContinue"))->isChecked());
    EXPECT_FALSE(open()->findChild<QCheckBox *>(QStringLiteral("chkFitTable"))->isChecked());
    EXPECT_EQ(ctx->data.RangeIndex(), 5);
    EXPECT_EQ(ctx->data.ShowTime(), 0);
    EXPECT_EQ(ctx->data.BGIndex(), 1007);
    EXPECT_EQ(ctx->data.Fade(), 1);
}

TEST_F(CustomizeTest, ClearingTheRecentListAndTheStatistics)
{
    window->startGame(QStringLiteral("Lawn"), GameNumber::fromNumber(1));
    window->startGame(QStringLiteral("Lawn"), GameNumber::fromNumber(2)); // records game 1
    auto d = open();
    auto *clear = find<QPushButton>(*d, "cmdClearRecent");
    ASSERT_TRUE(clear->isEnabled());
    answer = false;
    clear->click();
    EXPECT_EQ(ctx->data.RecentCount(), 1);
    answer = true;
    clear->click();
    EXPECT_EQ(ctx->data.RecentCount(), 0);
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_EQ(messages.last(), "Recent Games List has been Cleared.");

    const QString out = dataDir() + "board.txt";
    d->hooks.chooseExportFile = [&] { return out; };
    find<QPushButton>(*d, "cmdExportStat")->click();
    EXPECT_EQ(messages.last(), "Statistics Successfully Exported to " + out);
    EXPECT_TRUE(QFile::exists(out));

    const QString scores = ctx->scores.scoreFilePath(ctx->data.CurPlayer());
    ASSERT_TRUE(QFile::exists(scores));
    find<QPushButton>(*d, "cmdClearStat")->click();
    EXPECT_FALSE(QFile::exists(scores));
    EXPECT_EQ(messages.last(), "Statistics, High Score and Log have been Cleared.");
    window->table()->show();
    d->show();
    ASSERT_TRUE(d->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/customize.png")));
    auto *tabs = find<QTabWidget>(*d, "SSTab1");
    tabs->setCurrentIndex(1);
    ASSERT_TRUE(d->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/customize-background.png")));
    tabs->setCurrentIndex(2);
    ASSERT_TRUE(d->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/customize-decks.png")));
    tabs->setCurrentIndex(3);
    ASSERT_TRUE(d->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/customize-sounds.png")));
}
