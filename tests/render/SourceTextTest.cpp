// Composed messages in the translator's language: the whole text when it is known, else its
// lines, each as its pattern or as the parts around its first ": ".

#include "render/SourceText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace velt {
namespace {

std::string english(const char* source) {
    static const std::map<std::string, std::string> known = {
        {"Nie podano danych!", "No data given!"},
        {"Linia sąsiednia %1: ", "Neighbouring line %1: "},
        {"Niepoprawne wysokości przewodów!", "Wrong conductor heights!"},
        {"Nie mogę otworzyć pliku!\n", "Cannot open the file!\n"},
        {"Klucz projektu %1: ", "Project key %1: "},
        {"Siatka ma %1 punktów, a może mieć najwyżej %2!", "The grid has %1 points; at most %2!"},
        {"Strefa %1: brak", "Zone %1: none"},
    };
    const auto found = known.find(source);
    return found == known.end() ? source : found->second;
}

TEST(SourceText, ComposedMessagesAreTranslatedPieceByPiece) {
    const struct {
        const char* source;
        const char* shown;
    } cases[] = {
        {"Nie podano danych!", "No data given!"},
        {"Linia sąsiednia 12: Niepoprawne wysokości przewodów!",
         "Neighbouring line 12: Wrong conductor heights!"},
        {"Nie mogę otworzyć pliku!\n/tmp/SLUPY 2.LIN", "Cannot open the file!\n/tmp/SLUPY 2.LIN"},
        {"Klucz projektu \"tower.x\": Nie podano danych!",
         "Project key \"tower.x\": No data given!"},
        {"Siatka ma 250000 punktów, a może mieć najwyżej 200000!",
         "The grid has 250000 points; at most 200000!"},
        {"Strefa -1.5: brak", "Zone -1.5: none"},
        // What is not known stays as it is.
        {"Nieznany tekst: 3", "Nieznany tekst: 3"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(translatedText(c.source, english), c.shown) << c.source;
        EXPECT_EQ(translatedText(c.source, untranslated), c.source);
    }
}

TEST(SourceText, PatternsTakeTheirValuesInTheTranslationsOrder) {
    EXPECT_EQ(filledIn("%2 od %1", {"a", "b"}), "b od a");
    EXPECT_EQ(filledIn("%1%", {"5"}), "5%");
}

} // namespace
} // namespace velt
