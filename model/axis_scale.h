// Round axis ranges for the chart's linear axes, chosen from the data they show.
#pragma once

#include <vector>

namespace dalvo {

// A range from one tick to another, ticks `step` apart: the first at
// `minimum`, the last at `maximum`.
struct AxisScale {
    double minimum = 0.0;
    double maximum = 1.0;
    double step = 0.2;
    std::vector<double> ticks() const;
};

// Which values an axis may put its ticks on.
enum class TickValues {
    Round,  // 1, 2 or 5 times any power of ten
    Whole,  // as Round, but never closer than 1 apart: an axis that counts
};

// The smallest range with 1, 2 or 5 times a power of ten between ticks that
// holds low..high in three to eight steps; with whole ticks a short range may
// have fewer steps, each of 1. A single value gets a range around it; no
// value at all (low > high) or a value that is not finite gives 0..1.
AxisScale niceScale(double low, double high, TickValues ticks = TickValues::Round);

// Keeps the lowest and highest finite value it is given.
class ValueSpan {
public:
    void add(double value);
    bool empty() const { return low_ > high_; }
    double low() const { return low_; }
    double high() const { return high_; }
    AxisScale scale(TickValues ticks = TickValues::Round) const { return niceScale(low_, high_, ticks); }

private:
    double low_ = 1.0;
    double high_ = 0.0;
};

}  // namespace dalvo
