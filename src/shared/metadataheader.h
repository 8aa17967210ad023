#pragma once
// The header of a metadata file: everything in front of its first general element (the XML declaration,
// comments, the root start tag with its namespace declarations). The readers cut it off in memory only; the
// file itself is never written.

#include "notice.h"

#include <QString>
#include <optional>

namespace ts {

struct StrippedMetadata {
    QString original; // the whole text of the file, decoded
    QString header;   // the text in front of the first general element; empty when the text begins with it
    // The text from the first general element on, behind the start tags of the elements still open in the
    // header, each with its namespace declarations and nothing else: "<lom>" for a root without any, so
    // that the rest of the document parses as it stands (prefixes declared on the root stay declared).
    QString text;
};

// Where the header ends: at the first "<general>" written exactly so (SCORM 1.2), or at the first start tag
// of an element named general whatever its prefix and attributes ("<lom:general>", "<general id='g'>"),
// and without one at the first "<general>" (SCORM 2004). A "<general>" in a comment, a processing
// instruction, a CDATA section or the document type declaration is no general element.
enum class GeneralTag { AsWritten, AnyForm };

// Reads the file (honouring a byte-order mark or an XML declaration) and cuts its header off. No value, and
// the notice to show, when the file cannot be read, is in a form of bytes that is not read (its decoding
// notice) or holds no general element.
std::optional<StrippedMetadata> removeHeader(const QString &path, Notices &notices,
                                             GeneralTag form = GeneralTag::AsWritten);

// The same for a text already read.
std::optional<StrippedMetadata> stripHeader(const QString &text, Notices &notices,
                                            GeneralTag form = GeneralTag::AsWritten);

// The notice of a file that could not be read: "Error in removeHeader - " with the failure's number and words.
Notice readFailureNotice(const QString &path);

// The notice of a file that holds no general element: "Problem encountered while opening XML file. ...".
Notice invalidMetadataFileNotice();

// True for a SCORM 2004 metadata file: it mentions "SCORM_CAM_v1.3", or its root element, or its first
// general element, is in the IEEE LOM namespace.
bool isScorm2004Document(const QString &text);

} // namespace ts
