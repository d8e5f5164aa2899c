#include "core/router/decimated_series.hpp"

#include <algorithm>
#include <span>

namespace tessel {

namespace {

// The lowest (the first of equals) and the highest (the last of equals) in
// time order: two different points whenever there are two to choose from.
void AppendExtremes(std::vector<ChartPoint>& out, const ChartPoint& low, const ChartPoint& high) {
    if (high.seconds < low.seconds) {
        out.push_back(high);
        out.push_back(low);
    } else {
        out.push_back(low);
        out.push_back(high);
    }
}

void AppendExtremesOf(std::vector<ChartPoint>& out, std::span<const ChartPoint> group) {
    const ChartPoint* low = &group.front();
    const ChartPoint* high = &group.front();
    for (const ChartPoint& point : group.subspan(1)) {
        if (point.value < low->value) {
            low = &point;
        }
        if (point.value >= high->value) {
            high = &point;
        }
    }
    AppendExtremes(out, *low, *high);
}

}  // namespace

DecimatedSeries::DecimatedSeries(std::size_t capacity)
    : capacity_(std::max<std::size_t>(capacity / 4 * 4, 4)) {}

void DecimatedSeries::Add(ChartPoint point) {
    if (bucketFill_ == 0) {
        low_ = point;
        high_ = point;
    } else {
        if (point.value < low_.value) {
            low_ = point;
        }
        if (point.value >= high_.value) {
            high_ = point;
        }
    }
    if (++bucketFill_ == bucketRows_) {
        CloseBucket();
    }
}

void DecimatedSeries::Clear() {
    kept_.clear();
    bucketRows_ = 1;
    bucketFill_ = 0;
}

std::vector<ChartPoint> DecimatedSeries::Points() const {
    std::vector<ChartPoint> points = kept_;
    if (bucketFill_ == 1) {
        points.push_back(low_);
    } else if (bucketFill_ > 1) {
        AppendExtremes(points, low_, high_);
    }
    return points;
}

void DecimatedSeries::CloseBucket() {
    if (bucketRows_ == 1) {
        kept_.push_back(low_);
    } else {
        AppendExtremes(kept_, low_, high_);
    }
    bucketFill_ = 0;
    // Rows come one at a time and buckets close in pairs, so the count meets
    // the capacity exactly, and every group of four is two whole buckets.
    if (kept_.size() >= capacity_) {
        Compact();
    }
}

void DecimatedSeries::Compact() {
    std::vector<ChartPoint> merged;
    merged.reserve(kept_.size() / 2);
    const std::span<const ChartPoint> all(kept_);
    for (std::size_t at = 0; at + 4 <= all.size(); at += 4) {
        AppendExtremesOf(merged, all.subspan(at, 4));
    }
    kept_ = std::move(merged);
    // Four single rows became one pair; later, two pairs become one.
    bucketRows_ = bucketRows_ == 1 ? 4 : bucketRows_ * 2;
}

}  // namespace tessel
