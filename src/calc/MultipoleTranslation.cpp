#include "calc/MultipoleTranslation.h"

#include <array>
#include <cmath>

namespace velt {
namespace {

using Complex = std::complex<double>;
using Table = std::array<std::array<double, kMaxLocalOrder + 1>, kMaxOrder + 1>;

// table[m][n] = C(m + n − 1, n): the share of multipole m in Taylor term n, since
// (1 + x)^−m = Σ C(m + n − 1, n)·(−x)^n.
const Table& binomials() {
    static const Table table = [] {
        Table t{};
        for (int m = 1; m <= kMaxOrder; ++m) {
            t[m][0] = 1.0;
            for (int n = 1; n <= kMaxLocalOrder; ++n) {
                t[m][n] = t[m - 1][n] + t[m][n - 1];
            }
        }
        return t;
    }();
    return table;
}

// A coefficient as it acts from the image: the line charge changes its sign, a multipole
// becomes −conj(a). Both are −conj of the direct one.
SinCos acting(const SinCos& a, bool image) {
    return image ? SinCos{-std::conj(a.s), -std::conj(a.c)} : a;
}

} // namespace

void addTaylorCoefficients(const ConductorCircle& from, std::span<const SinCos> terms, bool image,
                           const ConductorCircle& to, std::span<SinCos> t) {
    const Complex d = Complex{to.x, to.y} - Complex{from.x, image ? -from.y : from.y};
    const Complex inverse = std::conj(d) / std::norm(d);
    const Complex sigma = from.radius * inverse;
    const Complex minusRho = -to.radius * inverse;
    const int order = static_cast<int>(terms.size()) - 1;
    // Multipole m about the source, a_m·σ^m·(1 + ρu)^−m in the target's u = (z − c_to)/r_to.
    std::array<SinCos, kMaxOrder + 1> b;
    Complex power = 1.0;
    for (int m = 1; m <= order; ++m) {
        power *= sigma;
        const SinCos a = acting(terms[m], image);
        b[m] = {a.s * power, a.c * power};
        t[0].s += b[m].s;
        t[0].c += b[m].c;
    }
    // −q·ln(d + r_to·u) = −q·ln(d) + Σ q·(−ρu)^n / n.
    const SinCos q = acting(terms[0], image);
    const Table& table = binomials();
    Complex rhoPower = 1.0;
    for (std::size_t n = 1; n < t.size(); ++n) {
        rhoPower *= minusRho;
        Complex sumS = q.s / static_cast<double>(n);
        Complex sumC = q.c / static_cast<double>(n);
        for (int m = 1; m <= order; ++m) {
            sumS += table[m][n] * b[m].s;
            sumC += table[m][n] * b[m].c;
        }
        t[n].s += rhoPower * sumS;
        t[n].c += rhoPower * sumC;
    }
}

std::pair<double, double> termsPotential(const ConductorCircle& from, std::span<const SinCos> terms,
                                         std::complex<double> z) {
    const Complex w = z - Complex{from.x, from.y};
    const Complex wImage = z - Complex{from.x, -from.y};
    const double logRatio = std::log(std::abs(wImage) / std::abs(w));
    double s = terms[0].s.real() * logRatio;
    double c = terms[0].c.real() * logRatio;
    Complex power = 1.0;
    Complex imagePower = 1.0;
    for (std::size_t m = 1; m < terms.size(); ++m) {
        power *= from.radius / w;
        imagePower *= from.radius / wImage;
        s += (terms[m].s * power - std::conj(terms[m].s) * imagePower).real();
        c += (terms[m].c * power - std::conj(terms[m].c) * imagePower).real();
    }
    return {s, c};
}

} // namespace velt
