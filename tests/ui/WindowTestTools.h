#pragma once
// Tools of the window tests: finding a control by name, and keeping a
// picture of a window.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace cardova::test {

// The child of `parent` with that objectName and type; fails the test (and
// throws, so the test stops) when there is none.
template <typename T>
T *control(const QWidget &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w) {
        ADD_FAILURE() << "no control " << name;
        throw std::runtime_error(name);
    }
    return w;
}

// Shows a window, grabs it, saves the picture under `dir` and checks that it
// holds a drawing rather than a blank area, so a change that breaks drawing
// is seen.
inline void renderAndSave(QWidget &window, const QString &dir, const QString &name)
{
    window.show();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_GE(image.width(), window.minimumSizeHint().width()) << name.toStdString();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 20) << name.toStdString() << ": hardly anything drawn";
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
    window.close();
}

// Presses Enter on the next message box that opens, as a player does who
// answers without reading. Keeps the text of the box it answered.
class EnterOnNextBox {
public:
    EnterOnNextBox()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            timer_.stop();
            answered = box->text();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &enter);
        });
        timer_.start(10);
    }
    QString answered;

private:
    QTimer timer_;
};

} // namespace cardova::test
