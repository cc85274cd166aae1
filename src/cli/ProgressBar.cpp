#include "cli/ProgressBar.h"

#include <string>

namespace velt {
namespace {

constexpr int kBarWidth = 40;

} // namespace

ProgressBar::ProgressBar(std::ostream& out, std::size_t total) : out_(out), total_(total) {}

void ProgressBar::show(std::size_t done) {
    const int percent = total_ > 0 ? static_cast<int>(100 * done / total_) : 100;
    if (percent == shownPercent_) {
        return;
    }
    shownPercent_ = percent;
    const int filled = percent * kBarWidth / 100;
    out_ << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
         << done << '/' << total_ << std::flush;
}

void ProgressBar::finish() {
    if (shownPercent_ >= 0) {
        out_ << '\n' << std::flush;
    }
}

} // namespace velt
