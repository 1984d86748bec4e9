#pragma once

namespace brelo {

// Arc sine as arctan(a / sqrt|1 - a^2|), in double, the result rounded to
// float. The absolute value keeps the root defined when rounding pushes |a|
// just past 1; at |a| = 1 exactly it returns ±π/2, the formula's own limit.
float asinSingle(double a);

// Arc cosine as π/2 - asinSingle(a), formed in float: 0 at 1 and π at -1.
float acosSingle(double a);

} // namespace brelo
