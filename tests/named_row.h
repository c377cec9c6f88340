#pragma once
// One row of a table-driven test: its name, the words given, and what they should come to.
// Test lists show the row's name rather than its bytes, and so do the tests' own names.

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

template <typename Outcome>
struct NamedRow {
    std::string name;
    std::vector<std::string> words;
    Outcome expected;

    friend void PrintTo(const NamedRow& row, std::ostream* out) { *out << row.name; }
};

// For INSTANTIATE_TEST_SUITE_P: each test is named after its row.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};
