#pragma once
// Configurations the field passes cannot compute are refused before any arithmetic.

#include "model/LineProject.h"
#include "model/ModelAssembly.h"
#include "model/Translatable.h"

#include <optional>
#include <string>

namespace velt {

inline const std::string kConductorBelowGroundMessage =
    VELT_TRANSLATE_NOOP("velt", "Wszystkie przewody muszą wisieć powyżej ziemi!");
inline const std::string kRadiusMessage =
    VELT_TRANSLATE_NOOP("velt", "Promień przewodów musi być większy od 0.0!");
inline const std::string kSpacingMessage =
    VELT_TRANSLATE_NOOP("velt", "Odległość przewodów w wiązce musi być większa od 0.0!");
inline const std::string kBundleSizeMessage =
    VELT_TRANSLATE_NOOP("velt", "Liczba przewodów w wiązce musi wynosić co najmniej 1!");
inline const std::string kSamePlaceMessage =
    VELT_TRANSLATE_NOOP("velt", "Dwa przewody nie mogą leżeć w tym samym miejscu!");
inline const std::string kPhaseCountMessage =
    VELT_TRANSLATE_NOOP("velt", "Obliczenia wymagają 1, 2, 3 lub 6 przewodów roboczych!");
inline const std::string kBundleOnConductorsMessage =
    VELT_TRANSLATE_NOOP("velt", "Obliczenia na przewodach obsługują wiązki najwyżej 4 przewodów!");
inline const std::string kBadNumberMessage =
    VELT_TRANSLATE_NOOP("velt", "Dane linii zawierają niepoprawne liczby!");
inline const std::string kRangeMessage =
    VELT_TRANSLATE_NOOP("velt", "Zakres obliczeń jest poza możliwościami programu!");
inline const std::string kSingularMessage =
    VELT_TRANSLATE_NOOP("velt", "Układ przewodów jest osobliwy, obliczenia są niemożliwe!");
inline const std::string kInterferenceFrequencyMessage =
    VELT_TRANSLATE_NOOP("velt", "Częstotliwość musi być większa od 0.0!");
inline const std::string kInterferencePointMessage =
    VELT_TRANSLATE_NOOP("velt", "Punkt obserwacji zakłóceń nie może leżeć na przewodzie roboczym!");

/// The conductors a refusal is about, where it is about one class of them.
enum class RefusedConductors { Unnamed, Working, Ground, Shield };

struct ComputabilityRefusal {
    std::string message;
    RefusedConductors conductors = RefusedConductors::Unnamed;
};

/// Checks that the project, with its bundles expanded when `onConductors` asks for it, can
/// be computed; returns the refusal otherwise. Never changes the project.
std::optional<ComputabilityRefusal> findComputabilityRefusal(const LineProject& project,
                                                             bool onConductors);

/// The message of findComputabilityRefusal.
std::optional<std::string> checkComputable(const LineProject& project, bool onConductors);

/// Number of points of a pass along a line: the quotient of range and step rounded to the
/// nearest whole number, plus one. 0 when range or step cannot make a profile.
int profilePointCount(double calcRange, double calcStep);

} // namespace velt
