#pragma once
// "Customize": what the main window shows, the range of random numbers, the
// recent list, the statistics, the background, the card back, the speeds and
// the sounds. Range, Show switches, clearing and statistics act at once; the
// rest is stored on OK.
#include "ui/stats/StatActions.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class Appearance;

class frmCustomize : public QDialog {
    Q_OBJECT
public:
    frmCustomize(GameContext &ctx, Appearance &appearance, QWidget *parent = nullptr);

    // Questions, messages and the export file: tests replace them.
    StatHooks hooks;
    std::function<std::optional<QColor>(const QColor &current)> chooseColor;

    int ChosenBG = 0;
    int ChosenFade = 0;
    int32_t ChosenColor = 0;
    int ChosenDeck = 0;

    // The OK steps (also the OK button).
    void save();

private:
    QWidget *buildGeneral();
    QWidget *buildBackground();
    QWidget *buildDecks();
    QWidget *buildSpeedsAndSounds();
    void LoadDisplayTab();
    void LoadBackgrounds();
    void LoadSpeeds();
    void LoadSounds();
    void LoadDecks();
    void PreviewBackground();
    void PreviewDeck(int deck);
    void backgroundClicked(QTreeWidgetItem *item);
    void clearRecent();
    void pickColor();

    GameContext &ctx_;
    Appearance &art_;
    QTabWidget *tabs_;
    QPushButton *cmdClearRecent_;
    QComboBox *imcRange_;
    QCheckBox *chkTime_, *chkScore_, *chkMoves_;
    QCheckBox *chkContinue_;
    QCheckBox *chkFitTable_;
    QTreeWidget *tvBGround_;
    QLabel *Picture1_;
    QPushButton *cmdCustom_;
    QCheckBox *chkFade_;
    QTreeWidget *tvDeck_;
    QLabel *picDeckBack_;
    std::array<QSlider *, 4> sliders_{};
    QTreeWidget *lvSound_;
};

} // namespace cardova::ui
