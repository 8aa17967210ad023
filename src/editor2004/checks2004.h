#pragma once
// The SCORM 2004 editor's required-field checks as data: one table per category, in the order an export runs
// them. Metametadata, educational, rights, relation and annotation require nothing.

#include "editorkit/requiredfields.h"

#include <initializer_list>

namespace ts::checks2004 {

extern const std::initializer_list<kit::RequiredCategory> kCategories;

} // namespace ts::checks2004
