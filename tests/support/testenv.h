#pragma once
// What every test program shares: a temporary copy of the program folder, scripted dialogs and shell, and
// timers running at a thousandth of their speed.

#include "platform/scripteddialogs.h"
#include "platform/shell.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace ts::test {

// The folder of the shared reference material (schemas, samples); empty when it is absent.
QString sharedDir();
// A file of the tests' own data folder.
QString testData(const QString &relative);

// Prepares the run of a test program before its application is created (main of each test program calls
// it): no display, and timers at a thousandth of their speed.
void prepareTestRun();

// A fresh temporary copy of the built program folder, made the program folder for the test's duration,
// with scripted dialogs and a recording shell installed.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString path(const QString &relative) const;
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    // Fails the test on a question that no answer was queued for.
    bool failOnUnanswered = true;
};

} // namespace ts::test
