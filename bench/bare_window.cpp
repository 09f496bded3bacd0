// The yardstick of the start-up benchmark: the least a Qt Widgets program
// costs to show a main window with a green table, nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {
class Table : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 110, 0));
    }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new Table);
    window.resize(673, 437);
    window.show();
    return app.exec();
}
