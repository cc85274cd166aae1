#include "ReportFormat.h"

#include "model/Cp1250.h"
#include "model/DecimalText.h"

#include <regex>
#include <sstream>
#include <stdexcept>

namespace velt::testing {
namespace {

const std::string kStars(64, '*');
const std::string kNumber = "(-?\\d+\\.\\d+)";

class Lines {
  public:
    explicit Lines(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    [[noreturn]] void fail(const std::string& why) const {
        throw std::runtime_error("line " + std::to_string(at_) + ": " + why);
    }
    bool atEnd() const { return at_ >= lines_.size(); }
    const std::string& peek() const {
        static const std::string none;
        return atEnd() ? none : lines_[at_];
    }
    const std::string& next() {
        if (atEnd()) {
            fail("the report ends early");
        }
        return lines_[at_++];
    }
    void exact(const std::string& want) {
        const std::string& got = next();
        if (got != want) {
            fail("\"" + got + "\" where \"" + want + "\" belongs");
        }
    }
    // The line matches `pattern`; returns the numbers it captured.
    std::vector<std::string> match(const std::string& pattern) {
        const std::string& got = next();
        std::smatch m;
        if (!std::regex_match(got, m, std::regex(pattern))) {
            fail("\"" + got + "\" does not match " + pattern);
        }
        std::vector<std::string> groups;
        for (std::size_t i = 1; i < m.size(); ++i) {
            groups.push_back(m[i].str());
        }
        return groups;
    }
    // The line as the format writes the numbers it holds.
    void rendered(const std::string& want) {
        if (lines_[at_ - 1] != want) {
            fail("\"" + lines_[at_ - 1] + "\" is not written as \"" + want + "\"");
        }
    }

  private:
    std::vector<std::string> lines_;
    std::size_t at_ = 0;
};

double number(const std::string& text) {
    return std::stod(text);
}

void items(Lines& in, unsigned count) {
    const std::string& line = in.next();
    const std::regex item("-?\\d+\\.\\d");
    std::string want;
    unsigned n = 0;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), item);
         it != std::sregex_iterator(); ++it, ++n) {
        want += formatNumber("%5.1lf  ", number(it->str()));
    }
    if (n != count) {
        in.fail("holds " + std::to_string(n) + " items, not " + std::to_string(count));
    }
    in.rendered(want);
}

unsigned group(Lines& in, const std::string& countLine, const std::string& plural,
               const std::string& singular, bool emptyLineAfterCount) {
    const unsigned count = std::stoul(in.match(countLine + "(\\d+)")[0]);
    if (emptyLineAfterCount) {
        in.exact("");
    }
    in.exact("Parametry przewodu " + singular + ":");
    const auto p = in.match("r = +" + kNumber + " m\ts = +" + kNumber + " m\tn1 = (\\d+) szt");
    in.rendered(formatNumber("r = %7.4lf m\t", number(p[0])) +
                formatNumber("s = %5.2lf m\t", number(p[1])) + "n1 = " + p[2] + " szt");
    in.exact("");
    in.exact("Wysokosci przewodow " + plural + " nad ziemia:");
    items(in, count);
    in.exact("");
    in.exact("Odleglosci przewodow " + plural + " od osi y:");
    items(in, count);
    in.exact("");
    return count;
}

void surface(Lines& in, ParsedReport& r) {
    if (in.peek() == "Maksymalna wartosc indukcji magnetycznej na powierzchni przewodow wynosi:") {
        in.next();
        r.magnetic = true;
        in.rendered(formatNumber("Emx=%6.2lf mT", number(in.match("Emx= *" + kNumber + " mT")[0])));
        return;
    }
    in.exact("Maksymalna wartosc natezenia pola elektrycznego");
    in.exact("na powierzchni przewodow wynosi:");
    in.rendered(
        formatNumber("Emx = %5.2lf kV/cm", number(in.match("Emx = *" + kNumber + " kV/cm")[0])));
    for (int i = 0; i < 4; ++i) {
        in.exact("");
    }
    if (in.atEnd()) {
        return;
    }
    r.interference = true;
    in.exact("Poziom zaklocen w/g kolejnych wzorow [dB]");
    for (int k = 1; k <= 5; ++k) {
        const std::string label = std::to_string(k) + ". ";
        in.rendered(label + formatNumber("%8.2lf", number(in.match(label + " *" + kNumber)[0])));
    }
    in.exact("");
}

void table(Lines& in, ParsedReport& r) {
    const bool m = r.magnetic;
    const char* format = nullptr;
    int columns = 2;
    if (in.peek().rfind("Natezenie pola jest", 0) == 0) {
        r.vertical = true;
        in.rendered(
            formatNumber("Natezenie pola jest obliczane w odleglosci x = %6.2lf m od osii linii",
                         number(in.match("Natezenie pola jest obliczane w odleglosci x = *" +
                                         kNumber + " m od osii linii")[0])));
    } else {
        in.rendered(
            formatNumber("Natezenie pole obliczane jest na wysokosci y = %6.2lf m",
                         number(in.match("Natezenie pole obliczane jest na wysokosci y = *" +
                                         kNumber + " m")[0])));
    }
    for (int i = 0; i < 4; ++i) {
        in.exact("");
    }
    const std::string axis = r.vertical ? "y" : "x";
    if (m) {
        in.exact("       " + axis + "(m)      kx(A/m)       ky(A/m)        kw(A/m)");
        columns = 4;
        format = r.vertical ? "%10.1lf|%14.3lf|%14.3lf|%15.3lf" : "%10.1lf|%14.5lf|%14.5lf|%15.5lf";
    } else {
        in.exact("                " + axis + "(m)       ks(kv/m)");
        format = r.vertical ? "%19.1lf|%15.3lf" : "%19.1lf|%15.5lf";
    }
    while (!in.atEnd()) {
        std::istringstream line(in.next());
        std::vector<double> row;
        double value = 0.0;
        while (line >> value) {
            row.push_back(value);
        }
        if (static_cast<int>(row.size()) != columns) {
            in.fail("a row of " + std::to_string(row.size()) + " numbers");
        }
        std::string want;
        std::istringstream formats(format);
        std::string one;
        for (const double v : row) {
            std::getline(formats, one, '|');
            want += formatNumber(one.c_str(), v);
        }
        in.rendered(want);
        r.rows.push_back(row);
    }
}

void profile(Lines& in, ParsedReport& r) {
    if (in.peek() == "****** Pole magnetyczne ******") {
        r.magnetic = true;
    }
    in.exact(r.magnetic ? "****** Pole magnetyczne ******" : "****** Pole elektryczne ******");
    in.exact("");
    in.exact("");
    if (r.magnetic) {
        if (in.peek().rfind("Maksymalne wartosci", 0) == 0) {
            r.twoCurrents = true;
            const auto c = in.match("Maksymalne wartosci pradow fazowych w obu torach I1 = *" +
                                    kNumber + "  I2 = *" + kNumber + " \\[A\\]");
            in.rendered(
                formatNumber("Maksymalne wartosci pradow fazowych w obu torach I1 = %10.2lf",
                             number(c[0])) +
                formatNumber("  I2 = %10.2lf [A]", number(c[1])));
        } else {
            in.rendered(formatNumber("Maksymalna wartość prądu fazowego i1 = %10.2lf [A]",
                                     number(in.match("Maksymalna wartość prądu fazowego i1 = *" +
                                                     kNumber + " \\[A\\]")[0])));
        }
    }
    r.axis = number(in.match("Oś słupa: " + kNumber + " \\(m\\)")[0]);
    in.rendered(formatNumber("Oś słupa: %lf (m)", *r.axis));
    in.exact("");
    table(in, r);
}

} // namespace

ParsedReport parseReport(const std::string& bytes) {
    ParsedReport r;
    try {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
                throw std::runtime_error("a line end without CR");
            }
        }
        const std::string text = fromCp1250(bytes);
        if (text.empty() || text.back() != '\n') {
            throw std::runtime_error("the report does not end with a line end");
        }
        std::vector<std::string> split;
        std::istringstream stream(text);
        std::string line;
        while (std::getline(stream, line)) {
            split.push_back(line.substr(0, line.size() - 1));
        }
        Lines in(std::move(split));
        in.rendered(formatNumber(
            "Obliczenia pola elektrycznego i magnetycznego linii u = %.1lf kv",
            number(in.match("Obliczenia pola elektrycznego i magnetycznego linii u = " + kNumber +
                            " kv")[0])));
        in.exact(kStars);
        if (in.peek().rfind("Komentarz: ", 0) == 0) {
            r.comment = true;
            in.next();
            in.exact(kStars);
        }
        in.match("Slup: seria (.*)\t typ (.*)");
        in.exact(std::string(30, '-'));
        in.exact("");
        r.lpr = group(in, "Liczba przewodow roboczych lpr = ", "roboczych", "roboczego", true);
        if (in.peek().rfind("Liczba przewodow odgromowych", 0) == 0) {
            r.lpo = group(in, "Liczba przewodow odgromowych  lpo = ", "odgromowych", "odgromowego",
                          false);
        }
        if (in.peek().rfind("Liczba przewodow ekranuj", 0) == 0) {
            r.lpe = group(in, "Liczba przewodow ekranujących  lpe = ", "ekranujacych",
                          "ekranujacego", false);
        }
        if (in.peek().rfind("Maksymalna", 0) == 0) {
            r.onConductors = true;
            surface(in, r);
        } else {
            profile(in, r);
        }
        if (!in.atEnd()) {
            in.fail("text after the end of the report");
        }
    } catch (const std::exception& e) {
        r.problem = e.what();
    }
    return r;
}

} // namespace velt::testing
