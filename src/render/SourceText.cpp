#include "render/SourceText.h"

#include <cctype>
#include <vector>

namespace velt {
namespace {

std::string known(const std::string& text, SourceTranslator translate) {
    return text.empty() ? text : translate(text.c_str());
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// `line` with every number and every "quoted" part replaced by %1, %2, ...; `values` gets
// what they stood for.
std::string patternOf(const std::string& line, std::vector<std::string>& values) {
    std::string pattern;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t end = i;
        if (line[i] == '"') {
            end = line.find('"', i + 1);
            end = end == std::string::npos ? i : end + 1;
        } else if (isDigit(line[i]) ||
                   (line[i] == '-' && i + 1 < line.size() && isDigit(line[i + 1]))) {
            end = i + 1;
            while (end < line.size() &&
                   (isDigit(line[end]) ||
                    (line[end] == '.' && end + 1 < line.size() && isDigit(line[end + 1])))) {
                ++end;
            }
        }
        if (end == i) {
            pattern += line[i++];
            continue;
        }
        values.push_back(line.substr(i, end - i));
        pattern += "%" + std::to_string(values.size());
        i = end;
    }
    return pattern;
}

std::string translatedLine(const std::string& line, SourceTranslator translate) {
    const std::string whole = known(line, translate);
    if (whole != line) {
        return whole;
    }
    // A message written to go before a file name ends with its line break.
    if (!line.empty()) {
        const std::string broken = known(line + '\n', translate);
        if (broken != line + '\n' && !broken.empty() && broken.back() == '\n') {
            return broken.substr(0, broken.size() - 1);
        }
    }
    std::vector<std::string> values;
    const std::string pattern = patternOf(line, values);
    if (!values.empty()) {
        const std::string translated = known(pattern, translate);
        if (translated != pattern) {
            return filledIn(translated, values);
        }
    }
    // Only a prefix with something after it: the parts must be shorter than the line.
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos || colon + 2 >= line.size()) {
        return line;
    }
    return translatedLine(line.substr(0, colon + 2), translate) +
           translatedLine(line.substr(colon + 2), translate);
}

} // namespace

std::string untranslated(const char* source) {
    return source;
}

std::string translatedText(const std::string& text, SourceTranslator translate) {
    const std::string whole = known(text, translate);
    if (whole != text || text.find('\n') == std::string::npos) {
        return whole != text ? whole : translatedLine(text, translate);
    }
    std::string out;
    std::size_t from = 0;
    while (true) {
        const std::size_t end = text.find('\n', from);
        out += translatedLine(text.substr(from, end - from), translate);
        if (end == std::string::npos) {
            return out;
        }
        out += '\n';
        from = end + 1;
    }
}

} // namespace velt
