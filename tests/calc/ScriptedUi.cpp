#include "ScriptedUi.h"

namespace velt::testing {
namespace {

std::optional<std::string> next(std::deque<std::string>& script, const std::string& proposed) {
    if (script.empty()) {
        return proposed;
    }
    std::string answer = script.front();
    script.pop_front();
    if (answer == ScriptedUi::kDecline) {
        return std::nullopt;
    }
    return answer;
}

} // namespace

void ScriptedUi::setStatus(int panel, const std::string& text) {
    if (panel == 0) {
        progress.push_back(text);
        return;
    }
    status.push_back(text);
    log.push_back("status " + text);
}

void ScriptedUi::showMessage(const std::string& text) {
    messages.push_back(text);
    log.push_back("message " + text);
}

std::optional<std::string> ScriptedUi::askCalculationRange(const std::string& proposed) {
    log.push_back("range? " + proposed);
    return next(rangeAnswers, proposed);
}

std::string ScriptedUi::askComment() {
    log.push_back("comment?");
    return comment;
}

std::optional<std::string> ScriptedUi::askDrawingRange(const std::string& proposed) {
    ++drawingRangeQuestions;
    log.push_back("draw? " + proposed);
    return next(drawingRangeAnswers, proposed);
}

int ScriptedUi::count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& line : log) {
        n += line.rfind(prefix, 0) == 0;
    }
    return n;
}

} // namespace velt::testing
