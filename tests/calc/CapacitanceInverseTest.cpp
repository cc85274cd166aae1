// The production inverse against the cofactor method it replaces.

#include "CalcFixtures.h"

#include "calc/BundleExpansion.h"
#include "calc/CapacitanceMatrix.h"
#include "calc/FieldConstants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace velt::testing {
namespace {

struct Matrices {
    Matrix p, cofactor, elimination;
};

// Largest relative difference of the two inverses of the project's potential coefficients.
double inverseDisagreement(LineProject& project, bool onConductors) {
    BundleExpansion expansion(project, onConductors);
    assignRadii(project, expansion.expanded());
    project.potentialFactor = 1 / (2 * kPi * kEps0);
    auto m = std::make_unique<Matrices>();
    buildPotentialCoefficients(project, m->p);
    const int n = static_cast<int>(project.conductorCount);
    EXPECT_TRUE(invertByCofactors(n, m->p, m->cofactor));
    EXPECT_TRUE(invertByElimination(n, m->p, m->elimination));
    double scale = 0.0;
    for (int i = 1; i <= n; ++i) {
        scale = std::max(scale, std::fabs(m->cofactor[i][i]));
    }
    double worst = 0.0;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            worst = std::max(worst, std::fabs(m->cofactor[i][j] - m->elimination[i][j]) / scale);
        }
    }
    return worst;
}

TEST(CapacitanceInverse, EliminationAgreesWithCofactorsOnBuiltInTowers) {
    for (int tower = 0; tower < 3; ++tower) {
        for (bool onConductors : {false, true}) {
            Bench b;
            setUpBuiltIn(b, tower);
            EXPECT_LT(inverseDisagreement(*b.project, onConductors), 1e-10) << tower;
        }
    }
}

TEST(CapacitanceInverse, EliminationAgreesWithCofactorsOnTheLargestConfiguration) {
    Bench b;
    setUpLargest(b);
    EXPECT_LT(inverseDisagreement(*b.project, true), 1e-10);
    EXPECT_EQ(b.project->conductorCount, 41u); // expansion undone
}

} // namespace
} // namespace velt::testing
