// The moves: the records of the positions sorted by (initial value, target value,
// position), and for each changed position a move from the lowest position whose initial
// value is its target. Copying values in that order, every source still holds its initial
// value when it is read.
//
// Time O(n log n): six counting passes of the sort and one pass for the map of first
// positions, O(n) in all, then a binary search per record, O(log n) each. Memory O(n). Tested by
// tests/moves_test.cpp against a checker of its own on small random inputs
// (testing/transformation_reference.hpp).
#pragma once

#include <utility>
#include <vector>

const int N = 100010;  // the largest n the task allows

// ((initial value, target value), position), sorted in that order.
using Record = std::pair<std::pair<int, int>, int>;

extern int n;
extern Record a[N];  // a[i] holds position i when read; collectMoves sorts them
// Each initial value's first position, as an ordered map held in one array sorted by value.
extern std::vector<std::pair<int, int>> where;
extern std::vector<std::pair<int, int>> ans;  // the moves, as 0-based (destination, source)

// Collects the moves of a[0..n) into ans; false when some target value is below its
// initial value or is no initial value at all.
bool collectMoves();
