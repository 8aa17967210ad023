#pragma once
// A metadata file read for the reader of its binding: its header cut off and its document parsed, before
// anything of it reaches an editor. Reading it changes nothing, so that an opening that cannot go on
// leaves the editor, the binding and the current file as they were.

#include "metadataheader.h"
#include "notice.h"

#include "platform/xmldocument.h"

#include <QString>
#include <memory>

namespace ts {

struct LoadedMetadata {
    Notices notices;        // what the reading has to say, in order
    bool headerCut = false; // the file was read and holds a general element: false means nothing can be read
    QString header;         // the text in front of the first general element
    std::unique_ptr<XmlDocument> document; // the parsed document; null when there is nothing to walk
    ParseError parseError;                 // why the file's text does not parse, when it does not
    bool parsed() const { return document != nullptr; }
};

// How a binding reads its files: where the header ends, which form of the text is parsed first (the
// other one is tried when it does not parse) and which element is the record's general element.
struct MetadataForm {
    GeneralTag generalTag;
    bool wholeTextFirst;                        // the text as it stands first, else with its header cut off
    XmlNode (*findGeneral)(const XmlDocument &); // the record's own; null when the document holds no record
};

// Reads and parses the file. A document without a metadata record has nothing to read, like a text
// without "<general>": the "Invalid Metadata File" notice.
LoadedMetadata loadMetadataFile(const QString &path, const MetadataForm &form);

} // namespace ts
