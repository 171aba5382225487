#include "unithistorywindow.h"

#include "praxon/core/configurationdiff.h"
#include "praxon/core/fieldlabels.h"
#include "praxon/records/recordstore.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Praxon {

namespace {

const QColor changedBackground(255, 236, 179);

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* widget = new QTableWidget(0, headers.size(), parent);
    widget->setObjectName(QLatin1String(name));
    widget->setHorizontalHeaderLabels(headers);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionBehavior(QAbstractItemView::SelectRows);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->verticalHeader()->hide();
    widget->horizontalHeader()->setStretchLastSection(true);
    return widget;
}

} // namespace

UnitHistoryWindow::UnitHistoryWindow(Records::RecordStore* store, const FieldLabels* labels, const QString& serial,
                                     bool canRestore, QWidget* parent)
    : QDialog(parent)
    , store(store)
    , labels(labels)
    , serial(serial)
    , list(table(this, "versions", {tr("Version"), tr("Time"), tr("Why it was kept")}))
    , against(new QComboBox(this))
    , differences(table(this, "differences", {tr("Setting"), tr("Compared with"), tr("Chosen version")}))
    , events(table(this, "events", {tr("Time"), tr("Event"), tr("Source")}))
    , note(new QLineEdit(this))
    , restoreButton(new QPushButton(tr("&Restore"), this))
{
    setWindowTitle(tr("Unit history: %1").arg(serial));
    against->setObjectName(QStringLiteral("against"));
    note->setObjectName(QStringLiteral("note"));
    restoreButton->setObjectName(QStringLiteral("restore"));
    restoreButton->setToolTip(tr("Write the chosen version to the unit"));
    restoreButton->setEnabled(canRestore);
    auto* saveNoteButton = new QPushButton(tr("Save &note"), this);
    saveNoteButton->setObjectName(QStringLiteral("saveNote"));

    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(new QLabel(tr("Site note:"), this));
    noteRow->addWidget(note, 1);
    noteRow->addWidget(saveNoteButton);
    auto* compareRow = new QHBoxLayout;
    compareRow->addWidget(new QLabel(tr("Compared with:"), this));
    compareRow->addWidget(against, 1);
    compareRow->addWidget(restoreButton);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(list);
    splitter->addWidget(differences);
    splitter->setSizes({320, 680});
    // The labels take the room the values leave.
    differences->horizontalHeader()->setStretchLastSection(false);
    differences->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    differences->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    differences->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    auto* versionsPage = new QWidget(this);
    auto* versionsLayout = new QVBoxLayout(versionsPage);
    versionsLayout->addLayout(compareRow);
    versionsLayout->addWidget(splitter, 1);
    auto* pages = new QTabWidget(this);
    pages->addTab(versionsPage, tr("&Versions"));
    pages->addTab(events, tr("&Event log"));
    pages->setTabToolTip(1, tr("Every event record read from the unit, also those it no longer holds"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(noteRow);
    layout->addWidget(pages, 1);

    for (const Records::UnitRecord& unit : store->units()) {
        if (unit.serial == serial)
            note->setText(unit.note);
    }
    connect(saveNoteButton, &QPushButton::clicked, this, &UnitHistoryWindow::saveNote);
    connect(list, &QTableWidget::itemSelectionChanged, this, &UnitHistoryWindow::chooseVersion);
    connect(against, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &UnitHistoryWindow::compare);
    connect(restoreButton, &QPushButton::clicked, this, [this] { emit restoreRequested(chosen()); });
    resize(1000, 560);
    fillVersions();
    fillEvents();
}

void UnitHistoryWindow::fillVersions()
{
    versions = store->versions(serial);
    list->setRowCount(versions.size());
    const QLocale locale;
    for (int row = 0; row < versions.size(); ++row) {
        const Records::VersionRecord& version = versions.at(row);
        list->setItem(row, 0, new QTableWidgetItem(QString::number(version.id)));
        list->setItem(row, 1, new QTableWidgetItem(locale.toString(version.made.toLocalTime(), QLocale::ShortFormat)));
        list->setItem(row, 2, new QTableWidgetItem(Records::VersionRecord::describe(version.reason)));
        against->addItem(tr("version %1").arg(version.id));
    }
    list->resizeColumnsToContents();
    if (!versions.isEmpty())
        list->selectRow(0);
}

void UnitHistoryWindow::fillEvents()
{
    const QList<Records::EventRecord> kept = store->events(serial);
    events->setRowCount(kept.size());
    for (int row = 0; row < kept.size(); ++row) {
        const QStringList cells{kept.at(row).logged, kept.at(row).event, kept.at(row).source};
        for (int column = 0; column < cells.size(); ++column)
            events->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    events->resizeColumnsToContents();
}

Records::VersionRecord UnitHistoryWindow::chosen() const
{
    return versions.value(list->currentRow());
}

// The version before the chosen one is compared with first; the first version with itself.
void UnitHistoryWindow::chooseVersion()
{
    const int row = list->currentRow();
    const int before = std::min(row + 1, int(versions.size()) - 1);
    if (against->currentIndex() == before)
        compare();
    else
        against->setCurrentIndex(before);
}

void UnitHistoryWindow::compare()
{
    QMap<QString, QJsonValue> left;
    QMap<QString, QJsonValue> right;
    ConfigurationDiff::settings(versions.value(against->currentIndex()).configuration, &left);
    ConfigurationDiff::settings(chosen().configuration, &right);
    QStringList paths = left.keys() + right.keys();
    paths.removeDuplicates();
    paths.sort();
    differences->setRowCount(paths.size());
    for (int row = 0; row < paths.size(); ++row) {
        const QString& path = paths.at(row);
        const QJsonValue before = left.value(path, QJsonValue(QJsonValue::Undefined));
        const QJsonValue after = right.value(path, QJsonValue(QJsonValue::Undefined));
        const QStringList cells{labels->describe(path), ConfigurationDiff::valueText(before), ConfigurationDiff::valueText(after)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            if (before != after)
                item->setBackground(changedBackground);
            differences->setItem(row, column, item);
        }
    }
}

void UnitHistoryWindow::saveNote()
{
    store->setNote(serial, note->text());
}

} // namespace Praxon
