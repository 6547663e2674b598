#pragma once
// The sample projects shipped in this folder, built in code so that the
// files can be made again and the benchmarks can use the same mix of items.
#include <string>
#include <vector>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"

namespace tarvo::samples {

struct SampleProject {
    std::string fileName; // e.g. "sawn-lumber-wind.tvp"
    CommonData common;
    ColumnsData columns;
};

// Every shipped sample, in a fixed order.
std::vector<SampleProject> buildSampleProjects();

// A project of `count` items cycling through every product kind, with wind
// (for benchmarks and load tests).
void buildMixedProject(int count, CommonData& common, ColumnsData& columns);

} // namespace tarvo::samples
