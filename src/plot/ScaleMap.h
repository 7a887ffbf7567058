#pragma once

// One axis's mapping between world values and pixels (the shape of Qwt's
// scale map): the world interval S1 .. S2 onto `length` pixels that begin
// `margin` pixels in. A forward map counts from the left; a flipped one
// counts up from `origin`, as rows grow downwards. Each transform computes in
// one fixed order, so that the plot windows' pixels stay what they were.
class ScaleMap {
public:
    ScaleMap() = default;
    static ScaleMap Forward(double s1, double s2, double margin, double length)
    {
        return ScaleMap(s1, s2, margin, length, 0.0, false);
    }
    static ScaleMap Flipped(double s1, double s2, double margin, double length, double origin)
    {
        return ScaleMap(s1, s2, margin, length, origin, true);
    }

    double S1() const { return s1; }
    double S2() const { return s2; }

    // The pixel coordinate of world value s, and back.
    double Transform(double s) const
    {
        const double p = (s - s1) * length / (s2 - s1) + margin;
        return flipped ? origin - p : p;
    }
    double InvTransform(double p) const
    {
        const double along = flipped ? origin - p : p;
        return s1 + (along - margin) * (s2 - s1) / length;
    }
    // Transform truncated toward zero to a pixel; beyond +-PixelLimit (and
    // NaN, as +PixelLimit) clamped, so that a huge value draws a line that
    // leaves the window instead of an undefined conversion.
    int Pixel(double s) const;

private:
    ScaleMap(double s1, double s2, double margin, double length, double origin, bool flipped)
        : s1(s1), s2(s2), margin(margin), length(length), origin(origin), flipped(flipped)
    {
    }

    double s1 = 0.0, s2 = 1.0;
    double margin = 0.0, length = 1.0;
    double origin = 0.0;
    bool flipped = false;
};

inline constexpr int PixelLimit = 1 << 20;
