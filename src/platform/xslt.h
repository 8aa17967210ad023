#pragma once
// XSLT 1.0 stylesheets over libxslt, run safely: a stylesheet is loaded from its file, and its xsl:import and
// xsl:include are read only from that file's own folder (or below it), parsed as safely as any document;
// a transform may write no file, create no folder, reach no network and read no file (document() finds
// nothing). Failures come back with a reason, never printed.

#include <QString>

struct _xsltStylesheet;

namespace ts {

class XmlDocument;

struct XsltError {
    int code = 0;   // libxml2's code of the first failure; 1 (internal error) when the processor gave none
    QString reason; // the processor's messages, one per line (cut when very long)
    QString source; // the stylesheet's file
};

class XsltStylesheet {
public:
    XsltStylesheet();
    ~XsltStylesheet();
    XsltStylesheet(const XsltStylesheet &) = delete;
    XsltStylesheet &operator=(const XsltStylesheet &) = delete;

    // Reads and compiles the stylesheet file with the modules it imports and includes. False when the
    // file or a module is missing, outside the stylesheet's folder, not well-formed or no stylesheet.
    bool load(const QString &path, XsltError *error = nullptr);
    bool isLoaded() const { return m_style != nullptr; }
    QString path() const { return m_path; }

    // Runs the stylesheet over the document and serialises the result as its xsl:output asks: the text
    // (empty when the result holds nothing). False when the processor failed or was stopped, or when the
    // transform asked for something it may not do.
    bool transform(const XmlDocument &source, QString &result, XsltError *error = nullptr) const;
    // The same run, with the result left as a document (empty when the result holds nothing), to be
    // serialised later as the stylesheet's xsl:output asks.
    bool transform(const XmlDocument &source, XmlDocument &result, XsltError *error = nullptr) const;
    // The result document serialised as the stylesheet's xsl:output asks; false when it could not be.
    bool serialize(const XmlDocument &result, QByteArray &bytes) const;

private:
    _xsltStylesheet *m_style = nullptr;
    QString m_path;
};

} // namespace ts
