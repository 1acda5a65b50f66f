#include "engine/game/sprite.h"

#include "engine/core/value.h"

namespace game {

using tk::single;

float rightEdge(const tk::Control& c, double margin) {
    return single(double(c.Left) + c.Width + margin);
}

float bottomEdge(const tk::Control& c) {
    return single(double(c.Top) + c.Height);
}

// The direction of flight does not matter, so a ball that takes several ticks to cross a sprite
// is struck on each of them.
bool touches(const tk::Control& ball, const tk::Control& sprite) {
    return bottomEdge(ball) > sprite.Top && bottomEdge(sprite) > ball.Top &&
           rightEdge(ball) > sprite.Left && rightEdge(sprite) > ball.Left;
}

bool wellInside(const tk::Control& ball, const tk::Control& sprite) {
    return single(double(ball.Left) - 9) > sprite.Left && rightEdge(sprite) > rightEdge(ball, 9);
}

void toggleFrame(tk::PictureBox& sprite, const tk::PictureBox& first,
                 const tk::PictureBox& second) {
    sprite.setPicture(sprite.picture() == first.picture() ? second.picture() : first.picture());
}

}  // namespace game
