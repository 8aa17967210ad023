#pragma once
// The SCORM 1.2 editor's list editors as data: the lifecycle contributors and the taxa (two-part lists) and
// the classifications (a fragment list, whose entries the window keeps as fragment files in temp12).

#include "editorkit/listeditor.h"

namespace ts::lists12 {

extern const kit::TwoPartListSpec kContributors;
extern const kit::TwoPartListSpec kTaxa;
extern const kit::FragmentListSpec kClassifications;

} // namespace ts::lists12
