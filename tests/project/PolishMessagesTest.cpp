// The reader's own refusals, worded in English for velt-calc, have a Polish wording for the
// desktop program's Polish interface; the program's own Polish texts have none.

#include "model/BuiltInTowers.h"
#include "project/ProjectFile.h"
#include "project/TowerJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>

namespace velt {
namespace {

using nlohmann::json;

LoadResult load(const std::string& text) {
    auto project = std::make_unique<LineProject>();
    LoadedProject loaded;
    return loadProject(text, {}, *project, loaded);
}

TEST(PolishMessages, EveryKindOfTheReadersRefusal) {
    json badTower = towerToJson(builtInTowers()[1]);
    badTower["phaseBundleSize"] = 0;
    const std::pair<std::string, std::string> cases[] = {
        {"{\"tower\": ", "Plik projektu nie jest plikiem JSON: "},
        {"[1]", "Plik projektu musi zawierać jeden obiekt JSON"},
        {R"({"tower": "S12", "colour": 1})",
         "Klucz projektu \"colour\": nieznany klucz (dozwolone tutaj: "},
        {R"({"tower": "S12", "workingHeight": "10"})",
         "Klucz projektu \"workingHeight\": oczekiwana jest liczba"},
        {R"({"tower": "S12", "field": "gravity"})",
         "Klucz projektu \"field\": oczekiwane jest \"electric\" lub \"magnetic\""},
        {R"({"tower": "S12", "currents": [1, 2, 3]})",
         "Klucz projektu \"currents\": oczekiwana jest lista jednego lub dwóch prądów [A]"},
        {json{{"tower", badTower}}.dump(),
         "Klucz słupa \"phaseBundleSize\": oczekiwana jest liczba całkowita od 1 do 16"},
        {R"({"tower": "Z52", "neighbours": [{"tower": {"series": "X"}, "workingHeight": 10,
            "offset": 40}]})",
         "neighbours[0].tower: Brak klucza słupa \"type\""},
    };
    for (const auto& [text, polish] : cases) {
        SCOPED_TRACE(text);
        const LoadResult result = load(text);
        EXPECT_EQ(result.status, LoadStatus::Refused);
        EXPECT_EQ(result.polishMessage.rfind(polish, 0), 0u) << result.polishMessage;
        // The English wording stays velt-calc's.
        EXPECT_EQ(result.message.find("Klucz"), std::string::npos);
    }
}

TEST(PolishMessages, TheProgramsOwnTextsNeedNone) {
    const LoadResult result = load(R"({"workingHeight": 10})");
    EXPECT_EQ(result.message, "Nie wybrano serii i typu słupa!");
    EXPECT_TRUE(result.polishMessage.empty());
}

} // namespace
} // namespace velt
