#include "tableview.h"

#include "itemselectionmodel.h"
#include "logging.h"
#include "styleditemdelegate.h"

#include <QEvent>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QSettings>
#include <QShortcut>
#include <QTimer>

namespace Framework {

namespace {

constexpr int RowHeight = 19;
constexpr int NarrowestRestoredWidth = 10;
const QString SelectionStyle = QStringLiteral(
    "selection-background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0.0 rgb(234, 244, 255), "
    "stop:0.5 rgb(132, 182, 255), stop:1 rgb(146, 191, 255))");

QString settingsKey(const QString& objectName)
{
    return QString(objectName).replace(QLatin1String("::"), QLatin1String("__"));
}

// The host's user settings, group "Geometry".
class GeometrySettings : public QSettings
{
public:
    GeometrySettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tessaline/Praxon"),
                    QStringLiteral("Praxon"))
    {
        beginGroup(QStringLiteral("Geometry"));
    }
};

// Widths up to the first part that is not a number; a width of 0 would make the column
// impossible to find again.
QList<int> parseWidths(const QString& text)
{
    QList<int> widths;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int width = part.toInt(&ok);
        if (!ok)
            break;
        widths << (width == 0 ? NarrowestRestoredWidth : width);
    }
    return widths;
}

} // namespace

TableView::TableView(QAbstractItemModel* model, QWidget* parent)
    : QTableView(parent)
{
    setModel(model);
    setStyleSheet(SelectionStyle);
    setItemDelegate(new StyledItemDelegate(this));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Restored widths go down to this; the style's minimum would be wider.
    header->setMinimumSectionSize(NarrowestRestoredWidth);
    resizeColumnsToContents();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    setToolTipDuration(0);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // After construction, once the owner has given the view the object name its widths are
    // stored under.
    QTimer::singleShot(0, this, &TableView::reloadState);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QAbstractItemView::clearSelection, Qt::WindowShortcut);
    updateVisibility();
}

TableView::~TableView()
{
    saveState();
}

void TableView::setModel(QAbstractItemModel* model)
{
    if (model == this->model())
        return;
    for (const QMetaObject::Connection& connection : qAsConst(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    QItemSelectionModel* previous = selectionModel();
    QTableView::setModel(model);
    if (model) {
        QItemSelectionModel* created = selectionModel();
        setSelectionModel(new ItemSelectionModel(model, this));
        delete created;
        m_modelConnections = {
            connect(model, &QAbstractItemModel::dataChanged, this, &TableView::processMultiSelection),
            connect(model, &QAbstractItemModel::rowsInserted, this, &TableView::updateVisibility),
            connect(model, &QAbstractItemModel::columnsInserted, this, &TableView::updateVisibility),
            connect(model, &QAbstractItemModel::modelReset, this, &TableView::updateVisibility),
            connect(model, &QAbstractItemModel::layoutChanged, this, &TableView::updateVisibility),
        };
        updateVisibility();
    }
    if (previous)
        previous->deleteLater();
}

void TableView::setDisplayMode(int source)
{
    m_sourceMode = source;
    updateVisibility();
}

int TableView::displayMode() const
{
    return m_sourceMode;
}

bool TableView::isExtended() const
{
    return m_extended;
}

void TableView::setHiddenSections(Qt::Orientation orientation, const QSet<int>& sections)
{
    sectionsOf(orientation).hidden = sections;
    updateVisibility();
}

void TableView::setBasicHiddenSections(Qt::Orientation orientation, const QList<int>& sections)
{
    sectionsOf(orientation).basic = sections;
    updateVisibility();
}

void TableView::setSourceModeHiddenSections(Qt::Orientation orientation, int source, const QList<int>& sections)
{
    if (source == 1)
        sectionsOf(orientation).sourceMode1 = sections;
    else if (source == 2)
        sectionsOf(orientation).sourceMode2 = sections;
    updateVisibility();
}

void TableView::setLeftAloneSections(Qt::Orientation orientation, const QList<int>& sections)
{
    sectionsOf(orientation).leftAlone = sections;
    updateVisibility();
}

TableView::Sections TableView::sections(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_columns : m_rows;
}

TableView::Sections& TableView::sectionsOf(Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? m_columns : m_rows;
}

void TableView::showExtended(bool show)
{
    m_extended = show;
    updateVisibility();
}

void TableView::hideColumn(int column)
{
    if (!isColumnHidden(column))
        m_hiddenColumnWidths.insert(column, columnWidth(column));
    QTableView::hideColumn(column);
}

void TableView::showColumn(int column)
{
    m_hiddenColumnWidths.remove(column);
    QTableView::showColumn(column);
}

QSet<int> TableView::hiddenSet(const Sections& sections) const
{
    QSet<int> hidden = sections.hidden;
    if (!m_extended)
        hidden.unite(QSet<int>(sections.basic.begin(), sections.basic.end()));
    if (m_sourceMode == 2)
        hidden.unite(QSet<int>(sections.sourceMode2.begin(), sections.sourceMode2.end()));
    else if (m_sourceMode == 1)
        hidden.unite(QSet<int>(sections.sourceMode1.begin(), sections.sourceMode1.end()));
    return hidden;
}

void TableView::updateVisibility()
{
    if (!model())
        return;
    const QSet<int> hiddenColumns = hiddenSet(m_columns);
    for (int column = 0; column < model()->columnCount(); ++column) {
        if (m_columns.leftAlone.contains(column))
            continue;
        if (hiddenColumns.contains(column))
            hideColumn(column);
        else if (isColumnHidden(column))
            showColumn(column);
    }
    const QSet<int> hiddenRows = hiddenSet(m_rows);
    for (int row = 0; row < model()->rowCount(); ++row) {
        if (!m_rows.leftAlone.contains(row))
            setRowHidden(row, hiddenRows.contains(row));
    }
}

bool TableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (trigger == QAbstractItemView::DoubleClicked || trigger == QAbstractItemView::EditKeyPressed)
        m_editedIndex = index;
    return QTableView::edit(index, trigger, event);
}

void TableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    if (hint != QAbstractItemDelegate::SubmitModelCache || !m_editedIndex.isValid())
        return;
    const QModelIndex below = m_editedIndex.sibling(m_editedIndex.row() + 1, m_editedIndex.column());
    if (!below.isValid())
        return;
    clearSelection();
    setCurrentIndex(below);
    // Enter in the next editor goes on downwards.
    m_editedIndex = below;
    edit(below);
}

void TableView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        QHeaderView* header = horizontalHeader();
        if (header->count() > 0)
            header->headerDataChanged(Qt::Horizontal, 0, header->count() - 1);
        retranslate();
    }
    QTableView::changeEvent(event);
}

void TableView::processMultiSelection(QModelIndex topLeft, QModelIndex bottomRight, QVector<int> roles)
{
    if (m_fillingSelection || topLeft != bottomRight || !roles.contains(Qt::EditRole)
        || !(topLeft.flags() & Qt::ItemIsEditable))
        return;
    const QModelIndexList selected = selectedIndexes();
    if (!selected.contains(topLeft))
        return;
    // The writes below announce themselves too; they must not start filling again.
    QScopedValueRollback<bool> filling(m_fillingSelection, true);
    const QVariant value = topLeft.data(Qt::DisplayRole);
    for (const QModelIndex& index : selected) {
        if (index.column() == topLeft.column() && index != topLeft)
            model()->setData(index, value, Qt::EditRole);
    }
}

void TableView::reloadState()
{
    const QString key = settingsKey(objectName());
    GeometrySettings settings;
    if (objectName().isEmpty() || !settings.contains(key))
        return;
    const QList<int> widths = parseWidths(settings.value(key).toString());
    QHeaderView* header = horizontalHeader();
    if (widths.size() != header->count()) {
        qCWarning(lcFramework) << "Sections was not restored!" << objectName() << widths.size() << header->count();
        return;
    }
    for (int section = 0; section < widths.size(); ++section) {
        header->resizeSection(section, widths.at(section));
        if (m_hiddenColumnWidths.contains(section))
            m_hiddenColumnWidths.insert(section, widths.at(section));
    }
}

void TableView::saveState() const
{
    if (objectName().isEmpty())
        return;
    const QHeaderView* header = horizontalHeader();
    QStringList widths;
    for (int section = 0; section < header->count(); ++section) {
        const int width = header->isSectionHidden(section) ? m_hiddenColumnWidths.value(section)
                                                           : header->sectionSize(section);
        widths << QString::number(width);
    }
    GeometrySettings settings;
    settings.setValue(settingsKey(objectName()), widths.join(QLatin1Char(';')));
}

} // namespace Framework
