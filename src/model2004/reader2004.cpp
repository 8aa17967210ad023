#include "reader2004.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "shared/apperror.h"
#include "shared/writefailure.h"

namespace ts {

namespace {

// The text of the first langstring-like child ("string") of an element, or its own text.
QString stringOf(const XmlNode &element)
{
    const XmlNode s = element.firstElement(QStringLiteral("string"));
    return (s.isNull() ? element.text() : s.text()).trimmed();
}

} // namespace

bool parseMetadata2004(const XmlDocument &doc, Record2004 &record, Notices &notices)
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
                    record.titleText = stringOf(title);
                const XmlNode description = category.firstElement(QStringLiteral("description"));
                if (!description.isNull())
                    record.courseDescription = stringOf(description);
            } else if (name == QLatin1String("technical")) {
                const XmlNode size = category.firstElement(QStringLiteral("size"));
                if (!size.isNull())
                    record.txtSize = size.text().trimmed();
                const XmlNode location = category.firstElement(QStringLiteral("location"));
                if (!location.isNull())
                    record.locationText = location.text().trimmed();
            } else if (name == QLatin1String("classification")) {
                ++classification;
                const QString path = programPath(QStringLiteral("temp/%1.xml").arg(classification));
                QString error;
                if (!writeTextFile(path, category.xml() + QStringLiteral("\r\n"), &error, WriteKind::Scratch)) {
                    // The folder is at fault, not the record.
                    notices.append(fragmentFailureNotice(QStringLiteral("temp"), path, error));
                    return false;
                }
            }
        }
        return true;
    } catch (const std::exception &) {
        notices.append({QStringLiteral("Metadata XML File not in expected format. Unable to validate file."),
                        QStringLiteral("Check Format"), Icon::None});
        return false;
    }
}

} // namespace ts
