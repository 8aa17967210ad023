#pragma once
// The SCORM 1.2 writers: turn one record of the SCORM 1.2 editor into an IMS Meta-Data 1.2 document.
//
// A writer run asks its questions ("Continue?") and shows its messages through ts::msgBox, builds the
// whole document and returns it; it shows no window and writes nothing to disk. What the editor does
// around a run (the processing box before it, bringing a field to front after a validation exit,
// showing the document or storing it as a template) belongs to the editor.

#include "model12/record12.h"

#include <QDate>
#include <QString>
#include <optional>

namespace ts {

// The three writers, one per kind of resource that the metadata categories name.
enum class Writer12 { Aggregation, SCO, Asset };

// What a run needs besides the record.
struct WriteContext12 {
    bool optionalOnly = false;           // a "(MD-XML1)" category: every optional element is left out
    QDate today;                         // the export day (the caller takes QDate::currentDate())
    QString languageCode = QStringLiteral("x-none");
    QString programDir;                  // the program folder holding temp12; empty means programFolder()
};

// The field a validation exit sends the user back to.
struct FocusRequest12 {
    QString control;     // objectName of the control, empty when no field is to be focused
    int tab = -1;        // tab of SSTab1 to bring to front (0 GENERAL .. 8 CLASSIFICATION), -1 for none
    bool clear = false;  // empty the control's text first
    bool enable = false; // enable the control first
    bool isSet() const { return !control.isEmpty(); }
    bool operator==(const FocusRequest12 &) const = default;
};

enum class WriteStatus12 {
    Done,    // the document was built; text holds it
    Stopped, // a check ended the run (a message was shown or "Continue?" was answered No)
    Failed,  // a run-time error ended the run; it has been reported
};

struct WriteResult12 {
    WriteStatus12 status = WriteStatus12::Failed;
    QString text;         // the whole document when Done, empty otherwise
    FocusRequest12 focus; // after Stopped: the field to bring to front (unset after "Continue?" No)
    bool done() const { return status == WriteStatus12::Done; }
};

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

// The box the editor shows when the XML text window refused the document.
QString showXmlRefusedText12();
void reportShowXmlRefused12();

} // namespace ts
