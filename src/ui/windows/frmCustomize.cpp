#include "ui/windows/frmCustomize.h"

#include "session/GameContext.h"
#include "ui/appearance/Appearance.h"
#include "ui/appearance/Colors.h"
#include "ui/appearance/PictureGroups.h"
#include "ui/dialogs/GameNumberCheck.h"
#include "ui/windows/AppIcon.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
constexpr int kValueRole = Qt::UserRole + 1;
const QSize kPreview(180, 130);

struct SoundRow {
    const char *text;
    IntKey key;
};
const SoundRow kSounds[] = {{"Initial Shuffle", IntKey::SoundStart}, {"Card Up", IntKey::SoundCardUp},
                            {"Card Down", IntKey::SoundCardDown},    {"Autoplay Move", IntKey::SoundAutoPlay},
                            {"Undo", IntKey::SoundUndo},             {"Redo", IntKey::SoundRedo},
                            {"Game Won", IntKey::SoundWin}};
const IntKey kSpeeds[4] = {IntKey::CardSpeed, IntKey::UndoSpeed, IntKey::UndoallSpeed, IntKey::ReplaySpeed};
const char *const kSpeedFrames[4] = {"Card Moving Speed", "Undo/Redo Speed", "Undoall/Redoall Speed",
                                     "Replay Speed"};

QTreeWidgetItem *valueNode(QTreeWidgetItem *parent, const QString &text, int value)
{
    auto *item = new QTreeWidgetItem(parent, {text});
    item->setData(0, kValueRole, value);
    return item;
}

// Selects the node carrying `value`, if any.
void selectValue(QTreeWidget *tree, int value)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, kValueRole).isValid() && (*it)->data(0, kValueRole).toInt() == value) {
            tree->setCurrentItem(*it);
            tree->scrollToItem(*it);
            return;
        }
}

} // namespace

frmCustomize::frmCustomize(GameContext &ctx, Appearance &appearance, QWidget *parent)
    : QDialog(parent), ctx_(ctx), art_(appearance)
{
    setObjectName(QStringLiteral("frmCustomize"));
    setWindowTitle(QStringLiteral("Customize"));
    setWindowIcon(applicationIcon());
    hooks = StatHooks::boxes(this, ctx_.data.ProdName());
    chooseColor = [this](const QColor &current) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(current, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildGeneral(), QStringLiteral("General"));
    tabs_->addTab(buildBackground(), QStringLiteral("Background"));
    tabs_->addTab(buildDecks(), QStringLiteral("Decks"));
    tabs_->addTab(buildSpeedsAndSounds(), QStringLiteral("Animation && Sounds"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &frmCustomize::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    tabs_->setCurrentIndex(0);
    LoadDisplayTab();
    LoadBackgrounds();
    LoadSpeeds();
    LoadSounds();
    LoadDecks();
    cmdClearRecent_->setEnabled(ctx_.data.RecentCount() > 0);
}

QWidget *frmCustomize::buildGeneral()
{
    auto *page = new QWidget(this);
    auto *recent = new QGroupBox(QStringLiteral("Recent List"), page);
    cmdClearRecent_ = new QPushButton(QStringLiteral("Clear"), recent);
    cmdClearRecent_->setObjectName(QStringLiteral("cmdClearRecent"));
    auto *recentRow = new QHBoxLayout(recent);
    recentRow->addWidget(new QLabel(QStringLiteral("Clear  Recent Games List"), recent));
    recentRow->addStretch();
    recentRow->addWidget(cmdClearRecent_);
    connect(cmdClearRecent_, &QPushButton::clicked, this, &frmCustomize::clearRecent);

    auto *range = new QGroupBox(QStringLiteral("Random Range"), page);
    imcRange_ = new QComboBox(range);
    imcRange_->setObjectName(QStringLiteral("imcRange"));
    auto *rangeRow = new QHBoxLayout(range);
    rangeRow->addWidget(new QLabel(QStringLiteral("Random Range Selection between 0 and "), range));
    rangeRow->addWidget(imcRange_, 1);
    connect(imcRange_, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { ctx_.data.setIntSetting(IntKey::RangeIndex, int16_t(index + 1)); });

    chkTime_ = new QCheckBox(QStringLiteral("Show Time"), page);
    chkTime_->setObjectName(QStringLiteral("chkTime"));
    chkScore_ = new QCheckBox(QStringLiteral("Show Score"), page);
    chkScore_->setObjectName(QStringLiteral("chkScore"));
    chkMoves_ = new QCheckBox(QStringLiteral("Show Moves"), page);
    chkMoves_->setObjectName(QStringLiteral("chkMoves"));
    const std::pair<QCheckBox *, IntKey> shows[] = {
        {chkTime_, IntKey::ShowTime}, {chkScore_, IntKey::ShowScore}, {chkMoves_, IntKey::ShowMoves}};
    auto *showRow = new QHBoxLayout;
    for (auto [box, key] : shows) {
        showRow->addWidget(box);
        connect(box, &QCheckBox::clicked, this,
                [this, key = key](bool on) { ctx_.data.setIntSetting(key, on ? 1 : 0); });
    }

    // Applies at once, like the other General settings: the next close of
    // the main window keeps the game on the table.
    chkContinue_ = new QCheckBox(QStringLiteral("Continue the game at the next start"), page);
    chkContinue_->setObjectName(QStringLiteral("chkContinue"));
    connect(chkContinue_, &QCheckBox::clicked, this,
            [this](bool on) { ctx_.data.setIntSetting(IntKey::ContinueGame, on ? 1 : 0); });

    // Applies at once too; the main window arranges its table when the
    // dialog closes.
    chkFitTable_ = new QCheckBox(QStringLiteral("Fit table to window"), page);
    chkFitTable_->setObjectName(QStringLiteral("chkFitTable"));
    connect(chkFitTable_, &QCheckBox::clicked, this,
            [this](bool on) { ctx_.data.setIntSetting(IntKey::FitTable, on ? 1 : 0); });

    auto *stats = new QGroupBox(QStringLiteral("Game Statistics"), page);
    auto *exportButton = new QPushButton(QStringLiteral("Export Statistics"), stats);
    exportButton->setObjectName(QStringLiteral("cmdExportStat"));
    auto *clearButton = new QPushButton(QStringLiteral("Clear Statistics"), stats);
    clearButton->setObjectName(QStringLiteral("cmdClearStat"));
    clearButton->setAutoDefault(false); // Enter never deletes scores
    auto *statsRow = new QHBoxLayout(stats);
    statsRow->addWidget(exportButton);
    statsRow->addWidget(clearButton);
    statsRow->addStretch();
    connect(exportButton, &QPushButton::clicked, this, [this] { ExportStatistics(ctx_, hooks); });
    connect(clearButton, &QPushButton::clicked, this, [this] { ClearStatistics(ctx_, hooks); });

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(recent);
    layout->addWidget(range);
    layout->addLayout(showRow);
    layout->addWidget(chkContinue_);
    layout->addWidget(chkFitTable_);
    layout->addWidget(stats);
    layout->addStretch();
    return page;
}

QWidget *frmCustomize::buildBackground()
{
    auto *page = new QWidget(this);
    tvBGround_ = new QTreeWidget(page);
    tvBGround_->setObjectName(QStringLiteral("tvBGround"));
    tvBGround_->setHeaderHidden(true);
    Picture1_ = new QLabel(page);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setFixedSize(kPreview);
    cmdCustom_ = new QPushButton(QStringLiteral("Colors.."), page);
    cmdCustom_->setObjectName(QStringLiteral("cmdCustom"));
    chkFade_ = new QCheckBox(QStringLiteral("Fade Background"), page);
    chkFade_->setObjectName(QStringLiteral("chkFade"));
    connect(tvBGround_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { backgroundClicked(item); });
    connect(cmdCustom_, &QPushButton::clicked, this, &frmCustomize::pickColor);
    connect(chkFade_, &QCheckBox::clicked, this, [this](bool on) {
        ChosenFade = on ? 1 : 0;
        PreviewBackground();
    });
    auto *side = new QVBoxLayout;
    side->addWidget(Picture1_);
    side->addWidget(cmdCustom_);
    side->addWidget(chkFade_);
    side->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(tvBGround_, 1);
    layout->addLayout(side);
    return page;
}

QWidget *frmCustomize::buildDecks()
{
    auto *page = new QWidget(this);
    tvDeck_ = new QTreeWidget(page);
    tvDeck_->setObjectName(QStringLiteral("tvDeck"));
    tvDeck_->setHeaderHidden(true);
    picDeckBack_ = new QLabel(page);
    picDeckBack_->setObjectName(QStringLiteral("picDeckBack"));
    picDeckBack_->setFixedSize(kPreview);
    connect(tvDeck_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->data(0, kValueRole).isValid())
            PreviewDeck(item->data(0, kValueRole).toInt());
    });
    auto *side = new QVBoxLayout;
    side->addWidget(picDeckBack_);
    side->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(tvDeck_, 1);
    layout->addLayout(side);
    return page;
}

QWidget *frmCustomize::buildSpeedsAndSounds()
{
    auto *page = new QWidget(this);
    auto *speeds = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *frame = new QGroupBox(QString::fromLatin1(kSpeedFrames[i]), page);
        QSlider *slider = new QSlider(Qt::Horizontal, frame);
        slider->setObjectName(QStringLiteral("Slider%1").arg(i + 1));
        slider->setRange(0, 50);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        auto *row = new QHBoxLayout(frame);
        row->addWidget(new QLabel(QStringLiteral("Slow"), frame));
        row->addWidget(slider, 1);
        row->addWidget(new QLabel(QStringLiteral("Fast"), frame));
        sliders_[size_t(i)] = slider;
        speeds->addWidget(frame);
    }
    lvSound_ = new QTreeWidget(page);
    lvSound_->setObjectName(QStringLiteral("lvSound"));
    lvSound_->setHeaderLabels({QStringLiteral("Select Sound")});
    lvSound_->setRootIsDecorated(false);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(speeds, 3);
    layout->addWidget(lvSound_, 2);
    return page;
}

void frmCustomize::LoadDisplayTab()
{
    const QLocale locale;
    for (int i = 1; i <= 15; ++i)
        imcRange_->addItem(formatGameNo(MaxGameNo(int16_t(i)), locale));
    const int range = ctx_.data.RangeIndex();
    if (range >= 1 && range <= 15)
        imcRange_->setCurrentIndex(range - 1);
    chkTime_->setChecked(ctx_.data.ShowTime() != 0);
    chkScore_->setChecked(ctx_.data.ShowScore() != 0);
    chkMoves_->setChecked(ctx_.data.ShowMoves() != 0);
    chkContinue_->setChecked(ctx_.data.ContinueGame() != 0);
    chkFitTable_->setChecked(ctx_.data.FitTable() != 0);
}

void frmCustomize::LoadBackgrounds()
{
    ChosenBG = ctx_.data.BGIndex();
    ChosenFade = ctx_.data.Fade();
    ChosenColor = ctx_.data.CustomColor();
    cmdCustom_->setEnabled(ChosenBG == 1000);
    chkFade_->setEnabled(ChosenBG >= 1000);
    PreviewBackground();
    chkFade_->setChecked(ChosenFade != 0);

    auto *root = new QTreeWidgetItem(tvBGround_, {QStringLiteral("Backgrounds")});
    auto *colours = new QTreeWidgetItem(root, {QStringLiteral("Colors")});
    valueNode(colours, QStringLiteral("Custom Color"), 1000);
    for (int index = 1001; index <= 1020; ++index)
        if (const auto c = GetCol(index))
            valueNode(colours, c->name, index);
    for (const PictureGroup &group : backgroundGroups()) {
        auto *node = new QTreeWidgetItem(root, {group.name});
        for (int n = 0; n < group.ids.size(); ++n)
            valueNode(node, pictureEntryText(group.name, n + 1), group.ids[n]);
    }
    root->setExpanded(true);
    selectValue(tvBGround_, ChosenBG);
}

void frmCustomize::LoadSpeeds()
{
    for (int i = 0; i < 4; ++i)
        sliders_[size_t(i)]->setValue(50 - ctx_.data.intSetting(kSpeeds[i]));
}

void frmCustomize::LoadSounds()
{
    for (const SoundRow &row : kSounds) {
        auto *item = new QTreeWidgetItem(lvSound_, {QString::fromLatin1(row.text)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, ctx_.data.intSetting(row.key) != 0 ? Qt::Checked : Qt::Unchecked);
    }
}

void frmCustomize::LoadDecks()
{
    ChosenDeck = ctx_.data.DeckIndex();
    auto *root = new QTreeWidgetItem(tvDeck_, {QStringLiteral("Decks")});
    for (const PictureGroup &group : deckGroups()) {
        auto *node = new QTreeWidgetItem(root, {group.name});
        for (int n = 0; n < group.ids.size(); ++n)
            valueNode(node, pictureEntryText(group.name, n + 1), group.ids[n]);
    }
    root->setExpanded(true);
    selectValue(tvDeck_, ChosenDeck);
    PreviewDeck(ChosenDeck);
}

void frmCustomize::PreviewBackground()
{
    Picture1_->setPixmap(art_.background(ChosenBG, kPreview, ChosenFade, ChosenColor));
    PreviewDeck(ChosenDeck);
}

void frmCustomize::PreviewDeck(int deck)
{
    ChosenDeck = deck;
    QPixmap preview = art_.background(ChosenBG, kPreview, ChosenFade, ChosenColor).copy();
    QPixmap back = art_.GetPic(deck);
    if (!back.isNull()) {
        QPainter p(&preview);
        const QSizeF size = back.deviceIndependentSize();
        p.drawPixmap(QPointF((kPreview.width() - size.width()) / 2, (kPreview.height() - size.height()) / 2), back);
    }
    picDeckBack_->setPixmap(preview);
}

void frmCustomize::backgroundClicked(QTreeWidgetItem *item)
{
    cmdCustom_->setEnabled(false);
    chkFade_->setEnabled(false);
    if (!item || !item->data(0, kValueRole).isValid())
        return; // a group: the choice stays as it was
    ChosenBG = item->data(0, kValueRole).toInt();
    PreviewBackground();
    cmdCustom_->setEnabled(ChosenBG == 1000);
    chkFade_->setEnabled(ChosenBG >= 1000);
}

void frmCustomize::pickColor()
{
    const QColor current(ChosenColor & 0xFF, (ChosenColor >> 8) & 0xFF, (ChosenColor >> 16) & 0xFF);
    if (const auto c = chooseColor(current)) {
        ChosenColor = c->red() | (c->green() << 8) | (c->blue() << 16);
        PreviewBackground();
    }
}

void frmCustomize::clearRecent()
{
    if (!hooks.ask(QStringLiteral("Are you sure you want to clear the Recent Games List ?")))
        return;
    ctx_.data.ClearRecent();
    cmdClearRecent_->setEnabled(false);
    hooks.inform(QStringLiteral("Recent Games List has been Cleared."));
}

void frmCustomize::save()
{
    for (int i = 0; i < 4; ++i)
        ctx_.data.setIntSetting(kSpeeds[i], int16_t(50 - sliders_[size_t(i)]->value()));
    for (int i = 0; i < lvSound_->topLevelItemCount(); ++i)
        ctx_.data.setIntSetting(kSounds[i].key, lvSound_->topLevelItem(i)->checkState(0) == Qt::Checked ? -1 : 0);
    ctx_.data.setIntSetting(IntKey::BGIndex, int16_t(ChosenBG));
    ctx_.data.setIntSetting(IntKey::Fade, int16_t(ChosenFade));
    ctx_.data.SetCustomColor(ChosenColor);
    ctx_.data.setIntSetting(IntKey::DeckIndex, int16_t(ChosenDeck));
    accept();
}

} // namespace cardova::ui
