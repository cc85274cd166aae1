#include "project/PolishMessages.h"

#include <utility>

namespace velt {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// What the reader says of a value, a phrase of a fixed set; the schema's note that may follow
// it in parentheses is English and left out.
std::string polishReason(std::string what) {
    const std::pair<const char*, const char*> exact[] = {
        {"a number is expected", "oczekiwana jest liczba"},
        {"an object is expected", "oczekiwany jest obiekt"},
        {"a text is expected", "oczekiwany jest tekst"},
        {"the number is out of range", "liczba jest poza zakresem"},
        {"the number must not be negative", "liczba nie może być ujemna"},
        {"a list of one or two currents [A] is expected",
         "oczekiwana jest lista jednego lub dwóch prądów [A]"},
        {"a list of [x, height] pairs is expected", "oczekiwana jest lista par [x, wysokość]"},
        {"a list of 1 to 64 [x, height] pairs is expected",
         "oczekiwana jest lista od 1 do 64 par [x, wysokość]"},
        {"a list of at most 16 levels is expected", "oczekiwana jest lista najwyżej 16 poziomów"},
        {"a list of at most 8 lines is expected", "oczekiwana jest lista najwyżej 8 linii"},
        {"a series name or a tower object is expected",
         "oczekiwana jest nazwa serii lub obiekt słupa"},
        {"the catalogue file name is expected", "oczekiwana jest nazwa pliku katalogu"},
        {"the tower's \"series <-> type\" key is expected",
         "oczekiwany jest klucz słupa \"seria <-> typ\""},
        {"the line's tower is expected", "oczekiwany jest słup linii"},
        {"a built-in level's key or an object is expected",
         "oczekiwany jest klucz poziomu wbudowanego lub obiekt"},
        {"the text must not be empty or begin or end with a blank",
         "tekst nie może być pusty ani zaczynać się lub kończyć spacją"},
        {"the text holds a character without a Windows-1250 form",
         "tekst zawiera znak spoza strony kodowej Windows-1250"},
    };
    for (const auto& [english, polish] : exact) {
        if (startsWith(what, english)) {
            return polish;
        }
    }
    const std::pair<const char*, const char*> leading[] = {
        {"unknown key (known here: ", "nieznany klucz (dozwolone tutaj: "},
        {"a built-in level is expected (known: ", "oczekiwany jest poziom wbudowany (znane: "},
        {"used only with ", "dozwolone tylko z "},
        {"the text may not hold control characters or ",
         "tekst nie może zawierać znaków sterujących ani "},
        {"a whole number from ", "oczekiwana jest liczba całkowita od "},
        {"a list of at most ", "oczekiwana jest lista najwyżej "},
        {"at most ", "najwyżej "},
    };
    for (const auto& [english, polish] : leading) {
        if (startsWith(what, english)) {
            std::string rest = what.substr(std::string(english).size());
            replaceAll(rest, " and ", " i ");
            replaceAll(rest, " to ", " do ");
            replaceAll(rest, " distances is expected", " odległości");
            replaceAll(rest, " characters", " znaków");
            replaceAll(rest, " is expected", "");
            return polish + rest;
        }
    }
    // A choice: "\"a\" or \"b\" is expected".
    const std::string expected = " is expected";
    const std::size_t end = what.find(expected);
    if (end != std::string::npos) {
        std::string choice = what.substr(0, end);
        replaceAll(choice, " or ", " lub ");
        return "oczekiwane jest " + choice;
    }
    return what;
}

// `prefix` "KEY": `what`  ->  `polishPrefix` "KEY": Polish `what`.
std::string polishKeyed(const std::string& message, const std::string& prefix,
                        const std::string& polishPrefix) {
    const std::size_t close = message.find("\": ", prefix.size());
    if (close == std::string::npos) {
        return {};
    }
    const std::string key = message.substr(prefix.size(), close - prefix.size());
    const std::string what = message.substr(close + 3);
    // The program's own (Polish) checks keep their text after the key.
    const std::string reason = polishReason(what);
    return polishPrefix + key + "\": " + reason;
}

} // namespace

std::string polishProjectMessage(const std::string& message) {
    const std::pair<const char*, const char*> keyed[] = {
        {"Project key \"", "Klucz projektu \""},
        {"Tower key \"", "Klucz słupa \""},
    };
    for (const auto& [english, polish] : keyed) {
        if (startsWith(message, english)) {
            return polishKeyed(message, english, polish);
        }
    }
    if (startsWith(message, "Missing tower key \"")) {
        const std::size_t close = message.find('"', 19);
        return "Brak klucza słupa \"" + message.substr(19, close - 19) + "\"";
    }
    // A neighbour's tower: "neighbours[1].tower: Tower key ...".
    const std::size_t tower = message.find(".tower: ");
    if (startsWith(message, "neighbours[") && tower != std::string::npos) {
        const std::string inner = polishProjectMessage(message.substr(tower + 8));
        return inner.empty() ? std::string() : message.substr(0, tower + 8) + inner;
    }
    const std::pair<const char*, const char*> fixed[] = {
        {"The project file is not JSON: ", "Plik projektu nie jest plikiem JSON: "},
        {"The project file must hold one JSON object",
         "Plik projektu musi zawierać jeden obiekt JSON"},
        {"The project file is larger than 1 MB: ", "Plik projektu jest większy niż 1 MB: "},
    };
    for (const auto& [english, polish] : fixed) {
        if (startsWith(message, english)) {
            return polish + message.substr(std::string(english).size());
        }
    }
    return {};
}

} // namespace velt
