#include "exportcheck.h"

#include "testenv.h"

#include "platform/scripteddialogs.h"
#include "platform/xmldocument.h"
#include "shared/leftoutstrings.h"
#include "shared/metadatarecord.h"
#include "shared/textutil.h"
#include "shared/xmlwalk.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace ts::test {

namespace {

struct Text {
    QStringList names; // the element's local names from the category down
    QStringList shown; // the same as written, for the failure message
    QString text;
    Held held;
    XmlNode element;
};

Held ruleFor(const CheckTables &tables, const QStringList &names, Held inherited)
{
    const QString path = names.join(u'/');
    for (const HeldRule &rule : tables.rules) {
        const QString tail = QLatin1String(rule.path);
        if (path == tail || path.endsWith(u'/' + tail))
            return rule.held;
    }
    return inherited;
}

QString own(const XmlNode &element)
{
    QString out;
    for (const XmlNode &c : childNodes(element))
        out += c.isText() ? c.text() : QStringLiteral(" ");
    return out.simplified();
}

void collect(const XmlNode &element, QStringList names, QStringList shown, Held held, const CheckTables &tables,
             QList<Text> &out, QStringList &languages)
{
    names << element.localName();
    shown << element.name();
    held = ruleFor(tables, names, held);
    const QString language = element.attribute(QLatin1String(tables.languageAttribute)).trimmed();
    if (!language.isEmpty())
        languages << language;
    if (held == Held::Language) {
        if (!nodeText(element).isEmpty())
            languages << nodeText(element);
        return;
    }
    if (const QString text = own(element); !text.isEmpty())
        out.append({names, shown, text, held, element});
    for (const XmlNode &child : element.elements())
        collect(child, names, shown, held, tables, out, languages);
}

// The texts of the record's categories, the classifications aside (they travel whole in their fragments,
// and keep their languages).
QList<Text> textsOf(const XmlDocument &document, const CheckTables &tables, QStringList &languages,
                    QStringList *classificationLanguages = nullptr)
{
    QList<Text> out;
    const XmlNode record = findRecord(document).element;
    if (record.isNull())
        return out;
    const QList<XmlNode> categories =
        record.localName() == QLatin1String("general") ? QList<XmlNode>{record} : record.elements();
    for (const XmlNode &category : categories) {
        if (category.localName() != QLatin1String("classification")) {
            collect(category, {}, {}, Held::Text, tables, out, languages);
        } else if (classificationLanguages) {
            QList<Text> kept;
            collect(category, {}, {}, Held::Text, tables, kept, *classificationLanguages);
        }
    }
    return out;
}

// A text as the export must hold it to keep it: a vCard by its name, a duration by its length.
QString keyOf(const Text &t, const CheckTables &tables)
{
    if (t.held == Held::VCard)
        return QStringLiteral("vcard:") + getVCardName(t.text).simplified();
    if (t.held == Held::Duration && !tables.durationKey(t.text).isEmpty())
        return QStringLiteral("duration:") + tables.durationKey(t.text);
    return t.text;
}

bool isDate(const Text &t)
{
    return t.held == Held::Date || t.held == Held::ExportDay || t.held == Held::DateDescription ||
           (t.held == Held::Duration && QRegularExpression(QStringLiteral("^\\d{4}-")).match(t.text).hasMatch());
}

// A date the writers write themselves, by the binding's tables: the day in their form, in its place, with
// their description or none.
bool writersOwnDate(const Text &t, const CheckTables &tables)
{
    if (!isDate(t) || t.held == Held::DateDescription)
        return false;
    const bool inDate = t.element.parent().localName() == QLatin1String("date");
    const XmlNode date = inDate ? t.element.parent() : t.element;
    const QString path = t.names.mid(0, t.names.size() - (inDate ? 1 : 0)).join(u'/');
    const QStringList parts = t.text.split(u'-');
    const QDate day = parts.size() == 3 ? QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt()) : QDate();
    for (const OwnDate &own : tables.ownDates)
        if ((path == QLatin1String(own.path) || path.endsWith(u'/' + QLatin1String(own.path))) && day.isValid() &&
            tables.dayText(day) == t.text &&
            nodeText(date.firstElement(QStringLiteral("description"))) == QLatin1String(own.description))
            return true;
    return false;
}

// A text that the writers write of their own in its place, by the binding's tables.
bool writersOwnText(const Text &t, const CheckTables &tables)
{
    if (t.held != Held::OwnText)
        return false;
    for (qsizetype k = 1; k <= t.names.size(); ++k) {
        const QString path = t.names.mid(0, k).join(u'/');
        for (const OwnText &own : tables.ownTexts)
            if ((path == QLatin1String(own.path) || path.endsWith(u'/' + QLatin1String(own.path))) &&
                std::any_of(own.texts.begin(), own.texts.end(), [&](const char *text) { return t.text == text; }))
                return true;
    }
    return false;
}

// Whether a notice quotes the text, by its beginning or more of it.
bool quotes(const Notices &notices, const QString &text)
{
    QString start = u'"' + beginningOf(text);
    if (start.endsWith(u'\u2026'))
        start.chop(1);
    return std::any_of(notices.begin(), notices.end(), [&](const Notice &n) { return n.text.contains(start); });
}

bool named(const Text &t, const Notices &notices)
{
    if (quotes(notices, t.text))
        return true;
    for (const Notice &n : notices) {
        // The element or one around it named as such: "...<general>: identifier", "<general> title (es)",
        // "<technical>: requirement "…"", "<general> description: "…"", "<relation>: "…"".
        for (const QString &name : t.shown)
            if (n.text.endsWith(QStringLiteral(": ") + name) || n.text.contains(u' ' + name + QStringLiteral(" (")) ||
                n.text.contains(u' ' + name + QStringLiteral(" \"")) ||
                n.text.contains(u' ' + name + QStringLiteral(": \"")) ||
                (name == t.shown.first() && n.text.contains(u'<' + name + QStringLiteral(">: \""))))
                return true;
        // A date, with its description.
        if (isDate(t) && n.text.contains(QLatin1String(readers::kLeftOutDates))) {
            const XmlNode date =
                t.element.parent().localName() == QLatin1String("date") ? t.element.parent() : t.element;
            const QString line = n.text.mid(n.text.indexOf(QLatin1String(readers::kLeftOutDates)));
            if (line.contains(t.text) || line.contains(nodeText(date.firstElement(QStringLiteral("dateTime")))) ||
                line.contains(nodeText(date.firstElement(QStringLiteral("datetime")))))
                return true;
        }
    }
    return false;
}

} // namespace

QStringList recordsToOpen()
{
    QStringList folders{testData(QString())};
    if (!sharedDir().isEmpty())
        folders << sharedDir() + QStringLiteral("/samples");
    QStringList files;
    for (const QString &folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.xml")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    return files;
}

QStringList unnamedLosses(const XmlDocument &opened, const XmlDocument &exported, const CheckTables &tables,
                          const Notices &notices)
{
    QStringList languages;
    QStringList exportLanguages;
    QStringList keptLanguages; // of the export's classifications
    QSet<QString> kept;
    for (const Text &t : textsOf(exported, tables, exportLanguages, &keptLanguages))
        kept << keyOf(t, tables);
    // A SCORM 1.2 reader joins the names of meta-metadata contributors with "; " into one field, which is
    // written as one vCard: each name is kept in it.
    for (const QString &key : QStringList(kept.begin(), kept.end()))
        if (key.startsWith(QStringLiteral("vcard:")))
            for (const QString &name : key.mid(6).split(u';'))
                kept << QStringLiteral("vcard:") + name.trimmed();
    // A keyword or format holding commas is written as one for each part.
    const auto keptWhole = [&](const Text &t) {
        if (t.held != Held::Parts)
            return kept.contains(keyOf(t, tables));
        const QStringList parts = t.text.split(u',');
        return std::all_of(parts.begin(), parts.end(), [&](const QString &p) { return kept.contains(p.trimmed()); });
    };
    QStringList out;
    for (const Text &t : textsOf(opened, tables, languages)) {
        if (!keptWhole(t) && !(t.held == Held::VCard && keyOf(t, tables) == "vcard:") && !writersOwnDate(t, tables) &&
            !writersOwnText(t, tables) && !named(t, notices))
            out << t.shown.join(u'/') + QStringLiteral(" \"") + t.text + u'"';
        // The lines of a vCard the export keeps by its name alone are each named, or left out with it.
        if (t.held == Held::VCard && kept.contains(keyOf(t, tables)))
            for (const QString &line : getVCardDetails(t.element.text()))
                if (!quotes(notices, line) && !named({t.names, t.shown, line, Held::Text, t.element}, notices))
                    out << t.shown.join(u'/') + QStringLiteral(" \"") + line + u'"';
    }
    // Each further record of the file is counted.
    if (const QStringList others = otherRecordPlaces(findRecord(opened)); !others.isEmpty()) {
        const QString count = QStringLiteral("%1 more record").arg(others.size());
        if (std::none_of(notices.begin(), notices.end(), [&](const Notice &n) {
                return n.text.contains(QLatin1String(readers::kLeftOutRecords) + count);
            }))
            out << count + QStringLiteral("s not counted");
    }
    for (const QString &language : languages) {
        if (language.compare(QLatin1String("x-none"), Qt::CaseInsensitive) == 0 ||
            keptLanguages.contains(language.trimmed(), Qt::CaseInsensitive))
            continue;
        // Named on the line of languages, or counted in it after the first ones.
        static const QString lead = QStringLiteral("Languages of your imported file that are not kept: ");
        const bool said = std::any_of(notices.begin(), notices.end(), [&](const Notice &n) {
            const QStringList line = n.text.section(lead, 1).section(u'\r', 0, 0).split(QStringLiteral(", "));
            return n.text.contains(lead) &&
                   (line.contains(beginningOf(language), Qt::CaseInsensitive) ||
                    line.last().endsWith(QLatin1String(" in all)")));
        });
        if (!said)
            out << QStringLiteral("language ") + language;
    }
    return out;
}

namespace {

// The document opened and exported as the binding does, with "Continue?" answered Yes.
QString exportAnswered(const OpeningBinding &binding, ScriptedDialogs &dialogs, const XmlDocument &document,
                       Notices &notices, const QDate &day)
{
    for (int i = 0; i < 8; ++i)
        dialogs.answer(Answer::Yes);
    const QString written = binding.openAndExport(document, notices, day);
    dialogs.clear();
    return written;
}

} // namespace

QStringList unnamedLossesOfExport(const OpeningBinding &binding, ScriptedDialogs &dialogs, const QString &path,
                                  const Notices &notices)
{
    const LoadedMetadata loaded = binding.load(path);
    Notices ignored;
    XmlDocument exported;
    const bool written =
        loaded.document &&
        exported.loadXML(exportAnswered(binding, dialogs, *loaded.document, ignored, QDate::currentDate()));
    return written ? unnamedLosses(*loaded.document, exported, binding.tables, notices) : QStringList{"not exported"};
}

void expectEveryLossNamed(const OpeningBinding &binding, ScriptedDialogs &dialogs, const QString &folder,
                          const QHash<QString, const char *> &expected)
{
    const auto openAndExport = [&](const XmlDocument &document, Notices &notices, const QDate &day) {
        return exportAnswered(binding, dialogs, document, notices, day);
    };
    for (const QString &file : recordsToOpen()) {
        SCOPED_TRACE(file.toStdString());
        LoadedMetadata loaded = binding.load(file);
        if (!loaded.document)
            continue;
        Notices notices;
        const QString written = openAndExport(*loaded.document, notices, QDate::currentDate());
        XmlDocument exported;
        if (written.isEmpty() || !exported.loadXML(written)) {
            ADD_FAILURE() << "not exported";
            continue;
        }
        const QStringList losses = unnamedLosses(*loaded.document, exported, binding.tables, notices);
        EXPECT_TRUE(losses.isEmpty()) << losses.join(u'\n').toStdString();

        // The program's own file, written on any day, opens without a word.
        for (const QDate &day : {QDate::currentDate(), QDate::currentDate().addDays(-1)}) {
            Notices first;
            const QString own = openAndExport(*loaded.document, first, day);
            const QString path = folder + QStringLiteral("/own.xml");
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(own.toUtf8());
            out.close();
            LoadedMetadata again = binding.load(path);
            ASSERT_TRUE(again.document) << day.toString(Qt::ISODate).toStdString();
            Notices told = again.notices;
            openAndExport(*again.document, told, day);
            for (const Notice &n : told)
                EXPECT_TRUE(expected.contains(n.text)) << day.toString(Qt::ISODate).toStdString() << ": "
                                                        << n.text.toStdString();
        }
    }
}

} // namespace ts::test
