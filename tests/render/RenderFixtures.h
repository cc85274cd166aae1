#pragma once
// Field profiles computed as velt-calc computes them, and a text measure of fixed sizes.

#include "analysis/CalculationExtras.h"
#include "model/FieldProfile.h"
#include "model/LineDataForm.h"
#include "model/LineProject.h"
#include "model/TextSlots.h"
#include "render/TextMeasure.h"

#include <memory>
#include <string>

namespace velt::testing {

struct Computed {
    std::unique_ptr<LineProject> project = std::make_unique<LineProject>();
    std::unique_ptr<FieldProfile> profile = std::make_unique<FieldProfile>();
};

/// Computes a line project file's text; throws when the project is refused.
Computed computeProject(const std::string& jsonText);

/// A computed project with the line data and what its options add.
struct ComputedWithExtras : Computed {
    std::unique_ptr<LineDataForm> form = std::make_unique<LineDataForm>();
    CalculationExtras extras;
};

/// Computes as velt-calc does, the calculation's extras included.
ComputedWithExtras computeWithExtras(const std::string& jsonText);

/// `jsonText`, a project's text, with `members` (a JSON object's members, no braces) added.
std::string withMembers(std::string jsonText, const std::string& members);

/// The text of examples/`name`.json.
std::string exampleProject(const std::string& name);

/// The largest graph: the magnetic field of a two-circuit line along a horizontal line,
/// with shield wires and a building.
std::string largestGraphProject();

/// Every character `charWidth` pixels wide (one more in bold), every line `lineHeight` high.
class FixedMeasure : public TextMeasure {
  public:
    static constexpr int charWidth = 7;
    static constexpr int lineHeight = 13;

    int width(std::string_view text, TextStyle style) const override {
        const int perChar = style == TextStyle::Regular ? charWidth : charWidth + 1;
        return perChar * static_cast<int>(utf8Length(text));
    }
    int height(std::string_view /*text*/, TextStyle style) const override {
        return style == TextStyle::Regular ? lineHeight : lineHeight + 1;
    }
};

} // namespace velt::testing
