#pragma once
// The exposure reference levels the program knows by key, and the checks of a list of
// levels as a project names them.

#include "model/CalculationOptions.h"
#include "model/KeyedRefusal.h"
#include "model/Translatable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velt {

/// A project names at most this many levels.
inline constexpr std::size_t kMaxExposureLimits = 16;
/// A level's name holds at most this many characters.
inline constexpr std::size_t kMaxLimitNameLength = 64;

inline const std::string kLimitNameMessage =
    VELT_TRANSLATE_NOOP("velt", "Nazwa poziomu odniesienia musi mieć od 1 do 64 znaków!");
inline const std::string kLimitElectricMessage =
    VELT_TRANSLATE_NOOP("velt", "Poziom odniesienia pola elektrycznego musi być większy od 0.0!");
inline const std::string kLimitMagneticMessage =
    VELT_TRANSLATE_NOOP("velt", "Poziom odniesienia pola magnetycznego musi być większy od 0.0!");
inline const std::string kUnknownLimitMessage =
    VELT_TRANSLATE_NOOP("velt", "Nieznany poziom odniesienia!");
inline const std::string kTooManyLimitsMessage =
    VELT_TRANSLATE_NOOP("velt", "Można podać najwyżej 16 poziomów odniesienia!");
inline const std::string kRepeatedLimitMessage =
    VELT_TRANSLATE_NOOP("velt", "Poziomy odniesienia nie mogą się powtarzać!");

/// The built-in levels in the order the program offers them; magnetic levels in A/m.
const std::vector<ExposureLimit>& builtInLimits();

/// The built-in level with `key`, or nullptr.
const ExposureLimit* findBuiltInLimit(std::string_view key);

/// The keys of the built-in levels, in order.
std::vector<std::string> builtInLimitKeys();

/// A level's own refusal (key `key`, `name`, `electric` or `magnetic`): a key that is not
/// a built-in one, a name of 0 or more than 64 characters, a level not finite or not above
/// 0. A built-in key is only looked up; its values are not compared.
std::optional<KeyedRefusal> checkLimit(const ExposureLimit& limit);

/// The level of `limit` as the field values of a profile or map give the quantity: the
/// electric level [kV/m RMS]; for the magnetic field, whose values are peak values, the
/// level times sqrt 2 [A/m peak].
double fieldLevel(const ExposureLimit& limit, bool magnetic);

/// checkLimit of every level, then a key or name that an earlier level has already, then
/// more than kMaxExposureLimits levels (`limits[16]`); the key in full (`limits[1].electric`).
/// Levels of the user's own have no key to repeat.
std::optional<KeyedRefusal> checkLimits(const std::vector<ExposureLimit>& limits);

} // namespace velt
