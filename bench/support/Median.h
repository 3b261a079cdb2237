// The median of repeated measurements: a burst of other work on a shared machine moves it less
// than it moves the mean.
#pragma once

#include <algorithm>
#include <vector>

namespace velmora {

// The upper middle value when the count is even; 0 for none.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace velmora
