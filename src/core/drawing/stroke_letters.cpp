#include "core/drawing/stroke_letters.h"

namespace brelo {

namespace {

// One stroke of a letter, in a unit box centred on the origin, y downwards.
struct Stroke {
    char letter;
    float x1, y1, x2, y2;
};

constexpr Stroke kStrokes[] = {
    {'N', -0.5f, 0.5f, -0.5f, -0.5f},   {'N', -0.5f, -0.5f, 0.5f, 0.5f},   {'N', 0.5f, 0.5f, 0.5f, -0.5f},
    {'E', 0.5f, -0.5f, -0.5f, -0.5f},   {'E', -0.5f, -0.5f, -0.5f, 0.5f},  {'E', -0.5f, 0.5f, 0.5f, 0.5f},
    {'E', -0.5f, 0.0f, 0.3f, 0.0f},
    {'W', -0.5f, -0.5f, -0.25f, 0.5f},  {'W', -0.25f, 0.5f, 0.0f, -0.1f},  {'W', 0.0f, -0.1f, 0.25f, 0.5f},
    {'W', 0.25f, 0.5f, 0.5f, -0.5f},
    // An S of straight pieces: top bar, left side, middle bar, right side, bottom bar.
    {'S', 0.5f, -0.35f, 0.3f, -0.5f},   {'S', 0.3f, -0.5f, -0.3f, -0.5f},  {'S', -0.3f, -0.5f, -0.5f, -0.35f},
    {'S', -0.5f, -0.35f, -0.5f, -0.15f}, {'S', -0.5f, -0.15f, -0.3f, 0.0f}, {'S', -0.3f, 0.0f, 0.3f, 0.0f},
    {'S', 0.3f, 0.0f, 0.5f, 0.15f},     {'S', 0.5f, 0.15f, 0.5f, 0.35f},   {'S', 0.5f, 0.35f, 0.3f, 0.5f},
    {'S', 0.3f, 0.5f, -0.3f, 0.5f},     {'S', -0.3f, 0.5f, -0.5f, 0.35f},
    {'Z', -0.5f, -0.5f, 0.5f, -0.5f},   {'Z', 0.5f, -0.5f, -0.5f, 0.5f},   {'Z', -0.5f, 0.5f, 0.5f, 0.5f},
};

} // namespace

void drawStrokeLetter(Canvas &canvas, char letter, float x, float y, float width, float height,
                      CanvasColor color)
{
    for (const Stroke &s : kStrokes) {
        if (s.letter == letter)
            canvas.segment(x + s.x1 * width, y + s.y1 * height, x + s.x2 * width, y + s.y2 * height, color);
    }
}

} // namespace brelo
