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

// The smallest range with 1, 2 or 5 times a power of ten between ticks that
// holds low..high in three to eight steps. A single value gets a range around
// it; no value at all (low > high) or a value that is not finite gives 0..1.
AxisScale niceScale(double low, double high);

// Keeps the lowest and highest finite value it is given.
class ValueSpan {
public:
    void add(double value);
    bool empty() const { return low_ > high_; }
    double low() const { return low_; }
    double high() const { return high_; }
    AxisScale scale() const { return niceScale(low_, high_); }

private:
    double low_ = 1.0;
    double high_ = 0.0;
};

}  // namespace dalvo
