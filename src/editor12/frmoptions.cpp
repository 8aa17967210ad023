#include "frmoptions.h"

#include "appearance12.h"
#include "captionframe.h"
#include "fields12.h"
#include "multilinetext.h"

#include "frame/windows.h"
#include "platform/boxtext.h"
#include "platform/dialogs.h"
#include "shared/apperror.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <climits>

namespace ts {

using namespace fields12;
namespace ap = appearance12;

namespace {

const QString kOwner = QStringLiteral("Form frmOptions");

QString str(const char *text) { return QString::fromUtf8(text); }

const FrameSpec *frameSpec(const char *name)
{
    for (const FrameSpec &f : kFrames)
        if (qstrcmp(f.name, name) == 0)
            return &f;
    return nullptr;
}

QLabel *colouredLabel(const QString &name, const QString &text, quint32 colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    ap::setForeColor(label, colour);
    return label;
}

// Lays a combo out as an editable drop-down list that holds any text but never adds to its list.
void setUpCombo(QComboBox *combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(14);
}

} // namespace

FrmOptions::FrmOptions(QWidget *parent) : MetadataEditor(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("SCORM 1.2 Metadata"));
    markProgramWindow(this);
    buildWindow();
    connectRules();
    Form_Load();
}

void FrmOptions::Form_Load()
{
    try {
        m_tabs->setCurrentIndex(0);
        disableAllInterface();
        for (int i = 0; i < 60; ++i) {
            const QString item = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            for (const char *name : kSixtyLists)
                static_cast<QComboBox *>(control(str(name)))->addItem(item);
        }
        // Adding to an empty list shows its first item; the lists start unpicked.
        for (const char *name : kSixtyLists)
            static_cast<QComboBox *>(control(str(name)))->setCurrentIndex(-1);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Form_Load"), kOwner);
    }
}

// ----- Building -----

void FrmOptions::registerControl(QWidget *widget) { m_controls.insert(widget->objectName(), widget); }

void FrmOptions::buildWindow()
{
    auto *layout = new QVBoxLayout(this);

    auto *strip = new QHBoxLayout;
    m_category = new QComboBox(this);
    m_category->setObjectName(str(kCategoryList));
    setUpCombo(m_category);
    for (const char *category : kCategories)
        m_category->addItem(str(category));
    m_category->setCurrentIndex(-1);
    m_category->setEditText(str(kNoCategoryText));
    m_category->setMinimumContentsLength(44);
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ap::setBackColor(m_category, ap::kWhite);
    registerControl(m_category);
    strip->addWidget(m_category);
    strip->addStretch();

    auto *saved = new QLabel(this);
    saved->setObjectName(QStringLiteral("lblSaved"));
    saved->hide();
    registerControl(saved);
    strip->addWidget(saved);
    auto *makeXml = new QPushButton(QStringLiteral("Export Metadata"), this);
    makeXml->setObjectName(QStringLiteral("cmbMakeXML"));
    registerControl(makeXml);
    strip->addWidget(makeXml);
    auto *setDefaults = new QPushButton(QStringLiteral("Save"), this);
    setDefaults->setObjectName(QStringLiteral("cmdSetDefaults"));
    setDefaults->hide();
    registerControl(setDefaults);
    strip->addWidget(setDefaults);
    connect(makeXml, &QPushButton::clicked, this, &FrmOptions::cmbMakeXML_Click);
    layout->addLayout(strip);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setUsesScrollButtons(false);
    for (int tab = 0; tab < kTabCount; ++tab)
        m_tabs->addTab(buildTab(tab), str(kTabs[tab].caption));
    layout->addWidget(m_tabs, 1);

    resize(860, 600);
}

QWidget *FrmOptions::buildTab(int tab)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tab%1").arg(tab));
    auto *pageLayout = new QVBoxLayout(page);
    QWidget *host = page;
    if (*kTabs[tab].frameName) {
        auto *frame = new QGroupBox(str(kTabs[tab].frameCaption), page);
        frame->setObjectName(str(kTabs[tab].frameName));
        registerControl(frame);
        pageLayout->addWidget(frame);
        host = frame;
    }
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    if (host == page)
        pageLayout->addLayout(grid);
    else
        host->setLayout(grid);

    QVBoxLayout *columns[2] = {new QVBoxLayout, new QVBoxLayout};
    for (QVBoxLayout *column : columns)
        column->setSpacing(10);
    grid->addLayout(columns[0], 0, 0);
    grid->addLayout(columns[1], 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    struct FrameState {
        QGroupBox *box;
        QGridLayout *grid;
        int rows[2];
    };
    QHash<QString, FrameState> frames;
    QHBoxLayout *lastRow = nullptr;

    for (const FieldSpec &spec : kFields) {
        if (spec.tab != tab)
            continue;
        // Where the field goes: a column of the tab, or a frame inside it (created at its first field).
        QWidget *parent = host;
        QVBoxLayout *column = columns[spec.column];
        FrameState *frame = nullptr;
        if (*spec.frame) {
            const QString frameName = str(spec.frame);
            if (!frames.contains(frameName)) {
                const FrameSpec *fs = frameSpec(spec.frame);
                QGroupBox *box = nullptr;
                if (*fs->labelName) {
                    QLabel *caption = colouredLabel(str(fs->labelName), QString(), ap::kBlue, nullptr);
                    caption->setCursor(Qt::PointingHandCursor);
                    caption->installEventFilter(this);
                    registerControl(caption);
                    box = new CaptionFrame(str(fs->caption), caption, host);
                } else {
                    box = new QGroupBox(str(fs->caption), host);
                }
                box->setObjectName(frameName);
                registerControl(box);
                auto *frameGrid = new QGridLayout(box);
                frames.insert(frameName, FrameState{box, frameGrid, {0, 0}});
                columns[fs->column]->addWidget(box);
            }
            frame = &frames[frameName];
            parent = frame->box;
        }

        QWidget *widget = buildControl(spec, parent);
        if (spec.joinPrevious && lastRow) {
            addTimePart(spec, widget, lastRow, parent);
        } else if (spec.kind == Kind::Check || spec.kind == Kind::Option) {
            frame->grid->addWidget(widget, frame->rows[spec.column]++, spec.column);
        } else {
            QVBoxLayout *block = fieldBlock(spec, widget, parent, &lastRow);
            if (frame)
                frame->grid->addLayout(block, frame->rows[spec.column]++, spec.column);
            else
                column->addLayout(block);
        }
    }
    for (QVBoxLayout *column : columns)
        column->addStretch(1);
    return page;
}

QVBoxLayout *FrmOptions::fieldBlock(const FieldSpec &spec, QWidget *widget, QWidget *parent, QHBoxLayout **row)
{
    // The label on the left above the field, its hint on the right; the field with its buttons below.
    auto *block = new QVBoxLayout;
    block->setSpacing(2);
    if (QWidget *label = fieldLabel(spec, parent)) {
        auto *header = new QHBoxLayout;
        header->addWidget(label);
        header->addStretch();
        if (*spec.hint)
            header->addWidget(
                colouredLabel(str(spec.name) + QStringLiteral("Hint"), str(spec.hint), ap::kDarkRed, parent));
        block->addLayout(header);
    }
    *row = new QHBoxLayout;
    const bool timePart = *spec.partCaption || spec.rule == Rule::ListOnlyJoined;
    if (*spec.partCaption) {
        auto *part = new QVBoxLayout;
        part->addWidget(colouredLabel(QStringLiteral("lbl%1").arg(str(spec.partCaption)), str(spec.partCaption),
                                      ap::kTimePart, parent));
        part->addWidget(widget);
        (*row)->addLayout(part);
    } else {
        (*row)->addWidget(widget, timePart ? 0 : 1);
    }
    addBesideButtons(spec, *row, parent);
    // The parts of a time stand together at the left.
    if (timePart)
        (*row)->addStretch(1);
    block->addLayout(*row);
    return block;
}

void FrmOptions::addTimePart(const FieldSpec &spec, QWidget *widget, QHBoxLayout *row, QWidget *parent)
{
    // A ":" and the list, on the line of the part before it, ahead of the line's closing stretch.
    auto *colon = colouredLabel(QStringLiteral("lblColon_%1").arg(str(spec.name)), QStringLiteral(":"),
                                ap::kTimePart, parent);
    auto *part = new QVBoxLayout;
    if (*spec.partCaption) {
        part->addWidget(colouredLabel(QStringLiteral("lbl%1").arg(str(spec.partCaption)), str(spec.partCaption),
                                      ap::kTimePart, parent));
        auto *colonBox = new QVBoxLayout;
        colonBox->addStretch();
        colonBox->addWidget(colon);
        row->insertLayout(row->count() - 1, colonBox);
    } else {
        row->insertWidget(row->count() - 1, colon);
    }
    part->addWidget(widget);
    row->insertLayout(row->count() - 1, part);
}

QWidget *FrmOptions::buildControl(const FieldSpec &spec, QWidget *parent)
{
    const QString name = str(spec.name);
    QWidget *widget = nullptr;
    switch (spec.kind) {
    case Kind::Text: {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(spec.maxLength == kNoLimit ? INT_MAX : spec.maxLength);
        edit->setText(str(spec.defaultText));
        widget = edit;
        break;
    }
    case Kind::MultiLine: {
        auto *edit = new MultiLineText(parent);
        edit->setMaxLength(spec.maxLength);
        const bool horizontal = spec.scrollBars == ScrollBars::Both;
        edit->setVerticalScrollBarPolicy(spec.scrollBars == ScrollBars::None ? Qt::ScrollBarAlwaysOff
                                                                               : Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        // A box that scrolls sideways keeps its lines as typed; the others wrap them.
        edit->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        edit->setPlainText(str(spec.defaultText));
        edit->setFixedHeight(spec.maxLength >= 2000 ? 120 : spec.maxLength >= 1000 ? 90 : 72);
        widget = edit;
        break;
    }
    case Kind::Combo: {
        auto *combo = new QComboBox(parent);
        setUpCombo(combo);
        for (const char *item : spec.items)
            combo->addItem(str(item));
        combo->setCurrentIndex(combo->findText(str(spec.defaultText), Qt::MatchExactly | Qt::MatchCaseSensitive));
        if (spec.joinPrevious || *spec.partCaption || spec.rule == Rule::ListOnlyJoined) {
            // The parts of a time stay narrow, side by side.
            combo->setMinimumContentsLength(3);
            combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        }
        widget = combo;
        break;
    }
    case Kind::List: {
        auto *list = new QListWidget(parent);
        list->setFixedHeight(96);
        widget = list;
        break;
    }
    case Kind::Check: {
        auto *check = new QCheckBox(str(spec.label), parent);
        check->setChecked(qstrcmp(spec.defaultText, "1") == 0);
        widget = check;
        break;
    }
    case Kind::Option: {
        auto *option = new QRadioButton(str(spec.label), parent);
        // Each frame holds one pair, chosen apart from every other pair of the window.
        auto *group = parent->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
        if (!group)
            group = new QButtonGroup(parent);
        group->addButton(option);
        option->setChecked(qstrcmp(spec.defaultText, "1") == 0);
        widget = option;
        break;
    }
    }
    widget->setObjectName(name);
    // Design colours: fields white, boxes and option buttons on the button face.
    const bool button = spec.kind == Kind::Check || spec.kind == Kind::Option;
    ap::setBackColor(widget, button ? ap::kButtonFace : ap::kWhite);
    if (spec.hidden)
        widget->hide();
    registerControl(widget);
    return widget;
}

QWidget *FrmOptions::fieldLabel(const FieldSpec &spec, QWidget *parent)
{
    if (spec.look == LabelLook::None)
        return nullptr;
    auto *label = new QLabel(str(spec.label), parent);
    label->setObjectName(str(spec.labelName));
    if (spec.look == LabelLook::Help) {
        ap::setForeColor(label, ap::kBlue);
        label->setCursor(Qt::PointingHandCursor);
    }
    label->installEventFilter(this);
    registerControl(label);
    return label;
}

void FrmOptions::addBesideButtons(const FieldSpec &spec, QHBoxLayout *row, QWidget *parent)
{
    QVBoxLayout *stack = nullptr;
    for (const ButtonSpec &b : kButtons) {
        if (qstrcmp(b.beside, spec.name) != 0)
            continue;
        QWidget *widget = nullptr;
        if (b.isLabel) {
            auto *label = colouredLabel(str(b.name), str(b.caption), ap::kBlue, parent);
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
            widget = label;
        } else {
            auto *button = new QPushButton(str(b.caption), parent);
            button->setObjectName(str(b.name));
            if (qstrcmp(b.name, "cmdBrowse") == 0)
                ap::setBackColor(button, ap::kBrowseFace);
            widget = button;
        }
        registerControl(widget);
        if (spec.kind == Kind::List) {
            // A list's buttons stand in a column on its right.
            if (!stack) {
                stack = new QVBoxLayout;
                row->addLayout(stack);
            }
            stack->addWidget(widget);
        } else {
            row->addWidget(widget);
        }
    }
    if (stack)
        stack->addStretch();
}

// ----- Field access -----

QString FrmOptions::fieldText(const QString &name) const
{
    QWidget *w = control(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
        return boxText(edit);
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return {};
}

void FrmOptions::setFieldText(const QString &name, const QString &text)
{
    QWidget *w = control(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        // The length limit holds for typing; a longer text the program puts there (an opened file's) is
        // kept whole rather than cut.
        if (!edit->property("designMaxLength").isValid())
            edit->setProperty("designMaxLength", edit->maxLength());
        edit->setMaxLength(std::max(edit->property("designMaxLength").toInt(), static_cast<int>(text.size())));
        edit->setText(text);
    }
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
        setBoxText(edit, text);
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        setComboText(combo, text);
}

// ----- Built elsewhere -----

void FrmOptions::cmbMakeXML_Click() {}

FrmOptions &frmOptions() { return WindowInstance<FrmOptions>::get(); }
bool frmOptionsLoaded() { return WindowInstance<FrmOptions>::loaded(); }

void registerEditor12()
{
    setEditorAccessor(Binding::Scorm12, []() -> MetadataEditor & { return frmOptions(); }, frmOptionsLoaded);
}

} // namespace ts
