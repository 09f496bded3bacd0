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
        if (!ok)
            return {};
    }
    return QRect(v[0], v[1], v[2], v[3]);
}

void save(const QWidget &w, cData &data)
{
    data.setWindowGeometry(w.objectName(), w.saveGeometry(), frameText(w.frameGeometry()));
}

void restore(QWidget &w, const cData &data)
{
    const QByteArray geometry = data.windowGeometry(w.objectName());
    const QRect frame = frameOf(data.windowFrame(w.objectName()));
    if (geometry.isEmpty() || !frame.isValid())
        return; // never saved, or damaged: the window opens as it always has
    if (frameIsOnAScreen(frame)) {
        w.restoreGeometry(geometry);
        return;
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    QRect centred(QPoint(), frame.size().boundedTo(room.size()));
    centred.moveCenter(room.center());
    w.setGeometry(centred);
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
