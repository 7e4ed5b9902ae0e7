// The greedy pop order: the values pushed in input order onto one stack, and the top
// popped whenever it is not larger than every value still waiting, which emits them in the
// lexicographically smallest order one stack can produce.
//
// Time O(n): every value is pushed once and popped once. Memory O(n): the suffix minima
// and the stack. Tested by tests/pop_order_test.cpp against every pop order enumerated on
// small inputs (testing/stack_reference.hpp).
#pragma once

#include <vector>

constexpr int kCapacity = 100000;  // the largest n the task allows

extern int n;
extern int a[kCapacity];   // the values, in input order
extern int mn[kCapacity];  // mn[i] is the smallest of a[i..n-1]

// The pop order of a[0..n).
std::vector<int> popOrder();
