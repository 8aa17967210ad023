#pragma once
// The SCORM 2004 editor's list editors as data: the lifecycle and meta-metadata contributors and the taxa
// (two-part lists) and the classifications (a fragment list, whose entries the window keeps as fragment
// files in temp).

#include "editorkit/listeditor.h"

namespace ts::lists2004 {

extern const kit::TwoPartListSpec kContributors;
extern const kit::TwoPartListSpec kMetaContributors;
extern const kit::TwoPartListSpec kTaxa;
extern const kit::FragmentListSpec kClassifications;

} // namespace ts::lists2004
