// Registering a file type the freedesktop way, under the user's data folder: the type and its glob in
// mime/packages, the program that opens it as a desktop entry in applications, and that program made the type's
// default in applications/mimeapps.list.

#include "clsfilefunc.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace ts {

namespace {

const QString kMimeNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kDefaults = QStringLiteral("[Default Applications]");

// The program's name as a file name: letters, digits, ".", "-" and "_".
QString fileId(const QString &name)
{
    QString id = name;
    for (QChar &c : id)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.') && c != QLatin1Char('-') &&
            c != QLatin1Char('_'))
            c = QLatin1Char('-');
    return id;
}

// The type's name: "application/x-" and the program's name in lower case.
QString mimeType(const QString &name)
{
    QString sub = fileId(name).toLower();
    sub.replace(QLatin1Char('_'), QLatin1Char('-'));
    return QStringLiteral("application/x-") + sub;
}

// A value of a desktop entry, with the escapes for what a line cannot hold.
QString entryValue(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return value;
}

// The command that opens a document: the program's path in double quotes (with ", `, $ and \ escaped
// inside them, and % doubled), then the document as one argument. The launcher hands the document over as a
// single argument, whatever blanks it holds; a field code may not stand inside quotes.
QString openCommand(const QString &program)
{
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    return entryValue(QLatin1Char('"') + quoted + QLatin1Char('"')) + QStringLiteral(" %f");
}

bool writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeTextFile(path, text);
}

// The globs a type package already holds, so that a second extension of the same type adds to them.
QStringList packageGlobs(const QString &path)
{
    QStringList globs;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return globs;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && !xml.hasError())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("glob"))
            globs << xml.attributes().value(QLatin1String("pattern")).toString();
    return globs;
}

void writePackage(const QString &path, const QString &type, const QString &description, const QString &glob)
{
    QStringList globs = packageGlobs(path);
    if (!globs.contains(glob))
        globs << glob;
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(kMimeNamespace);
    xml.writeStartElement(kMimeNamespace, QStringLiteral("mime-info"));
    xml.writeStartElement(kMimeNamespace, QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), type);
    xml.writeTextElement(kMimeNamespace, QStringLiteral("comment"), description);
    for (const QString &g : globs) {
        xml.writeEmptyElement(kMimeNamespace, QStringLiteral("glob"));
        xml.writeAttribute(QStringLiteral("pattern"), g);
    }
    xml.writeEndDocument();
    writeFile(path, QString::fromUtf8(bytes));
}

// Sets the type's default program in a mimeapps.list, keeping every other line of it.
void setDefaultProgram(const QString &path, const QString &type, const QString &desktopFile)
{
    QString text;
    readTextFile(path, text);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    const QString entry = type + QLatin1Char('=') + desktopFile;
    qsizetype at = lines.indexOf(kDefaults);
    if (at < 0) {
        lines << kDefaults << entry;
    } else {
        qsizetype end = at + 1;
        while (end < lines.size() && !lines.at(end).startsWith(QLatin1Char('[')))
            ++end;
        qsizetype i = at + 1;
        while (i < end && !lines.at(i).startsWith(type + QLatin1Char('=')))
            ++i;
        if (i < end)
            lines[i] = entry;
        else
            lines.insert(end, entry);
    }
    writeFile(path, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

} // namespace

void clsFileFunc::MakeFileDefault(const QString &strProgramName, const QString &strProgramPath,
                                  const QString &strFileDescription, QString &strFileExtension)
{
    if (strProgramName.isEmpty() || strProgramPath.isEmpty() || strFileExtension.isEmpty())
        return;
    if (!strFileExtension.startsWith(QLatin1Char('.')))
        strFileExtension.prepend(QLatin1Char('.'));

    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString id = fileId(strProgramName);
    const QString type = mimeType(strProgramName);
    // Lower case: the desktop matches a lower-case glob whatever the case of the file's name.
    writePackage(data + QStringLiteral("/mime/packages/") + id + QStringLiteral(".xml"), type, strFileDescription,
                 QLatin1Char('*') + strFileExtension.toLower());

    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nMimeType=%3;\n"
                                         "NoDisplay=true\n")
                              .arg(entryValue(strProgramName), openCommand(strProgramPath), type);
    writeFile(data + QStringLiteral("/applications/") + id + QStringLiteral(".desktop"), entry);
    setDefaultProgram(data + QStringLiteral("/applications/mimeapps.list"), type, id + QStringLiteral(".desktop"));

    // The desktop reads types from the database built out of the packages.
    const QString update = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!update.isEmpty()) {
        QProcess process;
        process.start(update, {data + QStringLiteral("/mime")});
        process.waitForFinished(10000);
    }
}

} // namespace ts
