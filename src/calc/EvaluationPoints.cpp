#include "calc/EvaluationPoints.h"

#include "calc/FieldConstants.h"

#include <cmath>

namespace velt {

void linePoints(int count, double calcStep, double lineMode, double lineX, double pointY,
                EvaluationPoints& points) {
    points.count = count;
    for (int i = 1; i <= count; ++i) {
        const double position = (i - 1) * calcStep;
        if (lineMode == 1.0) {
            points.x[i] = lineX;
            points.y[i] = position;
        } else {
            points.x[i] = position;
            points.y[i] = pointY;
        }
    }
}

void surfacePoints(const LineProject& p, EvaluationPoints& points) {
    int i = 0;
    for (std::uint32_t j = 1; j <= p.phaseConductorCount; ++j) {
        double theta = -kPi / 2.0;
        for (int k = 0; k < 4; ++k) {
            ++i;
            points.x[i] = p.conductorX[j] + p.phaseRadius * std::cos(theta);
            points.y[i] = p.conductorY[j] + p.phaseRadius * std::sin(theta);
            theta += 2.0 * kPi * 0.25;
        }
    }
    points.count = i;
}

void moveOffConductorAxis(const LineProject& p, std::uint32_t conductors, double& x, double& y) {
    for (std::uint32_t i = 1; i <= conductors; ++i) {
        if (x == p.conductorX[i] && y == p.conductorY[i]) {
            y = p.conductorY[i] + p.conductorRadius[i];
            return;
        }
    }
}

} // namespace velt
