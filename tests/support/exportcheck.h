#pragma once
// What the tests hold every opening to: each text of a file that its export does not hold is named by the
// notices of that opening: a vCard's lines beside its name, vocabulary sources and further records too. The
// comparison takes the replacements the writers make on purpose from the binding's tables (their own texts
// where a file gives the same, the program's language code outside the classifications, the export day);
// nothing else of the check that names them.

#include "shared/loadedmetadata.h"
#include "shared/notice.h"
#include "shared/readcheck.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace ts {
class ScriptedDialogs;
class XmlDocument;
}

namespace ts::test {

// The files an opening is held to: every metadata file of the shared samples and of the tests' data.
QStringList recordsToOpen();

// The texts of the opened file's record that its exported record does not hold, each not named by the
// notices: "<technical> size/"10"". With the languages the file gives that no notice names.
QStringList unnamedLosses(const XmlDocument &opened, const XmlDocument &exported, const CheckTables &tables,
                          const Notices &notices);

// What a binding does with a file: reads it (no document when it cannot), and fills a record from the
// document with its notices and exports it on the day given (empty when the export did not finish).
struct OpeningBinding {
    LoadedMetadata (*load)(const QString &path);
    std::function<QString(const XmlDocument &document, Notices &notices, const QDate &day)> openAndExport;
    const CheckTables &tables;
};

// The file at path opened and exported as the binding does, with "Continue?" answered Yes: the texts it holds
// that the export does not, unnamed by the notices given.
QStringList unnamedLossesOfExport(const OpeningBinding &binding, ScriptedDialogs &dialogs, const QString &path,
                                  const Notices &notices);

// Opens each of recordsToOpen() that the binding reads, exports it with "Continue?" answered Yes, and fails
// for every text of the file the export does not hold that its notices do not name. Then it opens the
// export, written today and once more a day before, into `folder`, and fails for every notice that opening
// shows but those `expected` allows, each with the reason the program's own file is told it.
void expectEveryLossNamed(const OpeningBinding &binding, ScriptedDialogs &dialogs, const QString &folder,
                          const QHash<QString, const char *> &expected);

} // namespace ts::test
