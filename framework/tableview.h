#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QTableView>
#include <QVector>

namespace Framework {

// Table widget of the device pages: multi-cell editing of a selection, Enter moving to the
// cell below, sections shown by view mode (basic or extended) and configuration source, and
// column widths kept in the "Geometry" settings group under the object name.
class TableView : public QTableView
{
    Q_OBJECT

public:
    // Which sections the visibility update hides, for columns (Qt::Horizontal) or rows
    // (Qt::Vertical).
    struct Sections
    {
        QSet<int> hidden;           // always
        QList<int> basic;           // in basic (not extended) view
        QList<int> sourceMode1;     // for configuration source 1 (remote)
        QList<int> sourceMode2;     // for configuration source 2 (offline)
        QList<int> leftAlone;       // never touched by the update
    };

    using QTableView::edit;

    explicit TableView(QAbstractItemModel* model, QWidget* parent = nullptr);
    // Saves the column widths when the view has an object name.
    ~TableView() override;

    void setModel(QAbstractItemModel* model) override;
    // The configuration source (1 remote, 2 offline, 3 none); reapplies the visibility.
    void setDisplayMode(int source);
    int displayMode() const;
    bool isExtended() const;

    // Setters of the section lists; each reapplies the visibility.
    void setHiddenSections(Qt::Orientation orientation, const QSet<int>& sections);
    void setBasicHiddenSections(Qt::Orientation orientation, const QList<int>& sections);
    void setSourceModeHiddenSections(Qt::Orientation orientation, int source, const QList<int>& sections);
    void setLeftAloneSections(Qt::Orientation orientation, const QList<int>& sections);
    Sections sections(Qt::Orientation orientation) const;

    // Texts that the page sets itself on a language change.
    virtual void retranslate() = 0;

public slots:
    void showExtended(bool show);
    // Remember the width of a column while it is hidden, so that it is saved.
    void hideColumn(int column);
    void showColumn(int column);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void changeEvent(QEvent* event) override;

private slots:
    void processMultiSelection(QModelIndex topLeft, QModelIndex bottomRight, QVector<int> roles);
    void reloadState();

private:
    Sections& sectionsOf(Qt::Orientation orientation);
    void updateVisibility();
    QSet<int> hiddenSet(const Sections& sections) const;
    void saveState() const;

    QVector<QMetaObject::Connection> m_modelConnections;
    QPersistentModelIndex m_editedIndex;
    QHash<int, int> m_hiddenColumnWidths;
    Sections m_columns;
    Sections m_rows;
    int m_sourceMode = 3;
    bool m_extended = true;
    bool m_fillingSelection = false;
};

} // namespace Framework
