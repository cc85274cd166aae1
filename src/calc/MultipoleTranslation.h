#pragma once
// The field of one conductor's charge, and of its ground image, as a Taylor series about
// another conductor's axis.
//
// A conductor's charge is a line charge on its axis plus 2-D multipoles. With w = z − c,
// z = x + iy, its potential [kV] is the real part of
//     −q·ln(w) + Σ_{m=1..K} a_m·(r/w)^m,
// q being the line charge over 2π·kEps0 [kV] and a_m [kV] complex. The ground image of those
// terms, +q·ln(z − c̄) − Σ conj(a_m)·(r/(z − c̄))^m, keeps y = 0 at zero.

#include "calc/ConductorCircle.h"

#include <span>
#include <utility>

namespace velt {

/// Highest multipole order a conductor carries.
inline constexpr int kMaxOrder = 40;
/// Highest order of the Taylor series of the surrounding field kept at a conductor.
inline constexpr int kMaxLocalOrder = 120;

/// Adds to t[n] (n = 0 .. t.size() − 1, at most kMaxLocalOrder) the Taylor coefficients
/// about the centre of `to`, scaled to its radius (the series runs in powers of
/// (z − c_to)/r_to), of the terms of `from`: terms[0] the line charge (real), terms[m] the
/// multipole a_m (m ≤ kMaxOrder). With `image` the ground image of those terms is added
/// instead. t[0] gets the multipoles' share only: the line charges' constant is left to the
/// potential coefficients. `to` must lie outside `from` and its image.
void addTaylorCoefficients(const ConductorCircle& from, std::span<const SinCos> terms, bool image,
                           const ConductorCircle& to, std::span<SinCos> t);

/// Potential [kV] at z of the terms of `from` and of their image: the sine part of the
/// period first, the cosine part second.
std::pair<double, double> termsPotential(const ConductorCircle& from, std::span<const SinCos> terms,
                                         std::complex<double> z);

} // namespace velt
