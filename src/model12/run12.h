#pragma once
// What the categories of one SCORM 1.2 writer run share: the record, the context, the export day and
// the document (the lines it inherits) that they append their lines to. Internal to the writers.

#include "model12/buildxml.h"
#include "model12/record12.h"
#include "model12/writer12.h"

#include <QString>

namespace ts {

class Run12 : public XmlLines {
public:
    Run12(Writer12 writer, const Record12 &record, const WriteContext12 &context);

    const Writer12 writer;
    const Record12 &r;
    const WriteContext12 &ctx;
    const XmlConstants12 constants;
    const QString today; // the export day as written

    // Set by a validation exit: the field the user is sent back to.
    FocusRequest12 focus;

    // A language-tagged text holding an escaped value.
    void langString(int level, const QString &value);
    // A vocabulary pair: <source> with "LOMv1.0" and <value> with the escaped value. The tags stand at
    // tagLevel, the source's text at sourceTextLevel and the value's text at valueTextLevel.
    void vocabulary(int tagLevel, int sourceTextLevel, int valueTextLevel, const QString &value);
};

// The categories in writing order. Those that can end the run answer false after a validation exit
// (focus then names the field, if any).
void writeGeneral12(Run12 &run);
bool writeLifecycle12(Run12 &run);
bool writeMetametadata12(Run12 &run);
bool writeTechnical12(Run12 &run);
void writeEducational12(Run12 &run);
void writeRights12(Run12 &run);
bool writeRelation12(Run12 &run);
void writeAnnotation12(Run12 &run);

// Test hook: runs at the start of every writer run's building; a test throws from it to see the
// writer's error report.
void setWriter12FaultHook(void (*hook)());

} // namespace ts
