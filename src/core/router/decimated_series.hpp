#pragma once

// A chart line that keeps a whole run in bounded memory. Up to the capacity
// every row is a point. Beyond it, neighbouring points are merged four into
// two: the lowest and the highest of them, at their own times. A spike
// therefore stays on the chart however long the run, while the points never
// number more than the capacity plus the two of the rows not yet merged. At
// one row a second the default capacity holds the first half hour point for
// point; after that each pair of points stands for 4, 8, 16 ... rows.

#include <cstddef>
#include <vector>

namespace tessel {

struct ChartPoint {
    double seconds = 0;  // since the start of the run
    double value = 0;

    bool operator==(const ChartPoint&) const = default;
};

class DecimatedSeries {
  public:
    static constexpr std::size_t DefaultCapacity = 2048;

    // capacity is rounded down to a multiple of four, and is at least four.
    explicit DecimatedSeries(std::size_t capacity);
    DecimatedSeries() : DecimatedSeries(DefaultCapacity) {}

    // The next row, no earlier than the one before.
    void Add(ChartPoint point);
    void Clear();

    // In time order.
    std::vector<ChartPoint> Points() const;

  private:
    void CloseBucket();
    void Compact();

    std::size_t capacity_;
    std::vector<ChartPoint> kept_;
    // Rows merged into one kept pair; 1 while every row is kept as it is.
    std::size_t bucketRows_ = 1;
    // The rows of the bucket being filled: how many, and their extremes.
    std::size_t bucketFill_ = 0;
    ChartPoint low_;
    ChartPoint high_;
};

}  // namespace tessel
