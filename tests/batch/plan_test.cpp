#include "support/testmain.h"

#include "batch/batchfile.h"

#include <QTemporaryDir>

using namespace ts::batch;

// Which listed files get a metadata file, and where; "@" stands for the test's folder.
TEST(Plan, NoMetadataFileIsWrittenOverAnotherOrOverAListedFile)
{
    const struct {
        QStringList listed;
        const char *target;
        QStringList planned; // the output, or the refusal
    } rows[] = {
        {{"a.gif", "b.jpg"}, "t", {"@/t/a.xml", "@/t/b.xml"}},
        // A file listed twice is one file: written twice, as listed.
        {{"a.gif", "a.gif"}, "t", {"@/t/a.xml", "@/t/a.xml"}},
        {{"x/a.gif", "y/a.jpg", "c.png"},
         "t",
         {"@/x/a.gif: its metadata file @/t/a.xml would also be written for @/y/a.jpg.",
          "@/y/a.jpg: its metadata file @/t/a.xml would also be written for @/x/a.gif.", "@/t/c.xml"}},
        {{"t/a.xml", "t/b.txt"}, "t", {"@/t/a.xml: its metadata file would replace @/t/a.xml, which is listed.",
                                      "@/t/b.xml"}},
        {{"t/b.txt", "t/b.xml"}, "@/t/../t", {"@/t/b.txt: its metadata file would replace @/t/b.xml, which is listed.",
                                             "@/t/b.xml: its metadata file would replace @/t/b.xml, which is listed."}},
        {{"common/scorm_template.gif"}, "common",
         {"@/common/scorm_template.gif: its metadata file would replace the template @/common/scorm_template.xml."}},
        {{"notes..v2.txt", "a\\b.gif"},
         "t",
         {"@/notes..v2.txt: its metadata file cannot be named \"notes..v2.xml\". The name may not contain \"..\".",
          "@/a\\b.gif: its metadata file cannot be named \"a\\b.xml\". The name may not contain \"/\" or \"\\\"."}},
    };
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const auto &r : rows) {
        QStringList sources;
        for (const QString &file : r.listed)
            sources << root + QLatin1Char('/') + file;
        const QString target = QString::fromLatin1(r.target).startsWith(QLatin1Char('@'))
                                   ? QString::fromLatin1(r.target).replace(QLatin1Char('@'), root)
                                   : root + QLatin1Char('/') + QLatin1String(r.target);
        QStringList planned;
        for (const PlannedFile &p : planOutputs(sources, target, root + QStringLiteral("/common/scorm_template.xml")))
            planned << QString(p.refusal.isEmpty() ? p.output : p.refusal).replace(root, QStringLiteral("@"));
        EXPECT_EQ(planned, r.planned) << r.listed.join(QLatin1Char(' ')).toStdString();
    }
}
