#pragma once
// The rules summary of the selection dialog: the game's name, a
// "Foundation" group and a "Tableau" group of labels, and for a game with
// rules beyond the eight values a "More Rules" group of plain sentences.
#include <QWidget>

class QGroupBox;
class QLabel;

namespace cardova::ui {

struct RulesTexts;

class RulesPanel : public QWidget {
    Q_OBJECT
public:
    explicit RulesPanel(QWidget *parent = nullptr);
    void showRules(const RulesTexts &texts);
    // The height the "More Rules" sentences of these texts take at the
    // panel's present width; 0 when the game has none. Measured, not shown.
    int moreRulesHeight(const RulesTexts &texts) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Asks for the height the wrapped sentences need at the present width.
    void fitHeight();
    QLabel *label(const char *objectName);

    QLabel *name_;
    QLabel *problem_;
    QGroupBox *foundation_;
    QGroupBox *tableau_;
    QGroupBox *more_;
    QLabel *moreRules_;
    QLabel *gOrder_, *gBase_, *gCards_;
    QLabel *hPiles_, *hOrder_, *hSpace_, *hAK_, *hMulti_;
};

} // namespace cardova::ui
