#pragma once

// The shorthands of one Delta D that the level matrices and the decomposition
// share, each computed in this way and rounded as a double: D * (1/6) and
// (1/3) * D round differently from D / 6 and D / 3.
struct Shorthands {
    double a, b, q, t;
    explicit Shorthands(double D)
        : a(1.0 - 0.5 * D), b(1.0 - a), q(D * (1.0 / 6.0)), t((1.0 / 3.0) * D)
    {
    }
};
