#pragma once
// The rectangle (Left, Top)-(Right, Bottom) covers Left <= x < Right, Top <= y < Bottom.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool Empty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};
