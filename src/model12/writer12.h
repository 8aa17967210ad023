#pragma once
// The SCORM 1.2 writers: turn one record of the SCORM 1.2 editor into an IMS Meta-Data 1.2 document.
//
// A writer run asks its questions ("Continue?") and shows its messages through ts::msgBox, builds the
// whole document and returns it; it shows no window and writes nothing to disk. What the editor does
// around a run (the processing box before it, bringing a field to front after a validation exit,
// showing the document or storing it as a template) belongs to the editor.

#include "model12/record12.h"
#include "shared/documentwriter.h"

#include <QDate>
#include <QString>
#include <optional>

namespace ts {

// The three writers, one per kind of resource that the metadata categories name.
enum class Writer12 { Aggregation, SCO, Asset };

// The run's context and result are those of every writer (shared/documentwriter.h).
using WriteContext12 = WriteContext;
using FocusRequest12 = FocusRequest;
using WriteStatus12 = WriteStatus;
using WriteResult12 = WriteResult;

// One writer run. Every line ends with carriage return and line feed.
WriteResult12 writeDocument12(Writer12 writer, const Record12 &record, const WriteContext12 &context);
WriteResult12 writeAggregation12(const Record12 &record, const WriteContext12 &context);
WriteResult12 writeSCO12(const Record12 &record, const WriteContext12 &context);
WriteResult12 writeAsset12(const Record12 &record, const WriteContext12 &context);

// The writer that the Export action runs for a metadata category text; none for any other text.
std::optional<Writer12> writerForCategory12(const QString &categoryText);
// The procedure name that error reports of the writer carry ("createAggregation", "createSCO", "createAsset").
QString writerProcedure12(Writer12 writer);

// The export day as the documents write it: year, two-digit month, day without a leading zero (2026-12-8).
QString documentDate12(const QDate &date);

// The metadata schema the writers write of their own.
inline constexpr const char *kMetadataScheme12 = "SCORM v1.2";

// The box the editor shows when the XML text window refused the document.
QString showXmlRefusedText12();
void reportShowXmlRefused12();

} // namespace ts
