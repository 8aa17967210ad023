#pragma once
// What the metadata writers of both bindings share: the context of a run, its result (with the field a
// validation exit sends the user back to), the lines a document is built of, the size test, and the
// classification fragments kept as files below the program folder until a writer pastes them into a
// document.

#include "textutil.h" // isPlainSize, the size test of the size fields and of the writers

#include <QDate>
#include <QString>
#include <QStringList>

namespace ts {

// What a writer run needs besides the record.
struct WriteContext {
    bool optionalOnly = false; // a "(MD-XML1)" category: every optional element is left out
    QDate today;               // the export day (the caller takes QDate::currentDate()); invalid means today
    QString languageCode = QStringLiteral("x-none");
    QString programDir; // the program folder holding the fragment folders; empty means programFolder()

    QString folder() const;
    QDate day() const;
};

// The field a validation exit sends the user back to.
struct FocusRequest {
    QString control;     // objectName of the control, empty when no field is to be focused
    int tab = -1;        // tab of SSTab1 to bring to front (0 GENERAL .. 8 CLASSIFICATION), -1 for none
    bool clear = false;  // empty the control's text first
    bool enable = false; // enable the control first
    bool isSet() const { return !control.isEmpty(); }
    bool operator==(const FocusRequest &) const = default;
};

enum class WriteStatus {
    Done,    // the document was built; text holds it
    Stopped, // a check ended the run (a message was shown or "Continue?" was answered No)
    Failed,  // a run-time error ended the run; it has been reported
};

struct WriteResult {
    WriteStatus status = WriteStatus::Failed;
    QString text;       // the whole document when Done, empty otherwise
    FocusRequest focus; // after Stopped: the field to bring to front (unset after "Continue?" No)
    bool done() const { return status == WriteStatus::Done; }
};

// N units of three blanks.
QString indentUnits(int level);

// A document as it grows, one line at a time; every line ends with carriage return and line feed.
class XmlLines {
public:
    QString text;
    // A line at a level: its indentation, the text as given (already XML), the line end.
    void line(int level, const QString &xml);
    // An element holding an escaped value on one line: <tag>value</tag>.
    void element(int level, const QString &tag, const QString &value);
    // An empty line.
    void empty();
};

// The fragment file of a classification id: <program folder>/<folderName>/<id>.xml.
QString fragmentPath(const QString &programDir, const QString &folderName, const QString &classificationId);

// Replaces the fragment file of an id with the text (UTF-8). An id that cannot be a file name is refused
// with a message and nothing is written; a file that cannot be written is reported with its path. True
// only when the file was written.
bool storeFragment(const QString &programDir, const QString &folderName, const QString &classificationId,
                   const QString &text);

// Appends the fragment files of the ids to the document in list order. The first that cannot be read (or
// whose id is no plain file name, which would reach outside the folder) stops the splice with a message;
// what was pasted before it stays. Characters XML cannot hold are left out of what is pasted; the answer
// says whether a fragment held some.
bool spliceFragments(const QString &programDir, const QString &folderName, const QStringList &ids, QString &text);

// The box the editors show when the XML text window refused the document.
QString showXmlRefusedText();
void reportShowXmlRefused();

} // namespace ts
