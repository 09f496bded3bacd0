#include "ui/windows/frmSplash.h"

#include "ui/windows/AppIcon.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
const QSize kArtwork(480, 240);

// The artwork is painted when the window is, not before it is shown, so
// the splash is on the screen as soon as its window exists.
class SplashArtwork : public QWidget {
public:
    explicit SplashArtwork(QWidget *parent) : QWidget(parent) { setFixedSize(kArtwork); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        paintSplashArtwork(p, size());
    }
};
} // namespace

frmSplash::frmSplash(std::function<void()> continueStart, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), continue_(std::move(continueStart))
{
    setObjectName(QStringLiteral("frmSplash"));
    auto *art = new SplashArtwork(this);
    art->setObjectName(QStringLiteral("imgWords"));
    const QString number = QStringLiteral(CARDOVA_VERSION);
    auto *version = new QLabel(QStringLiteral("Version : %1.%2")
                                   .arg(number.section(QLatin1Char('.'), 0, 0), number.section(QLatin1Char('.'), 1, 1)),
                               this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignRight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 6, 4);
    layout->addWidget(art);
    layout->addWidget(version);
    setFocusPolicy(Qt::StrongFocus);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1.setInterval(2000);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::ContinueStart);
    Timer1.start();
}

void frmSplash::ContinueStart()
{
    if (continued_)
        return;
    continued_ = true;
    Timer1.stop();
    // The main window opens before the splash goes, so the program never
    // finds itself without a window.
    if (continue_)
        continue_();
    close();
}

void frmSplash::mousePressEvent(QMouseEvent *)
{
    ContinueStart();
}

void frmSplash::keyPressEvent(QKeyEvent *)
{
    ContinueStart();
}

} // namespace cardova::ui
