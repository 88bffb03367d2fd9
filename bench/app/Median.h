// The middle value of a few timed runs.
#pragma once

#include <algorithm>
#include <vector>

template <typename T>
T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
