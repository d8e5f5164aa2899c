#include "core/router/report_series.hpp"

#include "core/router/load_meter.hpp"
#include "core/router/rma_test.hpp"

#include <charconv>
#include <cmath>
#include <utility>

namespace tessel {

namespace {

std::string_view WithoutAround(std::string_view text, char front, char back) {
    if (text.size() >= 2 && text.front() == front && text.back() == back) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace

std::optional<double> ReportFigure(std::string_view cell) {
    std::string_view text = WithoutAround(cell, '(', ')');
    if (text.ends_with('%')) {
        text.remove_suffix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

ReportChart::ReportChart(RowOf rowOf, std::vector<ReportSeries> series)
    : rowOf_(rowOf), series_(std::move(series)) {}

void ReportChart::Start(Time time) {
    start_ = time;
    for (ReportSeries& series : series_) {
        series.points.Clear();
    }
}

bool ReportChart::Add(Time time, std::string_view chunk) {
    const auto row = rowOf_(chunk);
    if (!row) {
        return false;
    }
    std::vector<double> values;
    for (const ReportSeries& series : series_) {
        const auto value = ReportFigure((*row)[series.column]);
        if (!value) {
            return false;
        }
        values.push_back(*value);
    }
    const double seconds = static_cast<double>((time - start_).count()) / 1000.0;
    for (std::size_t i = 0; i < series_.size(); ++i) {
        series_[i].points.Add({seconds, values[i]});
    }
    return true;
}

std::string_view LoadMeterRateUnit(bool kilobytes) {
    return kilobytes ? "KBytes/s" : "kbit/s";
}

ReportChart LoadMeterChart(std::string_view interfaceName, bool kilobytes) {
    const std::string name(interfaceName);
    const std::string rate(LoadMeterRateUnit(kilobytes));
    const std::string packets = "packets per report";
    // The grid's columns: 1 and 5 the current input and output, 4 and 8
    // their packets.
    return ReportChart(LoadMeterRowOf, {
                                           {name + " input", rate, 1, {}},
                                           {name + " output", rate, 5, {}},
                                           {name + " input packets", packets, 4, {}},
                                           {name + " output packets", packets, 8, {}},
                                       });
}

ReportChart RmaTestChart() {
    // The grid's columns: 2 and 4 the level numbers, 8 the quality.
    return ReportChart(RmaTestRowOf, {
                                         {"Lev->", "level (0..16)", 2, {}},
                                         {"Lev-<", "level (0..16)", 4, {}},
                                         {"Quality", "%", 8, {}},
                                     });
}

double RoundTickStep(double span, int most) {
    if (!(span > 0) || most < 1) {
        return 1;
    }
    const double least = span / most;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    for (;;) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (factor * power >= least) {
                return factor * power;
            }
        }
        power *= 10;
    }
}

}  // namespace tessel
