#include "editors.h"
#include "frmmain.h"
#include "shared/apperror.h"

#include "platform/xmldocument.h"

namespace ts {

namespace {
struct Entry {
    std::function<MetadataEditor &()> accessor;
    std::function<bool()> loaded;
};
Entry g_entries[2];
Entry &entry(Binding b) { return g_entries[b == Binding::Scorm12 ? 0 : 1]; }
} // namespace

void setEditorAccessor(Binding binding, std::function<MetadataEditor &()> accessor, std::function<bool()> isLoaded)
{
    entry(binding) = {std::move(accessor), std::move(isLoaded)};
}

MetadataEditor &editorWindow(Binding binding)
{
    Entry &e = entry(binding);
    if (!e.accessor)
        throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    return e.accessor();
}

bool editorLoaded(Binding binding)
{
    const Entry &e = entry(binding);
    return e.loaded && e.loaded();
}

MetadataEditor::ReadOutcome MetadataEditor::readMetadataFile(const QString &) { return ReadOutcome::NotRead; }

XmlDocument &MetadataEditor::xmlDocument()
{
    // An editor that reads no files parses in a document of its own.
    static XmlDocument plain;
    return plain;
}

Binding activeBinding()
{
    return frmMain().scormVersion == QLatin1String("SCORM 2004") ? Binding::Scorm2004 : Binding::Scorm12;
}

} // namespace ts
