#include "documentvalidation.h"
#include "startup.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/schemacache.h"
#include "platform/xmldocument.h"
#include "shared/apperror.h"

#include <QRegularExpression>
#include <memory>

namespace ts {

namespace {

struct BindingSchema {
    const char *namespaceUri;
    const char *file; // in the program folder
};

// The schemas the program folder holds, by the namespace of the binding they describe.
const BindingSchema kSchemas[] = {
    {kImsMd12Namespace, "imsmd_v1p2p2.xsd"},
};

QString notValidatedText(const QString &namespaceUri)
{
    const QString why = namespaceUri.isEmpty()
                            ? QStringLiteral("The document declares no namespace")
                            : QStringLiteral("There is no schema for its namespace, ") + namespaceUri;
    return QStringLiteral("Well-formed XML, but not validated.\r") + why +
           QStringLiteral("; only IMS Meta-Data 1.2 documents can be validated.");
}

} // namespace

int errorPosition(const ParseError &error)
{
    if (error.linepos > 0 || error.srcText.isEmpty())
        return error.linepos;
    static const QRegularExpression named(QStringLiteral("Element '(?:\\{[^}]*\\})?([^']+)'"));
    const QRegularExpressionMatch element = named.match(error.reason);
    if (element.hasMatch()) {
        const QString name = element.captured(1);
        const QString local = name.mid(name.indexOf(QLatin1Char(':')) + 1);
        const QRegularExpression start(QStringLiteral("<(?:[\\w.-]+:)?") + QRegularExpression::escape(local) +
                                       QStringLiteral("(?=[\\s/>]|$)"));
        const QRegularExpressionMatch found = start.match(error.srcText);
        if (found.hasMatch())
            return static_cast<int>(found.capturedStart()) + 1;
    }
    // The line's first character that is not blank.
    for (qsizetype i = 0; i < error.srcText.size(); ++i)
        if (!error.srcText.at(i).isSpace())
            return static_cast<int>(i) + 1;
    return 0;
}

void validateXmlText(const QString &text)
{
    std::shared_ptr<SchemaCache> cache;
    try {
        cache = std::make_shared<SchemaCache>();
    } catch (const std::exception &e) {
        msgBox(errorText(e, QStringLiteral("validateDocument"), QStringLiteral("Form frmDocument")));
        return;
    }
    for (const BindingSchema &schema : kSchemas) {
        const QString path = programPath(QString::fromLatin1(schema.file));
        if (!cache->add(QString::fromLatin1(schema.namespaceUri), path)) {
            msgBox(schemaMissingText(path), Buttons::Ok, Icon::Critical, QStringLiteral("Missing File"));
            return;
        }
    }

    XmlDocument document;
    document.setSchemas(cache);
    bool loaded = false;
    try {
        loaded = document.loadXML(text);
    } catch (const std::exception &) {
        msgBox(QStringLiteral("Unable to load metadata xml file."), Buttons::Ok, Icon::Exclamation,
               QStringLiteral("Problem Loading File"));
        return;
    }

    if (!loaded) {
        const ParseError &error = document.parseError();
        msgBox(QStringLiteral("Unsupported XML on line %1, position %2\r\r%3\r\r%4")
                   .arg(error.line)
                   .arg(errorPosition(error))
                   .arg(error.srcText, error.reason),
               Buttons::Ok, Icon::Information, QStringLiteral("Notice"));
        return;
    }
    // A document is validated only against the schema of its own binding's namespace.
    const QString namespaceUri = document.documentElement().namespaceUri();
    if (!cache->has(namespaceUri)) {
        msgBox(notValidatedText(namespaceUri), Buttons::Ok, Icon::Information, QStringLiteral("Notice"));
        return;
    }
    msgBox(QStringLiteral("Valid Metadata XML File\rRemember to check this file with the ADL Conformance Test Suite "
                          "to receive a test log."));
}

} // namespace ts
