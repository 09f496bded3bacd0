#include "ui/appearance/HelpViewer.h"

#include "ui/appearance/HelpPages.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace cardova::ui {

HelpBrowser::HelpBrowser(PageMaker pageMaker, QWidget *parent)
    : QTextBrowser(parent), pageMaker_(std::move(pageMaker))
{
    setObjectName(QStringLiteral("txtHelp"));
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::HtmlResource && name.scheme() == kGameScheme && pageMaker_)
        return pageMaker_(gameOfUrl(name));
    return QTextBrowser::loadResource(type, name);
}

namespace {
QToolButton *button(QWidget *parent, const char *name, const QString &text, QStyle::StandardPixmap icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return b;
}
} // namespace

HelpViewer::HelpViewer(HelpBrowser::PageMaker pageMaker, QWidget *parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(std::move(pageMaker), this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Cardova Help"));
    back_ = button(this, "cmdBack", QStringLiteral("Back"), QStyle::SP_ArrowBack);
    forward_ = button(this, "cmdForward", QStringLiteral("Forward"), QStyle::SP_ArrowForward);
    contents_ = button(this, "cmdContents", QStringLiteral("Contents"), QStyle::SP_DirHomeIcon);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto *bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents_);
    bar->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QToolButton::clicked, this, [this] { browser_->setSource(contentsUrl()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Cardova Help - ") + browser_->documentTitle()); });
    resize(560, 520);
}

void HelpViewer::showPage(const QUrl &url)
{
    browser_->setSource(url, QTextDocument::HtmlResource);
    show();
    raise();
    activateWindow();
}

} // namespace cardova::ui
