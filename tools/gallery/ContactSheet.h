#pragma once
// A grid of labelled pictures saved as one PNG.
#include <QImage>
#include <QPixmap>
#include <QString>

class ContactSheet {
public:
    // `cell` is the logical size of one picture; labels go below it.
    ContactSheet(int columns, int count, QSize cell, qreal dpr, const QColor &paper = QColor(60, 60, 66));
    void place(int index, const QPixmap &picture, const QString &label);
    // Places `picture` repeated 2 x 2 so seams would show.
    void placeTiled(int index, const QPixmap &tile, const QString &label);
    bool save(const QString &path) const { return image_.save(path); }

private:
    QPoint origin(int index) const;
    void label(int index, const QString &text);

    int columns_;
    QSize cell_;
    QImage image_;
};
