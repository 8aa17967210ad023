#include "support/testmain.h"

#include "framefixture.h"

#include "frame/templates.h"

#include <QDir>
#include <QFile>
#include <QLabel>

using namespace ts;
using namespace ts::test;

// The template store: the default-template pointer, and templates written, replaced and deleted.
class Templates : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        frmMain().scormVersion = QStringLiteral("SCORM 1.2");
        frmMain().dontValidate = true;
        frmOptions().setFieldText(QStringLiteral("titleText"), QStringLiteral("Current record"));
        frmMain().dontValidate = false;
    }
    QString defaultLabel() const { return frmMain().lblDefTemp()->text(); }
};

TEST_F(Templates, DefaultTemplatePointer)
{
    const struct {
        const char *cdt; // nullptr: no cdt.txt
        const char *name;
    } rows[] = {{nullptr, "default.tsm"}, {"", "default.tsm"},           {"\r\nmine.tsm\r\n", "default.tsm"},
                {"mine.tsm", "mine.tsm"}, {"a.tsm,b.tsm\r\n", "a.tsm"}, {"  spaced.tsm  \r\n", "spaced.tsm"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.cdt ? row.cdt : "no file");
        QFile::remove(path(QStringLiteral("templates/cdt.txt")));
        if (row.cdt)
            writeFile(QStringLiteral("templates/cdt.txt"), row.cdt);
        EXPECT_EQ(getDefaultTemplate(), QLatin1String(row.name));
    }

    // Each write replaces the whole file with one line; an empty name becomes the default.
    writeFile(QStringLiteral("templates/cdt.txt"), "old.tsm,with more\r\nsecond line\r\n");
    for (const char *name : {"mine.tsm", ""}) {
        QString fileName = QLatin1String(name);
        EXPECT_EQ(setDefaultTemplate(fileName), QStringLiteral("1"));
        const QString expected = *name ? QLatin1String(name) : QStringLiteral("default.tsm");
        EXPECT_EQ(fileName, expected);
        EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), expected.toLatin1() + "\r\n");
        EXPECT_EQ(defaultLabel(), expected);
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());

    // A read-only pointer keeps its content and the label theirs.
    const QString cdt = path(QStringLiteral("templates/cdt.txt"));
    QFile::setPermissions(cdt, QFileDevice::ReadOwner);
    QString other = QStringLiteral("other.tsm");
    EXPECT_EQ(setDefaultTemplate(other), QString());
    QFile::setPermissions(cdt, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("default.tsm\r\n"));
    EXPECT_EQ(defaultLabel(), QStringLiteral("default.tsm"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, cdt + QStringLiteral(" is marked as Hidden or Read-Only.\rThis file can not be "
                                                            "opened\rPlease remove these attributes from the file "
                                                            "and try again."));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("File Error"));

    // Without a templates folder the failure is reported.
    dialogs.clear();
    QDir(path(QStringLiteral("templates"))).removeRecursively();
    EXPECT_EQ(setDefaultTemplate(other), QString());
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_TRUE(dialogs.calls()[0].text.startsWith(QStringLiteral("Error 75 (")));
    EXPECT_TRUE(dialogs.calls()[0].text.endsWith(QStringLiteral(") in procedure setDefaultTemplate of Module modTemplate")));
    EXPECT_EQ(defaultLabel(), QStringLiteral("default.tsm"));
}

TEST_F(Templates, DeletingKeepsADefaultTemplate)
{
    const QByteArray recreated = "<xml></xml>\r\n";
    const struct {
        const char *file;
        const char *defaultName;
        bool defaultPresent;
        QList<Answer> answers;
        bool deleted;
        const char *defaultAfter;       // cdt.txt's name afterwards
        const char *defaultContentAfter; // nullptr: no default.tsm afterwards; "" its old content
    } rows[] = {
        {"a.tsm", "b.tsm", true, {Answer::Yes}, true, "b.tsm", ""},
        {"a.tsm", "b.tsm", true, {Answer::No}, false, "b.tsm", ""},
        {"a.tsm", "a.tsm", true, {Answer::Yes, Answer::Yes}, true, "default.tsm", ""},
        {"a.tsm", "a.tsm", false, {Answer::Yes, Answer::Yes}, true, "default.tsm", "<xml></xml>\r\n"},
        {"a.tsm", "a.tsm", false, {Answer::Yes, Answer::No}, false, "a.tsm", nullptr},
        {"default.tsm", "default.tsm", true, {Answer::Yes, Answer::Yes}, true, "default.tsm", "<xml></xml>\r\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 default %2 present %3 answers %4")
                         .arg(QLatin1String(row.file), QLatin1String(row.defaultName))
                         .arg(row.defaultPresent)
                         .arg(row.answers.size())
                         .toStdString());
        dialogs.clear();
        const QByteArray oldDefault = "old default\r\n";
        QFile::remove(path(QStringLiteral("templates/default.tsm")));
        if (row.defaultPresent)
            writeFile(QStringLiteral("templates/default.tsm"), oldDefault);
        writeFile(QStringLiteral("templates/") + QLatin1String(row.file), "template\r\n");
        QString name = QLatin1String(row.defaultName);
        setDefaultTemplate(name);
        for (Answer a : row.answers)
            dialogs.answer(a);

        EXPECT_EQ(deleteTemplate(QLatin1String(row.file)), row.deleted);
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
        const bool present = QFile::exists(path(QStringLiteral("templates/") + QLatin1String(row.file)));
        EXPECT_EQ(present, !row.deleted || QLatin1String(row.file) == QLatin1String("default.tsm"));
        EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray(row.defaultAfter) + "\r\n");
        EXPECT_EQ(defaultLabel(), QLatin1String(row.defaultAfter));
        if (!row.defaultContentAfter)
            EXPECT_FALSE(QFile::exists(path(QStringLiteral("templates/default.tsm"))));
        else
            EXPECT_EQ(readFile(QStringLiteral("templates/default.tsm")),
                      *row.defaultContentAfter ? recreated : oldDefault);
    }
    // A template that is no longer there is reported, and nothing else changes.
    dialogs.clear();
    dialogs.answer(Answer::Yes);
    EXPECT_FALSE(deleteTemplate(QStringLiteral("gone.tsm")));
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_TRUE(dialogs.calls()[1].text.startsWith(QStringLiteral("The template ") +
                                                   path(QStringLiteral("templates/gone.tsm")) +
                                                   QStringLiteral(" could not be deleted: ")));
    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("File Error"));
}

TEST_F(Templates, NewTemplateReplacesTheWholeFileOnlyAfterYes)
{
    const QByteArray longOld = QByteArray(5000, 'x') + "\r\n";
    const struct {
        bool exists;
        QList<Answer> answers;
        bool written;
    } rows[] = {{false, {}, true}, {true, {Answer::Yes}, true}, {true, {Answer::No}, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.exists ? "exists" : "new");
        dialogs.clear();
        QFile::remove(path(QStringLiteral("templates/mine.tsm")));
        if (row.exists)
            writeFile(QStringLiteral("templates/mine.tsm"), longOld);
        for (Answer a : row.answers)
            dialogs.answer(a);
        EXPECT_EQ(newTemplateFile(QStringLiteral("mine")), row.written);
        const QByteArray bytes = readFile(QStringLiteral("templates/mine.tsm"));
        if (!row.written) {
            EXPECT_EQ(bytes, longOld);
            continue;
        }
        // The record, ended by one line end, and nothing of the old file.
        EXPECT_TRUE(bytes.contains("<langstring xml:lang=\"x-none\">Current record</langstring>"));
        EXPECT_TRUE(bytes.endsWith("</lom>\r\n"));
        EXPECT_FALSE(bytes.contains("xxx"));
    }
    // The SCORM 2004 editor has no writers yet: nothing is written, not even a blank file.
    frmMain().scormVersion = QStringLiteral("SCORM 2004");
    EXPECT_FALSE(newTemplateFile(QStringLiteral("lom")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("templates/lom.tsm"))));
}
