#pragma once
// The project every benchmark works on: a mix of every product kind with
// wind, with the catalogue and the check that serve it.
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "samples/SampleProjects.h"

namespace tarvo::bench {

struct MixedProject {
    explicit MixedProject(int items) { samples::buildMixedProject(items, common, columns); }

    CommonData common;
    ColumnsData columns;
    const MatDataBase catalogue{};
    ColumnCheck check{catalogue, common};
};

} // namespace tarvo::bench
