#include "project/BatchUi.h"

namespace velt {

BatchUi::BatchUi(const CalculationAnswers& answers, std::ostream& err)
    : answers_(answers), err_(err) {}

void BatchUi::setStatus(int panel, const std::string& text) {
    if (panel == 1) {
        status_ = text;
    }
}

void BatchUi::showMessage(const std::string& text) {
    err_ << text << '\n';
}

std::optional<std::string> BatchUi::askCalculationRange(const std::string& proposed) {
    if (rangeQuestions_++ > 0) {
        return std::nullopt;
    }
    return answers_.range ? numberText(*answers_.range) : proposed;
}

std::string BatchUi::askComment() {
    return answers_.comment;
}

std::optional<std::string> BatchUi::askDrawingRange(const std::string& proposed) {
    if (drawingQuestions_++ > 0) {
        return std::nullopt;
    }
    return answers_.drawRange ? numberText(*answers_.drawRange) : proposed;
}

} // namespace velt
