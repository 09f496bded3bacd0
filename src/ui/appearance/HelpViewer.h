#pragma once
// The help window: a text browser over the bundled help pages with back,
// forward and contents buttons. Pages of designed games are made on demand
// by a page maker handed in by the owner.
#include <QTextBrowser>
#include <QWidget>
#include <functional>

class QToolButton;

namespace cardova::ui {

// A text browser that asks `pageMaker` for the pages of the game scheme.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using PageMaker = std::function<QString(const QString &gName)>;
    explicit HelpBrowser(PageMaker pageMaker, QWidget *parent = nullptr);
    QVariant loadResource(int type, const QUrl &name) override;

private:
    PageMaker pageMaker_;
};

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(HelpBrowser::PageMaker pageMaker, QWidget *parent = nullptr);
    // Opens a page and brings the window to the front.
    void showPage(const QUrl &url);
    HelpBrowser *browser() const { return browser_; }

private:
    HelpBrowser *browser_;
    QToolButton *back_;
    QToolButton *forward_;
    QToolButton *contents_;
};

} // namespace cardova::ui
