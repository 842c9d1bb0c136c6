// SPDX-License-Identifier: GPL-3.0-or-later
// The widget tests read the help pages and tips of this source tree, as a
// development build of the designer may; shipped programs never do.

#include "app/DataFiles.h"

namespace {

const bool kSourceTreeData = [] {
    UseSourceTreeData(MONDREL_SOURCE_DIR);
    return true;
}();

}  // namespace
