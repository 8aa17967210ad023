#include "frmdocument.h"
#include "windows.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ts {

FrmDocument::FrmDocument(QWidget *parent) : MdiChild(parent), m_rtfXMLOutput(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmDocument"));
    m_rtfXMLOutput->setObjectName(QStringLiteral("rtfXMLOutput"));
    m_rtfXMLOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rtfXMLOutput);
}

FrmDocument &frmDocument() { return WindowInstance<FrmDocument>::get(); }
bool frmDocumentLoaded() { return WindowInstance<FrmDocument>::loaded(); }

bool showXML(const QString &text)
{
    try {
        FrmDocument &doc = frmDocument();
        doc.setCaption(QStringLiteral("XML Edit"));
        doc.rtfXMLOutput()->clear();
        doc.rtfXMLOutput()->setPlainText(text);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace ts
