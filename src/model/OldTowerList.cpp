#include "model/OldTowerList.h"

#include "model/Cp1250.h"
#include "model/TowerIndex.h"
#include "model/TowerRecord.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace velt {
namespace {

// The number fields of one line, scanned like "%lf" and "%u" without the locale: blanks
// skipped, then the longest number. Fields are taken in turn with >>; once one fails, the
// rest are left alone (the group is then skipped, so what was written does not matter).
class FieldScanner {
  public:
    enum class Separator {
        Comma,        // "%lf,%lf": exactly one comma between two fields
        AnyCharacter, // the position lines: one character, whatever it is
    };

    FieldScanner(std::string_view line, Separator separator) : text_(line), separator_(separator) {}

    template <class Number> FieldScanner& operator>>(Number& into) {
        ok_ = ok_ && (first_ || separator()) && number(into);
        first_ = false;
        return *this;
    }

    explicit operator bool() const { return ok_; }

  private:
    bool separator() {
        if (pos_ >= text_.size() || (separator_ == Separator::Comma && text_[pos_] != ','))
            return false;
        ++pos_;
        return true;
    }

    template <class Number> bool number(Number& into) {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
        std::size_t from = pos_;
        if (from < text_.size() && text_[from] == '+')
            ++from;
        Number value{};
        const auto [end, error] =
            std::from_chars(text_.data() + from, text_.data() + text_.size(), value);
        if (error != std::errc())
            return false;
        pos_ = static_cast<std::size_t>(end - text_.data());
        into = value;
        return true;
    }

    std::string_view text_;
    Separator separator_;
    std::size_t pos_ = 0;
    bool first_ = true;
    bool ok_ = true;
};

bool readNumbers(std::string_view line, std::size_t count, double* into) {
    FieldScanner scan(line, FieldScanner::Separator::AnyCharacter);
    for (std::size_t i = 0; i < count; ++i)
        scan >> into[i];
    return static_cast<bool>(scan);
}

// "%lf,%lf,%u,%u"
bool readVoltagesAndCounts(std::string_view line, TowerDefinition& tower) {
    FieldScanner scan(line, FieldScanner::Separator::Comma);
    scan >> tower.nominalVoltage >> tower.phaseVoltagePeak >> tower.phaseConductorCount >>
        tower.groundWireCount;
    return static_cast<bool>(scan);
}

// "%u,%lf,%lf,%u,%lf,%lf"
bool readBundles(std::string_view line, TowerDefinition& tower) {
    FieldScanner scan(line, FieldScanner::Separator::Comma);
    scan >> tower.phaseBundleSize >> tower.phaseBundleSpacing >> tower.phaseDiameter >>
        tower.groundBundleSize >> tower.groundBundleSpacing >> tower.groundDiameter;
    return static_cast<bool>(scan);
}

std::optional<TowerDefinition> towerOfGroup(const std::string* lines) {
    const std::string& first = lines[0];
    if (first.empty() || first[0] != '#' || (first.size() > 1 && first[1] == '#'))
        return std::nullopt;
    TowerDefinition tower{};
    // "#", the series, and one more character.
    const std::string series =
        first.size() > 2 ? trimmed(std::string_view(first).substr(1, first.size() - 2)) : "";
    tower.towerSeries = fromCp1250(series);
    tower.towerType = fromCp1250(trimmed(lines[1]));
    if (!readVoltagesAndCounts(lines[2], tower) || !readBundles(lines[3], tower))
        return std::nullopt;
    const std::uint64_t used =
        std::uint64_t{tower.phaseConductorCount} + std::uint64_t{tower.groundWireCount};
    if (used > static_cast<std::uint64_t>(kTowerPositions))
        return std::nullopt;
    if (!readNumbers(lines[4], used, tower.conductorX.data()) ||
        !readNumbers(lines[5], tower.phaseConductorCount, tower.conductorY.data()))
        return std::nullopt;
    const TowerDefinition stored = storedForm(tower);
    if (!isUsableTower(stored) || !keyFitsIndex(stored.towerSeries, stored.towerType))
        return std::nullopt;
    return stored;
}

std::string numberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    return std::string(buffer, end);
}

// One line of a group, its fields separated by commas. Appended piece by piece: GCC 12
// reports false overlaps (-Wrestrict) in long chains of "text" + std::string.
void appendLine(std::string& group, std::initializer_list<std::string> fields) {
    const char* separator = "";
    for (const std::string& field : fields) {
        group.append(separator).append(field);
        separator = ",";
    }
    group += '\n';
}

// A line of the first `count` coordinates (at most every tower position).
void appendCoordinates(std::string& group, const std::array<double, kTowerPositions>& values,
                       std::uint64_t count) {
    const std::size_t shown = static_cast<std::size_t>(
        std::min<std::uint64_t>(count, static_cast<std::uint64_t>(kTowerPositions)));
    for (std::size_t i = 0; i < shown; ++i)
        group.append(i > 0 ? "," : "").append(numberText(values[i]));
    group += '\n';
}

} // namespace

OldTowerList readOldTowerList(std::istream& in) {
    const std::vector<std::string> lines = readTextLines(in);
    OldTowerList list;
    list.groupCount = lines.size() / kOldGroupLines;
    for (std::size_t g = 0; g < list.groupCount; ++g) {
        if (auto tower = towerOfGroup(&lines[g * kOldGroupLines]))
            list.towers.push_back(std::move(*tower));
    }
    return list;
}

bool writeOldTowerList(std::ostream& out, const std::vector<TowerDefinition>& towers) {
    for (const TowerDefinition& tower : towers) {
        const std::uint64_t used =
            std::uint64_t{tower.phaseConductorCount} + std::uint64_t{tower.groundWireCount};
        std::string group;
        group.append("#").append(toCp1250(tower.towerSeries)).append("#\n");
        appendLine(group, {toCp1250(tower.towerType)});
        appendLine(group, {numberText(tower.nominalVoltage), numberText(tower.phaseVoltagePeak),
                           std::to_string(tower.phaseConductorCount),
                           std::to_string(tower.groundWireCount)});
        appendLine(group,
                   {std::to_string(tower.phaseBundleSize), numberText(tower.phaseBundleSpacing),
                    numberText(tower.phaseDiameter), std::to_string(tower.groundBundleSize),
                    numberText(tower.groundBundleSpacing), numberText(tower.groundDiameter)});
        appendCoordinates(group, tower.conductorX, used);
        appendCoordinates(group, tower.conductorY, tower.phaseConductorCount);
        group += '\n';
        const std::string bytes = toCrLf(group);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    out.flush();
    return static_cast<bool>(out);
}

} // namespace velt
