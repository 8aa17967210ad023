// Building an editor window from its tables, and reaching its fields.

#include "editorwindow.h"

#include "captionframe.h"
#include "look.h"
#include "multilinetext.h"

#include "frame/windows.h"
#include "platform/qt/boxtext.h"

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
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <climits>

namespace ts::kit {

namespace {

QString str(const char *text) { return QString::fromUtf8(text); }

QLabel *colouredLabel(const QString &name, const QString &text, quint32 colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    look::setForeColor(label, colour);
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

// A tab's page: its fields show as laid out where the window has room for them, and scroll inside the tab
// where the window is lower than they are, so that the window never needs to reach past the screen.
class TabPage : public QScrollArea {
public:
    explicit TabPage(QWidget *fields)
    {
        setObjectName(fields->objectName() + QStringLiteral("Scroll"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(fields);
        // The tab's own panel shows behind the fields, as on a page that does not scroll.
        viewport()->setAutoFillBackground(false);
        fields->setAutoFillBackground(false);
    }
    // The fields' own size; a scroll area's hint is otherwise held to a few dozen lines of text.
    QSize sizeHint() const override { return widget()->sizeHint(); }
    // As wide as the fields need, and only a few lines high.
    QSize minimumSizeHint() const override
    {
        return {widget()->minimumSizeHint().width(), QScrollArea::minimumSizeHint().height()};
    }
};

} // namespace

EditorWindow::EditorWindow(const EditorTables &tables, QWidget *parent) : MetadataEditor(parent), m_tables(tables)
{
    setObjectName(str(tables.objectName));
    setWindowTitle(str(tables.title));
    markProgramWindow(this);
    for (const Field *f : tables.fields)
        m_fields.insert(str(f->name), f);
    buildWindow();
    connect(this, &EditorWindow::helpLabelClicked, this, &EditorWindow::showHelp);
}

// ----- Building -----

void EditorWindow::registerControl(QWidget *widget) { m_controls.insert(widget->objectName(), widget); }

const FrameSpec *EditorWindow::frameSpec(const char *name) const
{
    for (const FrameSpec &f : m_tables.frames)
        if (qstrcmp(f.name, name) == 0)
            return &f;
    return nullptr;
}

bool EditorWindow::isTimePart(const Field &spec) const
{
    if (spec.joinPrevious || *spec.partCaption)
        return true;
    // The first part of a time without a caption of its own: the next field joins it.
    const qsizetype at = m_tables.fields.indexOf(&spec);
    return at + 1 < m_tables.fields.size() && m_tables.fields.at(at + 1)->joinPrevious;
}

void EditorWindow::buildWindow()
{
    auto *layout = new QVBoxLayout(this);

    auto *strip = new QHBoxLayout;
    m_category = new QComboBox(this);
    m_category->setObjectName(str(m_tables.categoryList));
    setUpCombo(m_category);
    for (const char *category : m_tables.categories)
        m_category->addItem(str(category));
    m_category->setCurrentIndex(-1);
    m_category->setEditText(str(m_tables.noCategoryText));
    m_category->setMinimumContentsLength(44);
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    look::setBackColor(m_category, look::kWhite);
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
    connect(makeXml, &QPushButton::clicked, this, &EditorWindow::cmbMakeXML_Click);
    layout->addLayout(strip);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setUsesScrollButtons(false);
    for (int tab = 0; tab < int(m_tables.tabs.size()); ++tab)
        m_tabs->addTab(new TabPage(buildTab(tab)), str(m_tables.tabs[tab].caption));
    layout->addWidget(m_tabs, 1);
}

QWidget *EditorWindow::buildTab(int tab)
{
    const TabSpec &tabSpec = m_tables.tabs[tab];
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tab%1").arg(tab));
    auto *pageLayout = new QVBoxLayout(page);
    QWidget *host = page;
    if (*tabSpec.frameName) {
        auto *frame = new QGroupBox(str(tabSpec.frameCaption), page);
        frame->setObjectName(str(tabSpec.frameName));
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

    for (const Field *field : m_tables.fields) {
        const Field &spec = *field;
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
                    QLabel *caption = colouredLabel(str(fs->labelName), QString(), look::kBlue, nullptr);
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

QVBoxLayout *EditorWindow::fieldBlock(const Field &spec, QWidget *widget, QWidget *parent, QHBoxLayout **row)
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
                colouredLabel(str(spec.name) + QStringLiteral("Hint"), str(spec.hint), look::kDarkRed, parent));
        block->addLayout(header);
    }
    *row = new QHBoxLayout;
    const bool timePart = isTimePart(spec);
    if (*spec.partCaption) {
        auto *part = new QVBoxLayout;
        part->addWidget(partCaption(spec, parent));
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

QLabel *EditorWindow::partCaption(const Field &spec, QWidget *parent)
{
    // Named after its caption ("lblHours"); a second time with the same parts adds the field's name.
    QString name = QStringLiteral("lbl%1").arg(str(spec.partCaption));
    if (m_controls.contains(name))
        name += QLatin1Char('_') + str(spec.name);
    QLabel *label = colouredLabel(name, str(spec.partCaption), look::kTimePart, parent);
    registerControl(label);
    return label;
}

QLabel *EditorWindow::partJoin(const Field &spec, QWidget *parent)
{
    if (*spec.joinLabel) {
        // A help label of its own, drawn as every help label is.
        QLabel *label = colouredLabel(str(spec.joinLabel), str(spec.joinText), look::kBlue, parent);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        registerControl(label);
        return label;
    }
    if (!*spec.joinText)
        return nullptr;
    const QString prefix = qstrcmp(spec.joinText, ":") == 0 ? QStringLiteral("lblColon_") : QStringLiteral("lblJoin_");
    return colouredLabel(prefix + str(spec.name), str(spec.joinText), look::kTimePart, parent);
}

void EditorWindow::addTimePart(const Field &spec, QWidget *widget, QHBoxLayout *row, QWidget *parent)
{
    // The join text (a ":") and the list, on the line of the part before it, ahead of the line's closing stretch.
    QLabel *join = partJoin(spec, parent);
    auto *part = new QVBoxLayout;
    if (*spec.partCaption) {
        part->addWidget(partCaption(spec, parent));
        if (join) {
            auto *joinBox = new QVBoxLayout;
            joinBox->addStretch();
            joinBox->addWidget(join);
            row->insertLayout(row->count() - 1, joinBox);
        }
    } else if (join) {
        row->insertWidget(row->count() - 1, join);
    }
    part->addWidget(widget);
    row->insertLayout(row->count() - 1, part);
}

QWidget *EditorWindow::buildControl(const Field &spec, QWidget *parent)
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
        // The default is picked from the list; a list that takes any text may also start with a text of its own.
        putComboText(combo, str(spec.defaultText));
        if (isTimePart(spec)) {
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
    look::setBackColor(widget, button ? look::kButtonFace : look::kWhite);
    if (spec.hidden)
        widget->hide();
    registerControl(widget);
    return widget;
}

QWidget *EditorWindow::fieldLabel(const Field &spec, QWidget *parent)
{
    if (spec.look == LabelLook::None)
        return nullptr;
    auto *label = new QLabel(str(spec.label), parent);
    label->setObjectName(str(spec.labelName));
    if (spec.look == LabelLook::Help) {
        look::setForeColor(label, look::kBlue);
        label->setCursor(Qt::PointingHandCursor);
    }
    label->installEventFilter(this);
    registerControl(label);
    return label;
}

void EditorWindow::addBesideButtons(const Field &spec, QHBoxLayout *row, QWidget *parent)
{
    QVBoxLayout *stack = nullptr;
    for (const ButtonSpec &b : m_tables.buttons) {
        if (qstrcmp(b.beside, spec.name) != 0)
            continue;
        QWidget *widget = nullptr;
        if (b.isLabel) {
            auto *label = colouredLabel(str(b.name), str(b.caption), look::kBlue, parent);
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
            widget = label;
        } else {
            auto *button = new QPushButton(str(b.caption), parent);
            button->setObjectName(str(b.name));
            if (b.browse)
                look::setBackColor(button, look::kBrowseFace);
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

QString EditorWindow::fieldText(const QString &name) const
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

void EditorWindow::setFieldText(const QString &name, const QString &text)
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

void EditorWindow::clearField(const Field &field)
{
    QWidget *c = control(str(field.name));
    switch (field.kind) {
    case Kind::Text:
        static_cast<QLineEdit *>(c)->clear();
        break;
    case Kind::MultiLine:
        static_cast<QPlainTextEdit *>(c)->clear();
        break;
    case Kind::Combo:
        putComboText(static_cast<QComboBox *>(c), QString());
        break;
    case Kind::List:
        static_cast<QListWidget *>(c)->clear();
        break;
    case Kind::Check:
        static_cast<QCheckBox *>(c)->setChecked(false);
        break;
    case Kind::Option:
        break;
    }
}

void EditorWindow::chooseOption(const QString &name) { static_cast<QRadioButton *>(control(name))->setChecked(true); }

void EditorWindow::focusField(const QString &name, int tab, bool clear, bool enable)
{
    if (tab >= 0)
        m_tabs->setCurrentIndex(tab);
    if (clear)
        setFieldText(name, QString());
    if (QWidget *field = control(name)) {
        if (enable)
            field->setEnabled(true);
        field->setFocus();
    }
}

} // namespace ts::kit
