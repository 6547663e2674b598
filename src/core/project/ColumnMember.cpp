#include "core/project/ColumnMember.h"

#include "core/check/ColumnCheck.h"

namespace tarvo {

ColumnMember::ColumnMember() {
    // The member initialisers give the input defaults; the tenon of the empty
    // default section is what the automatic rule makes of it.
    ApplyAutoTenon(*this);
}

} // namespace tarvo
