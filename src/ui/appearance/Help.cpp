#include "ui/appearance/Help.h"

#include "ui/windows/WindowMemory.h"

#include "rules/ClassicGames.h"
#include "settings/cCustom.h"
#include "settings/cData.h"
#include "ui/appearance/HelpPages.h"
#include "ui/appearance/HelpViewer.h"
#include "ui/appearance/Resources.h"

namespace cardova::ui {

Help::Help(cData &data, const cCustom &custom, QWidget *owner)
    : data_(data), custom_(custom), owner_(owner)
{
    ensureResources();
}

Help::~Help() { delete viewer_.data(); }

HelpViewer *Help::ensureViewer()
{
    // A window of its own that stays beside the owner; it is made once and
    // reused.
    if (!viewer_) {
        viewer_ = new HelpViewer([this](const QString &gName) { return pageOf(gName); }, owner_.data());
        rememberGeometry(*viewer_, data_);
    }
    return viewer_;
}

QString Help::pageOf(const QString &gName) const
{
    GameRecord record;
    const QString problem = custom_.LoadRecord(gName, &record);
    return problem.isEmpty() ? customRulesHtml(gName, record) : unreadableGameHtml(gName, problem);
}

void Help::ShowContents()
{
    lastTopic_ = 0;
    ensureViewer()->showPage(contentsUrl());
}

void Help::ShowRules(const QString &gName)
{
    // A name that is no game has id 0 and opens the contents.
    lastTopic_ = helpTopic(data_, gName);
    ensureViewer()->showPage(rulesUrl(gName));
}

QUrl Help::rulesUrl(const QString &gName) const
{
    // A classic has a page of its own while it plays by the classic's rules;
    // changed in the wizard, it is described from its file like any game.
    const QUrl classicPage = classicPageUrl(gName);
    if (!classicPage.isEmpty()) {
        GameRecord record;
        const bool listed = lastTopic_ != 0;
        if (!listed || (custom_.LoadRecord(gName, &record).isEmpty() && record == classicRecord(gName)))
            return classicPage;
    }
    return topicUrl(lastTopic_, gName);
}

} // namespace cardova::ui
