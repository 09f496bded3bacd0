#include "ui/windows/Sprites.h"

#include "ui/appearance/Appearance.h"

namespace cardova::ui {

void VelCard::DeckPic(const QPixmap &back)
{
    if (back.isNull())
        return;
    back_ = back;
    dirty_ = true;
}

void VelCard::MainPic(const QPixmap &face)
{
    if (face.isNull())
        return;
    face_ = face;
    dirty_ = true;
}

void VelCard::Refreshcard(const cCard &card)
{
    ++refreshes;
    shownFace_ = card.FaceMode;
    shownSelected_ = card.Selected;
    if (card.FaceMode == 1)
        shown_ = back_; // a face-down card never shows a selection
    else
        shown_ = card.Selected ? Appearance::invertedCard(face_) : face_;
    dirty_ = false;
}

const QPixmap &VelCard::picture(const cCard &card)
{
    if (dirty_ || card.FaceMode != shownFace_ || (card.FaceMode == 0 && card.Selected != shownSelected_))
        Refreshcard(card);
    return shown_;
}

void VelEmpty::Pic(const QPixmap &picture)
{
    if (!picture.isNull())
        picture_ = picture;
}

} // namespace cardova::ui
