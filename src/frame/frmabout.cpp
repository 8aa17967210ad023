#include "frmabout.h"
#include "openpage.h"
#include "webaddresses.h"

#include "platform/qt/windowsize.h"
#include "shared/apperror.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ts {

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("SCORM Tagsmith"));
    setModal(true);

    auto *image = new QLabel(QStringLiteral("Tagsmith"), this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAlignment(Qt::AlignCenter);
    image->setStyleSheet(QStringLiteral("font-size: 28pt; font-weight: bold; color: #336699; padding: 16px;"));
    auto *copyright = new QLabel(QStringLiteral("Metadata for SCORM content packages, in the IMS Meta-Data 1.2 and "
                                                "IEEE LOM bindings.\nCopyright \u00A9 the Tagsmith authors."),
                                 this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));
    copyright->setAlignment(Qt::AlignCenter);
    copyright->setWordWrap(true);
    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(homePageAddress()), this);
    link->setObjectName(QStringLiteral("Label3"));
    link->setAlignment(Qt::AlignCenter);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, &FrmAbout::Label3_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(image);
    layout->addWidget(copyright);
    layout->addWidget(link);
    fitCaption(this);
    setMinimumWidth(std::max(minimumWidth(), 360));
}

void FrmAbout::Label3_Click()
{
    try {
        openPage(homePageAddress());
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Label3_Click"), QStringLiteral("Form frmAbout"));
    }
}

} // namespace ts
