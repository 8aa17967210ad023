#include "frmgettingstarted.h"
#include "settings.h"
#include "windows.h"

#include "platform/dialogs.h"
#include "platform/qt/windowsize.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ts {

namespace {

struct QuestionSpec {
    const char *text;
    const char *yesName;
    const char *noName;
    const char *key;
};

// From the top of the dialog down.
const QuestionSpec kQuestions[] = {
    {"Always show Tip of the Day at Startup", "optShowTipYes", "optShowTipNo", "showTipAtStartup"},
    {"Always prompt me to save files.", "optShowSaveYes", "optShowSaveNo", "showSaveOptions"},
    {"When an XML file is opened prompt me to select a metadata category.", "optshowMetaCatYes",
     "optshowMetaCatNo", "showSelectMetadataCategory"},
};

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

FrmGettingStarted::FrmGettingStarted(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGettingStarted"));
    setWindowTitle(QStringLiteral("Program Defaults"));
    fitCaption(this);
    markProgramWindow(this);
    openOverMain(this);
    auto *layout = new QVBoxLayout(this);
    for (const QuestionSpec &spec : kQuestions) {
        // Each pair in a container of its own, so that the pairs do not exclude one another.
        auto *frame = new QGroupBox(QString::fromLatin1(spec.text), this);
        auto *row = new QHBoxLayout(frame);
        auto *yes = new QRadioButton(QStringLiteral("Yes"), frame);
        yes->setObjectName(QString::fromLatin1(spec.yesName));
        auto *no = new QRadioButton(QStringLiteral("No"), frame);
        no->setObjectName(QString::fromLatin1(spec.noName));
        row->addWidget(yes);
        row->addWidget(no);
        row->addStretch();
        layout->addWidget(frame);
        m_questions.append({QString::fromLatin1(spec.key), yes, no});
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *apply = button(this, "cmdApply", "Apply");
    QPushButton *close = button(this, "cmdClose", "Close");
    buttons->addWidget(apply);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, &FrmGettingStarted::cmdApply_Click);
    connect(close, &QPushButton::clicked, this, &FrmGettingStarted::cmdClose_Click);
}

void FrmGettingStarted::cmdApply_Click()
{
    try {
        // Only the questions answered are written; the report says whether a setting now holds another value.
        bool changed = false;
        for (const Question &q : m_questions) {
            if (!q.yes->isChecked() && !q.no->isChecked())
                continue;
            const QString value = q.yes->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
            const QString before = readSetting(q.key);
            if (tsmSaveSetings(q.key, value.toInt()) == QLatin1String("error"))
                return; // the writer has said why
            if (before != value && readSetting(q.key) == value)
                changed = true;
        }
        msgBox(changed ? QStringLiteral("Defaults Updated.") : QStringLiteral("No change made."), Buttons::Ok,
               Icon::Information, QStringLiteral("Defaults"));
    } catch (const std::exception &) {
        msgBox(QStringLiteral("error in Apply_Click in Form frmGettingStarted"));
    }
}

void FrmGettingStarted::cmdClose_Click() { hide(); }

FrmGettingStarted &frmGettingStarted() { return WindowInstance<FrmGettingStarted>::get(); }
bool frmGettingStartedLoaded() { return WindowInstance<FrmGettingStarted>::loaded(); }

} // namespace ts
