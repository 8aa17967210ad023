#pragma once
// The SCORM 2004 writers: turn one record of the SCORM 2004 editor into an IEEE LOM document.
//
// A writer run composes the two durations from their parts, asks its questions ("Continue?") and shows
// its messages through ts::msgBox, builds the whole document and returns it; it shows no window and writes
// nothing to disk. What the editor does around a run (the processing box before it, bringing a field to
// front after a validation exit, showing the document or storing it as a template) belongs to the editor.

#include "model2004/record2004.h"
#include "shared/documentwriter.h"
#include "shared/xmlsaferecord.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace ts {

// The three writers, one per kind of resource that the metadata categories name.
enum class Writer2004 { Aggregation, SCO, Asset };

// The writer that the export runs for each of the ten category texts; none for any other text. Whether a
// category is a minimum one is the editor's optionalOnly, which choosing the category sets.
std::optional<Writer2004> writerForCategory2004(const QString &categoryText);
// The procedure name that error reports of the writer carry ("createAggregation", "createSCO", "createAsset").
QString writerProcedure2004(Writer2004 writer);

// What the writers do first: every empty part of the duration and of the typical learning time becomes
// "00", and txtDuration and txtTypicalTime are composed from the parts in the full six-designator form.
void composeDurations2004(Record2004 &record);

// One writer run on a copy of the record with its durations composed. Every line ends with carriage
// return and line feed.
WriteResult writeDocument2004(Writer2004 writer, const Record2004 &record, const WriteContext &context);
WriteResult writeAggregation2004(const Record2004 &record, const WriteContext &context);
WriteResult writeSCO2004(const Record2004 &record, const WriteContext &context);
WriteResult writeAsset2004(const Record2004 &record, const WriteContext &context);

// The texts the writers write of their own: the descriptions of the duration and of the typical learning
// time, and the metadata schemas.
inline constexpr const char *kDurationDescription2004 = "Time it takes to complete the course.";
inline constexpr const char *kLearningTimeDescription2004 = "Average length of time to experience the activity.";
inline constexpr const char *kMetadataSchemas2004[] = {"LOMv1.0", "SCORM_CAM_v1.3"};

// Every text of the record that a writer puts into a document, with the field the editor shows it in.
std::span<const RecordTextField<Record2004>> recordTexts2004();
// The record with every text the writers write cleaned of characters XML cannot hold; fields gets the
// fields that held some, as the editor names them ("GENERAL: Title"), each once.
Record2004 xmlSafeRecord2004(const Record2004 &record, QStringList &fields);
// The field that the stored classifications stand for in the message naming such fields.
QString classificationListField2004();

// Test hook: runs at the start of every writer run's building; a test throws from it to see the
// writer's error report.
void setWriter2004FaultHook(void (*hook)());

} // namespace ts
