#pragma once
// Lightweight sprites of the table: a card knows its two pictures and shows
// one of them; a placeholder shows its mark where a pile is empty. Values,
// faces and places live in the core's card objects; sprites only draw them.
#include "engine/Card.h"

#include <QPixmap>

namespace cardova::ui {

class VelCard {
public:
    // A null picture is ignored: the sprite keeps what it had.
    void DeckPic(const QPixmap &back);
    void MainPic(const QPixmap &face);
    // The picture to draw for the card's current face and selection. It is
    // rebuilt only when one of them really changed.
    const QPixmap &picture(const cCard &card);
    void Refreshcard(const cCard &card);

    int faceId = 0; // face picture number the face pixmap was made for
    int refreshes = 0;

private:
    QPixmap back_;
    QPixmap face_;
    QPixmap shown_;
    int32_t shownFace_ = -1;
    bool shownSelected_ = false;
    bool dirty_ = true;
};

class VelEmpty {
public:
    void Pic(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }
    int Mode = 0;
    int pictureId = -1; // mark number the picture was made for

private:
    QPixmap picture_;
};

} // namespace cardova::ui
