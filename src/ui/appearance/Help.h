#pragma once
// Opens the help window: at its contents, or at the rules of a game (the
// topic is the game's id; a classic has its own page, other designed games
// get a page made from their file).
#include <QPointer>
#include <QString>
#include <QUrl>

class QWidget;

namespace cardova {
class cData;
class cCustom;
}

namespace cardova::ui {

class HelpViewer;

class Help {
public:
    // The help window belongs to `owner` (the main window), so it never
    // keeps the program running once the main window has closed.
    Help(cData &data, const cCustom &custom, QWidget *owner = nullptr);
    ~Help();
    Help(const Help &) = delete;
    Help &operator=(const Help &) = delete;

    void ShowContents();
    void ShowRules(const QString &gName);

    // The topic the last call opened: 0 the contents, else a game id.
    int lastTopic() const { return lastTopic_; }
    // The help window, or nullptr before the first call.
    HelpViewer *viewer() const { return viewer_; }

private:
    HelpViewer *ensureViewer();
    QString pageOf(const QString &gName) const;
    // The page ShowRules opens for a game; lastTopic_ is its id.
    QUrl rulesUrl(const QString &gName) const;

    cData &data_; // also remembers where the help window stood
    const cCustom &custom_;
    QPointer<QWidget> owner_;
    QPointer<HelpViewer> viewer_;
    int lastTopic_ = 0;
};

} // namespace cardova::ui
