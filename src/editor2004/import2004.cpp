#include "import2004.h"
#include "frmoptions2004.h"

#include "frame/globals.h"
#include "frame/startup.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/schemacache.h"
#include "platform/textfile.h"
#include "platform/xmldocument.h"
#include "shared/apperror.h"
#include "shared/writefailure.h"

#include <QLineEdit>

namespace ts {

namespace {

// The text of the first langstring-like child ("string") of an element, or its own text.
QString stringOf(const XmlNode &element)
{
    const XmlNode s = element.firstElement(QStringLiteral("string"));
    return (s.isNull() ? element.text() : s.text()).trimmed();
}

void setField(FrmOptions2004 &editor, const char *name, const QString &value)
{
    if (auto *edit = editor.findChild<QLineEdit *>(QString::fromLatin1(name)))
        edit->setText(value);
}

} // namespace

Side2004 &side2004()
{
    static Side2004 side;
    return side;
}

bool initXMLParser2004()
{
    globals().languageCode = QStringLiteral("x-none");
    Side2004 &side = side2004();
    side.schemaCache = std::make_shared<SchemaCache>();
    const QString schemaPath = programPath(schemaFileName());
    if (!side.schemaCache->add(QString::fromLatin1(kImsMd12Namespace), schemaPath)) {
        showSchemaMissing(schemaPath);
        return false;
    }
    side.xmlDoc2004 = std::make_shared<XmlDocument>();
    side.xmlDoc2004->setSchemas(side.schemaCache);
    return true;
}

bool parseMetadata2004(const XmlDocument &doc, FrmOptions2004 &editor)
{
    try {
        const XmlNode root = doc.documentElement();
        if (root.isNull())
            throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
        int classification = 0;
        for (const XmlNode &category : root.elements()) {
            const QString name = category.localName();
            if (name == QLatin1String("general")) {
                const XmlNode title = category.firstElement(QStringLiteral("title"));
                if (!title.isNull())
                    setField(editor, "titleText", stringOf(title));
                const XmlNode description = category.firstElement(QStringLiteral("description"));
                if (!description.isNull())
                    setField(editor, "courseDescription", stringOf(description));
            } else if (name == QLatin1String("technical")) {
                const XmlNode size = category.firstElement(QStringLiteral("size"));
                if (!size.isNull())
                    setField(editor, "txtSize", size.text().trimmed());
                const XmlNode location = category.firstElement(QStringLiteral("location"));
                if (!location.isNull())
                    setField(editor, "locationText", location.text().trimmed());
            } else if (name == QLatin1String("classification")) {
                ++classification;
                const QString path = programPath(QStringLiteral("temp/%1.xml").arg(classification));
                QString error;
                if (!writeTextFile(path, category.xml() + QStringLiteral("\r\n"), &error, WriteKind::Scratch)) {
                    // The folder is at fault, not the record.
                    showNotices({fragmentFailureNotice(QStringLiteral("temp"), path, error)});
                    return false;
                }
            }
        }
        return true;
    } catch (const std::exception &) {
        msgBox(QStringLiteral("Metadata XML File not in expected format. Unable to validate file."), Buttons::Ok,
               Icon::None, QStringLiteral("Check Format"));
        return false;
    }
}

} // namespace ts
