#include "gui/filter_dialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "core/app/settings.h"
#include "core/data/radical_table.h"
#include "core/naming/avoid_characters.h"
#include "core/naming/filter_controls.h"
#include "core/text/pinyin.h"
#include "gui/chart_panel.h"
#include "gui/gbk_length_validator.h"
#include "gui/gui_fonts.h"
#include "gui/gui_icons.h"
#include "gui/keyboard_access.h"
#include "gui/message_sink.h"

namespace lumivane::gui {

namespace {

// The design's 408 by 237 pixels, and a line for 不用的字 below the pages.
constexpr QSize kDialogSize(408, 237 + 30);

const char* const kElementCaptions[5] = {"金", "木", "水", "火", "土"};

QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString RowCaption(int row) {
    return row == 1   ? QStringLiteral("第二个字限定：")
           : row == 2 ? QStringLiteral("第三个字限定：")
                      : QStringLiteral("名字中必须含：");
}

int TagOf(const QString& name) {
    const FilterControl* control = FindFilterControl(name.toStdString());
    return control != nullptr ? control->tag : 0;
}

QCheckBox* RowBox(QWidget* parent, int page, int row, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QStringLiteral("chk%1_%2").arg(page).arg(row));
    box->setProperty(kTagProperty, TagOf(box->objectName()));
    if (row == 3) {
        box->setToolTip(page == 2 || page == 3 ? QStringLiteral("名字里必须含五行（不包括姓）")
                                               : QStringLiteral("名字里必须含某个字（不包括姓）"));
    }
    return box;
}

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setProperty(kTagProperty, TagOf(name));
    return widget;
}

void SetComboItems(QComboBox* combo, const std::vector<std::string>& items) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& item : items) {
        combo->addItem(QString::fromStdString(item));
    }
}

constexpr int kRadicalReadingRole = Qt::UserRole + 1;
// 口 and 囗, 己 and 巳 differ by a stroke: radicals show large.
constexpr int kRadicalPixelSize = 18;

// The open radical list shows each radical with its reading (口 kǒu, 囗 wéi);
// the closed box shows the radical alone, as it is stored and restored.
class RadicalItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setPixelSize(kRadicalPixelSize);
        const QString reading = index.data(kRadicalReadingRole).toString();
        if (!reading.isEmpty()) {
            option->text += QStringLiteral("  ") + reading;
        }
    }
};

void SetRadicalItems(QComboBox* combo, const std::vector<std::string>& items) {
    SetComboItems(combo, items);
    for (int k = 0; k < combo->count(); ++k) {
        const std::uint32_t radical = FindRadical(items[static_cast<std::size_t>(k)]);
        combo->setItemData(k, QString::fromStdString(RadicalHint(radical)), Qt::ToolTipRole);
        const std::string_view reading = RadicalNameOf(radical).Reading;
        combo->setItemData(k, QString::fromUtf8(reading.data(), qsizetype(reading.size())),
                           kRadicalReadingRole);
    }
}

}  // namespace

template <typename Widget>
Widget* TfrmSelect::Control(const QString& name) const {
    // Filled on first use, and again when a control was added since.
    QWidget* widget = m_controls.value(name);
    if (widget == nullptr) {
        m_controls.clear();
        for (QWidget* child : findChildren<QWidget*>()) {
            if (!child->objectName().isEmpty()) {
                m_controls.insert(child->objectName(), child);
            }
        }
        widget = m_controls.value(name);
    }
    return qobject_cast<Widget*>(widget);
}

template <typename Widget>
Widget* TfrmSelect::Stored(const FilterControl& control) const {
    return static_cast<Widget*>(m_stored[FilterControlIndex(control)]);
}

QWidget* TfrmSelect::StoredControl(std::string_view name) const {
    if (name == kAvoidControlName) {
        return m_avoid;
    }
    const FilterControl* control = FindFilterControl(name);
    return control != nullptr ? m_stored[FilterControlIndex(*control)] : nullptr;
}

TfrmSelect::TfrmSelect(MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_messages(messages) {
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(QStringLiteral("设置筛选条件"));
    setFont(SongFont(12));
    setModal(true);
    setFixedSize(kDialogSize);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // All six page tabs fit the dialog's 408 pixels.
    m_pages->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; }"));
    m_pages->addTab(BuildTextPage(1), QStringLiteral("指定文字"));
    m_pages->addTab(BuildElementPage(2), QStringLiteral("五行(字意)"));
    m_pages->addTab(BuildElementPage(3), QStringLiteral("五行(部首)"));
    m_pages->addTab(BuildTextPage(4), QStringLiteral("指定拼音"));
    m_pages->addTab(BuildStrokePage(), QStringLiteral("指定笔画数"));
    m_pages->addTab(BuildRadicalPage(), QStringLiteral("指定部首"));
    m_pages->setCurrentIndex(1);

    auto* reset = new QPushButton(QStringLiteral("重置"), this);
    reset->setObjectName(QStringLiteral("btn_Reset"));
    reset->setIcon(
        ThemeIcon(QStringLiteral("edit-clear"), QStringLiteral("重"), QColor(0x80, 0x80, 0x80)));
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btn_OK"));
    ok->setIcon(
        ThemeIcon(QStringLiteral("dialog-ok"), QStringLiteral("确"), QColor(0x2e, 0x8b, 0x57)));
    ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("btn_Cancel"));
    m_cancel->setIcon(gui::CancelIcon());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(m_cancel);

    // The characters to avoid hold for every request and every page, so they
    // stand outside the pages.
    auto* avoidLabel = new QLabel(QStringLiteral("不用的字："), this);
    m_avoid = new QLineEdit(this);
    m_avoid->setObjectName(QStringLiteral("edt_Avoid"));
    m_avoid->setPlaceholderText(QStringLiteral("例如长辈名字里的字，最多 %1 个")
                                    .arg(static_cast<int>(kAvoidCharactersMax)));
    m_avoid->setToolTip(
        QStringLiteral("名字里不用这些字：简单起名、高级起名、单字和诗词起名都照此"));
    avoidLabel->setBuddy(m_avoid);
    m_avoid->setAccessibleName(QStringLiteral("不用的字"));
    auto* avoidRow = new QHBoxLayout;
    avoidRow->addWidget(avoidLabel);
    avoidRow->addWidget(m_avoid, 1);

    m_singleNote = new QLabel(Name(kSingleCharacterRowsNote), this);
    m_singleNote->setObjectName(QStringLiteral("lbl_SingleCharacter"));
    m_singleNote->setWordWrap(true);
    SetTextColor(m_singleNote, QColor(0xa0, 0x40, 0x00));
    m_singleNote->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_pages, 1);
    layout->addLayout(avoidRow);
    layout->addWidget(m_singleNote);
    layout->addLayout(buttons);

    connect(reset, &QPushButton::clicked, this, &TfrmSelect::btn_ResetClick);
    connect(ok, &QPushButton::clicked, this, &TfrmSelect::btn_OKClick);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmSelect::btn_CancelClick);
    for (const FilterControl& control : FilterControls()) {
        m_stored.push_back(Control<QWidget>(Name(control.name)));
        Q_ASSERT(m_stored.back() != nullptr);
    }
    m_kangxi = Control<QRadioButton>(QStringLiteral("rg_fanti"));
    m_simplified = Control<QRadioButton>(QStringLiteral("rg_Jiti"));
    for (std::string_view rowBox : RowBoxNames()) {
        auto* box = Control<QCheckBox>(Name(rowBox));
        connect(box, &QCheckBox::clicked, this, [this, box] {
            chk1_1Click(box->objectName());
            if (box->isChecked()) {
                FocusRowField(box->objectName());
            }
        });
    }
    for (int row = 1; row <= 3; ++row) {
        auto* strokes = Control<QComboBox>(QStringLiteral("cmb6_%1A").arg(row));
        connect(strokes, &QComboBox::activated, this,
                [this, strokes] { cmb6_1AClick(strokes->objectName()); });
    }
    SetFilterDialogKeyboardAccess(this);
    // Tab reads the dialog top-down: the shown page, 不用的字, then the buttons.
    if (QWidget* before = reset->previousInFocusChain(); before != nullptr && before != m_avoid) {
        setTabOrder(before, m_avoid);
        setTabOrder(m_avoid, reset);
    }
    SetFamilyName({});
}

QWidget* TfrmSelect::BuildTextPage(int page) {
    auto* widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("PageSelect%1").arg(page));
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(16, 10, 16, 10);
    for (int row = 1; row <= 3; ++row) {
        grid->addWidget(RowBox(widget, page, row, RowCaption(row)), row - 1, 0);
        auto* edit = Named(new QLineEdit(widget), QStringLiteral("edt%1_%2").arg(page).arg(row));
        if (page == 1) {
            edit->setValidator(new GbkLengthValidator(2, edit));
            edit->setFixedWidth(40);
        } else {
            edit->setFixedWidth(120);
        }
        grid->addWidget(edit, row - 1, 1, Qt::AlignLeft);
    }
    if (page == 4) {
        // OK writes the boxes in this form, so the user sees what is looked for.
        auto* rule = new QLabel(QString::fromUtf8(kPinyinRuleText.data(),
                                                  static_cast<qsizetype>(kPinyinRuleText.size())),
                                widget);
        rule->setObjectName(QStringLiteral("lbl_PinyinRule"));
        rule->setWordWrap(true);
        grid->addWidget(rule, 3, 0, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    return widget;
}

QWidget* TfrmSelect::BuildElementPage(int page) {
    auto* widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("PageSelect%1").arg(page));
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(16, 10, 16, 10);
    for (int row = 1; row <= 3; ++row) {
        grid->addWidget(RowBox(widget, page, row, RowCaption(row)), row - 1, 0);
        for (int e = 0; e < 5; ++e) {
            auto* box = Named(new QCheckBox(QString::fromUtf8(kElementCaptions[e]), widget),
                              QStringLiteral("chk%1_%2%3").arg(page).arg(row).arg(e + 1));
            grid->addWidget(box, row - 1, 1 + e);
        }
    }
    grid->setColumnStretch(6, 1);
    return widget;
}

QWidget* TfrmSelect::BuildStrokePage() {
    auto* widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("PageSelect5"));
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(12, 6, 12, 6);
    const QString captions[3] = {QStringLiteral("第二个字笔画数范围："),
                                 QStringLiteral("第三个字笔画数范围："),
                                 QStringLiteral("名字笔画数 (不含姓) ：")};
    for (int row = 1; row <= 3; ++row) {
        grid->addWidget(RowBox(widget, 5, row, captions[row - 1]), row - 1, 0);
        for (int bound = 1; bound <= 2; ++bound) {
            auto* spin =
                Named(new QSpinBox(widget), QStringLiteral("sedt5_%1%2").arg(row).arg(bound));
            // A lower bound above the upper one simply lets nothing pass.
            spin->setRange(kStrokeBoundLowest, kStrokeBoundHighest);
            spin->setValue(0);
            spin->setFixedWidth(56);
            grid->addWidget(spin, row - 1, bound == 1 ? 1 : 3);
        }
        grid->addWidget(new QLabel(QStringLiteral("至"), widget), row - 1, 2);
        grid->addWidget(new QLabel(QStringLiteral("之间"), widget), row - 1, 4);
    }
    auto* simplified = new QRadioButton(QStringLiteral("简体笔画"), widget);
    simplified->setObjectName(QStringLiteral("rg_Jiti"));
    simplified->setChecked(true);
    auto* kangxi = new QRadioButton(QStringLiteral("康熙笔画（繁体笔画）"), widget);
    kangxi->setObjectName(QStringLiteral("rg_fanti"));
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(simplified);
    kinds->addWidget(kangxi);
    kinds->addStretch(1);
    grid->addLayout(kinds, 3, 0, 1, 5);
    grid->setColumnStretch(5, 1);
    return widget;
}

QWidget* TfrmSelect::BuildRadicalPage() {
    auto* widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("PageSelect6"));
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(16, 6, 16, 6);
    grid->addWidget(new QLabel(QStringLiteral("部首笔画"), widget), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("部首"), widget), 0, 2);
    for (int row = 1; row <= 3; ++row) {
        grid->addWidget(RowBox(widget, 6, row, RowCaption(row)), row, 0);
        auto* strokes = Named(new QComboBox(widget), QStringLiteral("cmb6_%1A").arg(row));
        auto* radicals = Named(new QComboBox(widget), QStringLiteral("cmb6_%1B").arg(row));
        // FormCreate: the stroke-count lists, first entry selected; radical lists stay empty.
        SetComboItems(strokes, StrokeCountItems());
        strokes->setCurrentIndex(0);
        strokes->setMinimumContentsLength(4);
        // Each radical has its reading, strokes and Kangxi radical as a tooltip.
        QFont big = radicals->font();
        big.setPixelSize(kRadicalPixelSize);
        radicals->setFont(big);
        radicals->setMinimumContentsLength(4);
        radicals->setItemDelegate(new RadicalItemDelegate(radicals));
        radicals->view()->setMinimumWidth(140);
        radicals->setToolTip(
            QStringLiteral("部首，按读音排列；打开列表，指向一项可见它的笔画和康熙部首"));
        grid->addWidget(strokes, row, 1);
        grid->addWidget(radicals, row, 2);
    }
    grid->setColumnStretch(3, 1);
    return widget;
}

FilterSet TfrmSelect::Snapshot() const {
    FilterSet filters;
    for (const FilterControl& control : FilterControls()) {
        switch (control.kind) {
            case FilterControlKind::CheckBox:
                filters.*(control.check) = Stored<QCheckBox>(control)->isChecked();
                break;
            case FilterControlKind::TextBox:
                filters.*(control.text) = Stored<QLineEdit>(control)->text().toStdString();
                break;
            case FilterControlKind::SpinBox:
                filters.*(control.number) = Stored<QSpinBox>(control)->value();
                break;
            case FilterControlKind::ComboBox:
                filters.*(control.number) = Stored<QComboBox>(control)->currentIndex();
                break;
        }
    }
    filters.strokeKind = m_kangxi->isChecked() ? StrokeKind::Kangxi : StrokeKind::Simplified;
    return filters;
}

void TfrmSelect::Apply(const FilterSet& filters) {
    for (const FilterControl& control : FilterControls()) {
        switch (control.kind) {
            case FilterControlKind::CheckBox: {
                auto* box = Stored<QCheckBox>(control);
                const QSignalBlocker blocker(box);
                box->setChecked(filters.*(control.check));
                break;
            }
            case FilterControlKind::TextBox: {
                auto* edit = Stored<QLineEdit>(control);
                const QString text = QString::fromStdString(filters.*(control.text));
                if (edit->text() != text) {
                    edit->setText(text);
                }
                break;
            }
            case FilterControlKind::SpinBox:
                Stored<QSpinBox>(control)->setValue(filters.*(control.number));
                break;
            case FilterControlKind::ComboBox: {
                auto* combo = Stored<QComboBox>(control);
                const QSignalBlocker blocker(combo);
                const int index = filters.*(control.number);
                combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
                break;
            }
        }
    }
    const bool kangxi = filters.strokeKind == StrokeKind::Kangxi;
    m_kangxi->setChecked(kangxi);
    m_simplified->setChecked(!kangxi);
}

void TfrmSelect::SetSingleCharacter(bool single) {
    m_singleCharacter = single;
    m_singleNote->setVisible(single);
    // The note takes a line of its own; the pages keep their room.
    const int noteHeight =
        single ? m_singleNote->heightForWidth(kDialogSize.width() - 12) + layout()->spacing() : 0;
    setFixedSize(kDialogSize.width(), kDialogSize.height() + noteHeight);
    ApplyAppearance(DialogAppearance(Snapshot()));
}

void TfrmSelect::FocusRowField(const QString& rowBox) {
    const int page = rowBox.mid(3, 1).toInt();
    const int row = rowBox.mid(5, 1).toInt();
    QString field;
    switch (page) {
        case 1:
        case 4:
            field = QStringLiteral("edt%1_%2").arg(page).arg(row);
            break;
        case 2:
        case 3:
            field = QStringLiteral("chk%1_%2").arg(page).arg(row) + QLatin1Char('1');
            break;
        case 5:
            field = QStringLiteral("sedt5_%1").arg(row) + QLatin1Char('1');
            break;
        case 6:
            field = QStringLiteral("cmb6_%1A").arg(row);
            break;
        default:
            return;
    }
    if (auto* widget = Control<QWidget>(field); widget != nullptr && widget->isEnabled()) {
        widget->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->selectAll();
        }
    }
}

void TfrmSelect::SetFamilyName(const QString& familyText) {
    const std::string family = familyText.trimmed().toStdString();
    const QString hints[2] = {QString::fromStdString(PositionHint(1, family)),
                              QString::fromStdString(PositionHint(2, family))};
    for (std::string_view name : RowBoxNames()) {
        const int row = RowOfControl(name);
        if (row == 1 || row == 2) {
            Control<QCheckBox>(Name(name))->setToolTip(hints[row - 1]);
        }
    }
}

std::string TfrmSelect::AvoidText() const {
    return m_avoid->text().toStdString();
}

void TfrmSelect::ApplyAppearance(const std::vector<ControlAppearance>& rules) {
    std::vector<ControlAppearance> controls = rules;
    if (m_singleCharacter) {
        DisableRowsUnusedBySingleCharacter(controls);
    }
    for (const ControlAppearance& appearance : controls) {
        if (QWidget* widget = StoredControl(appearance.name)) {
            widget->setVisible(appearance.visible);
            widget->setEnabled(appearance.enabled);
        }
    }
}

void TfrmSelect::ApplyReaction(const DialogReaction& reaction) {
    Apply(reaction.filters);
    ApplyAppearance(reaction.controls);
}

void TfrmSelect::chk1_1Click(const QString& sender) {
    ApplyReaction(RowBoxClicked(Snapshot(), sender.toStdString()));
}

void TfrmSelect::cmb6_1AClick(const QString& sender) {
    const int row = RowOfControl(sender.toStdString());
    auto* strokes = Control<QComboBox>(QStringLiteral("cmb6_%1A").arg(row));
    auto* radicals = Control<QComboBox>(QStringLiteral("cmb6_%1B").arg(row));
    if (strokes == nullptr || radicals == nullptr) {
        return;
    }
    const int position = strokes->currentIndex();
    SetRadicalItems(radicals, RadicalItemsOfStrokePosition(position));
    Apply(StrokeCountPicked(Snapshot(), row, position));
}

void TfrmSelect::btn_ResetClick() {
    const FilterSet reset = ResetFilters(Snapshot());
    Apply(reset);
    ApplyAppearance(DialogAppearance(reset));
}

void TfrmSelect::btn_OKClick() {
    const int nameLength = m_singleCharacter ? 0 : 1;
    FilterAcceptance acceptance = AcceptFilters(Snapshot(), nameLength);
    Apply(acceptance.filters);
    if (acceptance.ok()) {
        const AvoidCharactersInput avoid = ParseAvoidCharacters(AvoidText());
        if (!avoid.ok()) {
            m_messages.Information(this, QString::fromStdString(avoid.error));
            m_avoid->setFocus();
            return;
        }
        acceptance = RefuseAvoidedFixedCharacters(acceptance.filters, avoid.avoid, nameLength);
    }
    if (!acceptance.ok()) {
        m_messages.Information(this, QString::fromStdString(acceptance.error));
        if (auto* widget = Control<QWidget>(QString::fromStdString(acceptance.control))) {
            for (int page = 0; page < m_pages->count(); ++page) {
                if (m_pages->widget(page)->isAncestorOf(widget)) {
                    m_pages->setCurrentIndex(page);
                }
            }
            widget->setFocus();
        }
        return;
    }
    m_accepted = true;
    accept();
}

void TfrmSelect::btn_CancelClick() {
    reject();
}

std::optional<FilterSet> TfrmSelect::Run() {
    m_accepted = false;
    exec();
    if (!m_accepted) {
        return std::nullopt;
    }
    return Snapshot();
}

void TfrmSelect::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ApplyReaction(DialogShown(Snapshot()));
}

}  // namespace lumivane::gui
