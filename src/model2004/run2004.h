#pragma once
// What the categories of one SCORM 2004 writer run share: the record, the context, the text constants
// and the document (the lines it inherits) that they append their lines to. Internal to the writers.

#include "model2004/build2004.h"
#include "model2004/record2004.h"
#include "model2004/writer2004.h"

#include <QString>

namespace ts {

class Run2004 : public XmlLines {
public:
    Run2004(Writer2004 writer, const Record2004 &record, const WriteContext &context);

    const Writer2004 writer;
    const Record2004 &r;
    const WriteContext &ctx;
    const XmlConstants2004 constants;
    // True while the optional elements are written (a "+ Optional" category).
    const bool optional;

    // Set by a validation exit: the field the user is sent back to.
    FocusRequest focus;

    // A language-tagged text holding an escaped value.
    void string(int level, const QString &value);
    // A vocabulary pair: the source "LOMv1.0" and the escaped value, each at (level + 1) units as the
    // vocabulary builders count.
    void vocabulary(int sourceLevel, int valueLevel, const QString &value);
    // A vocabulary element: its tags at their own levels and the pair inside.
    void vocabularyElement(int openLevel, int closeLevel, const QString &tag, int pairLevel, const QString &value);
    // The general identifier's catalog and entry, as <identifier> at level 2 (the meta-metadata identifier
    // and the related resource repeat it).
    void identifier();
};

// The categories in writing order. Those that can end the run answer false after a validation exit or a
// "Continue?" answered No (focus then names the field, if any).
void writeGeneral2004(Run2004 &run);
void writeLifecycle2004(Run2004 &run);
void writeMetametadata2004(Run2004 &run);
bool writeTechnical2004(Run2004 &run);
void writeEducational2004(Run2004 &run);
void writeRights2004(Run2004 &run);
bool writeRelation2004(Run2004 &run);
void writeAnnotation2004(Run2004 &run);

} // namespace ts
