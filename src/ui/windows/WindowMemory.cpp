#include "ui/windows/WindowMemory.h"

#include "settings/cData.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace cardova::ui {

namespace {
// A frame counts as on a screen when this much of it shows there: enough to
// see the window and take its title bar.
constexpr int kVisibleEnough = 48;
// No screen is larger or lies farther out: a value beyond it is damage, kept
// out before it could overflow a rectangle's corners.
constexpr int kFarthest = QWIDGETSIZE_MAX;

QString frameText(const QRect &r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect frameOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return {};
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toInt(&ok);
        const int least = i < 2 ? -kFarthest : 1; // a place, then a size
        if (!ok || v[i] < least || v[i] > kFarthest)
            return {};
    }
    return QRect(v[0], v[1], v[2], v[3]);
}

void save(const QWidget &w, cData &data)
{
    data.setWindowGeometry(w.objectName(), w.saveGeometry(), frameText(w.frameGeometry()));
}

// Whether a window placed at `r` shows enough on some screen to be grabbed
// there and is no larger than the screens it may span.
bool fitsTheScreens(const QRect &r)
{
    // A corner beyond any screen is refused before a rectangle operation
    // could overflow on it.
    for (const int v : {r.left(), r.top(), r.right(), r.bottom()})
        if (v < -kFarthest || v > kFarthest)
            return false;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shown = r.intersected(screen->availableGeometry());
        const QSize desktop = screen->availableVirtualGeometry().size();
        if (shown.width() >= kVisibleEnough && shown.height() >= kVisibleEnough && r.width() <= desktop.width() &&
            r.height() <= desktop.height())
            return true;
    }
    return false;
}

// The window at its saved size, fitted to the screen, centred on it.
void centre(QWidget &w, const QSize &size)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    QRect centred(QPoint(), size.boundedTo(room.size()));
    centred.moveCenter(room.center());
    w.setWindowState(Qt::WindowNoState);
    w.setGeometry(centred);
}

void restore(QWidget &w, const cData &data)
{
    const QByteArray geometry = data.windowGeometry(w.objectName());
    const QRect frame = frameOf(data.windowFrame(w.objectName()));
    if (geometry.isEmpty() || !frame.isValid())
        return; // never saved, or damaged: the window opens as it always has
    if (frameIsOnAScreen(frame)) {
        if (!w.restoreGeometry(geometry))
            return; // bytes Qt cannot read change nothing
        // The bytes carry a geometry of their own, which the frame need not
        // match (a file edited or damaged): what they gave is checked too,
        // and the size the window goes back to from maximised.
        const QRect normal = w.normalGeometry();
        if (fitsTheScreens(w.geometry()) && (!normal.isValid() || fitsTheScreens(normal)))
            return;
    }
    centre(w, frame.size());
}

// Saves the window whenever it is hidden or closed.
class GeometrySaver : public QObject {
public:
    GeometrySaver(QWidget &window, cData &data) : QObject(&window), window_(window), data_(data) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close) &&
            window_.isWindow() && !window_.objectName().isEmpty())
            save(window_, data_);
        return false;
    }

private:
    QWidget &window_;
    cData &data_;
};
} // namespace

bool frameIsOnAScreen(const QRect &frame)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shown = frame.intersected(screen->availableGeometry());
        if (shown.width() >= kVisibleEnough && shown.height() >= kVisibleEnough)
            return true;
    }
    return false;
}

void rememberGeometry(QWidget &window, cData &data)
{
    if (window.objectName().isEmpty())
        return;
    restore(window, data);
    window.installEventFilter(new GeometrySaver(window, data));
}

} // namespace cardova::ui
