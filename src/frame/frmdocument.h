#pragma once
// The XML text window: a child window holding generated or opened XML as plain text.

#include "mdichild.h"

class QPlainTextEdit;

namespace ts {

class FrmDocument : public MdiChild {
    Q_OBJECT
public:
    explicit FrmDocument(QWidget *parent = nullptr);
    QPlainTextEdit *rtfXMLOutput() const { return m_rtfXMLOutput; }

private:
    QPlainTextEdit *m_rtfXMLOutput;
};

FrmDocument &frmDocument();
bool frmDocumentLoaded();

// Puts the text into the XML text window captioned "XML Edit" (creating it when needed); true on
// success. It does not show the window.
bool showXML(const QString &text);

} // namespace ts
