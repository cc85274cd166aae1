#include "analysis/ExposureLimits.h"

#include "analysis/MagneticUnits.h"
#include "model/Translatable.h"

#include <cmath>
#include <set>

namespace velt {
namespace {

std::size_t characterCount(const std::string& utf8) {
    std::size_t n = 0;
    for (const char c : utf8) {
        // Continuation bytes of a multi-byte character do not count.
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

bool positive(double level) {
    return std::isfinite(level) && level > 0.0;
}

std::optional<KeyedRefusal> repeated(const ExposureLimit& limit, std::set<std::string>& keys,
                                     std::set<std::string>& names) {
    if (!limit.key.empty() && !keys.insert(limit.key).second) {
        return KeyedRefusal{"key", kRepeatedLimitMessage};
    }
    if (!names.insert(limit.name).second) {
        return KeyedRefusal{"name", kRepeatedLimitMessage};
    }
    return std::nullopt;
}

} // namespace

const std::vector<ExposureLimit>& builtInLimits() {
    static const std::vector<ExposureLimit> limits = {
        {"pl-residential", VELT_TRANSLATE_NOOP("velt", "Tereny zabudowy mieszkaniowej (PL)"), 1.0,
         60.0},
        {"pl-accessible", VELT_TRANSLATE_NOOP("velt", "Miejsca dostępne dla ludności (PL)"), 10.0,
         60.0},
        {"icnirp-2010-public", VELT_TRANSLATE_NOOP("velt", "ICNIRP 2010, ogół ludności"), 5.0,
         amperesPerMetreOf(200.0)},
        {"icnirp-2010-occupational", VELT_TRANSLATE_NOOP("velt", "ICNIRP 2010, pracownicy"), 10.0,
         amperesPerMetreOf(1000.0)},
        {"eu-1999-public", VELT_TRANSLATE_NOOP("velt", "UE 1999/519/WE, ogół ludności"), 5.0,
         amperesPerMetreOf(100.0)},
    };
    return limits;
}

const ExposureLimit* findBuiltInLimit(std::string_view key) {
    for (const ExposureLimit& limit : builtInLimits()) {
        if (limit.key == key) {
            return &limit;
        }
    }
    return nullptr;
}

std::vector<std::string> builtInLimitKeys() {
    std::vector<std::string> keys;
    for (const ExposureLimit& limit : builtInLimits()) {
        keys.push_back(limit.key);
    }
    return keys;
}

std::optional<KeyedRefusal> checkLimit(const ExposureLimit& limit) {
    if (!limit.key.empty() && findBuiltInLimit(limit.key) == nullptr) {
        return KeyedRefusal{"key", kUnknownLimitMessage};
    }
    const std::size_t length = characterCount(limit.name);
    if (length < 1 || length > kMaxLimitNameLength) {
        return KeyedRefusal{"name", kLimitNameMessage};
    }
    if (!positive(limit.electric)) {
        return KeyedRefusal{"electric", kLimitElectricMessage};
    }
    if (!positive(limit.magnetic)) {
        return KeyedRefusal{"magnetic", kLimitMagneticMessage};
    }
    return std::nullopt;
}

double fieldLevel(const ExposureLimit& limit, bool magnetic) {
    return magnetic ? limit.magnetic * std::sqrt(2.0) : limit.electric;
}

std::optional<KeyedRefusal> checkLimits(const std::vector<ExposureLimit>& limits) {
    std::set<std::string> keys;
    std::set<std::string> names;
    for (std::size_t i = 0; i < limits.size(); ++i) {
        auto bad = checkLimit(limits[i]);
        if (!bad) {
            bad = repeated(limits[i], keys, names);
        }
        if (bad) {
            bad->key = "limits[" + std::to_string(i) + "]." + bad->key;
            return bad;
        }
    }
    if (limits.size() > kMaxExposureLimits) {
        return KeyedRefusal{"limits[" + std::to_string(kMaxExposureLimits) + "]",
                            kTooManyLimitsMessage};
    }
    return std::nullopt;
}

} // namespace velt
