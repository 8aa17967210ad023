#pragma once
// A conversion run: every listed file converted and written where the user chose, in UTF-8 with carriage
// return and line feed, each write atomic. Writing over a source first keeps a backup of it beside it; a
// file whose name was already written into the chosen folder in this run is refused, not overwritten.

#include "engine.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ts::lomshift {

struct Target {
    bool overwriteOriginals = false;
    bool toFolder = false;
    QString folder;
};

struct FileOutcome {
    QString source;
    QString failure;       // why it was not converted or not written; empty when written everywhere
    QStringList keptDates; // date values left as they were
    QStringList leftOut;   // where the source holds text that the converted file does not carry
    QString readNotice;    // how it was read, when not as it should be
    QStringList written;   // the files written for it
};

struct RunReport {
    QList<FileOutcome> files;
    // Every file written where it was to go, read as it should be, whole, and no date left as it was.
    bool complete() const;
    // The box that names what went wrong, when the run was not complete.
    QString problemsText() const;
};

// The backup made of a source before it is written over: "<name>.bak", or with a number behind it when that
// name is taken (never an existing file).
QString backupPathFor(const QString &source);

// Converts the files in their order (a file listed twice once) and writes each result.
RunReport runConversion(Converter &converter, const QStringList &files, const Target &target);

} // namespace ts::lomshift
