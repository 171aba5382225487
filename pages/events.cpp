#include "events.h"

#include "ui_events.h"

#include "framework/lineeditdelegate.h"
#include "framework/model.h"

#include <QEvent>
#include <QPushButton>
#include <QSortFilterProxyModel>

#include <iterator>

namespace moduleRV_23 {

namespace {

const int ColumnWidths[] = {200, 370, 150};
constexpr int FirstTextColumn = 1;
constexpr int LastTextColumn = 4;

} // namespace

Events::Events(Framework::Model* model, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Events>())
    , reloadButton(new QPushButton(this))
{
    ui->setupUi(this);
    reloadButton->hide();
    connect(reloadButton, &QPushButton::clicked, this, &Events::loadEvents);

    auto* proxy = new QSortFilterProxyModel(this);
    proxy->setSourceModel(model);
    ui->tEvents->setModel(proxy);
    ui->tEvents->setSortingEnabled(false);
    for (int column = FirstTextColumn; column <= LastTextColumn; ++column)
        ui->tEvents->setItemDelegateForColumn(column, new Framework::LineEditDelegate(QString(), ui->tEvents));
    for (int column = 0; column < int(std::size(ColumnWidths)); ++column)
        ui->tEvents->setColumnWidth(column, ColumnWidths[column]);
    retranslate();
}

Events::~Events()
{
    delete reloadButton;
}

QList<QAbstractButton*> Events::buttons()
{
    return {reloadButton};
}

QString Events::infoText()
{
    return qtTrId("app.rv23.events.info");
}

void Events::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QWidget::changeEvent(event);
}

void Events::retranslate()
{
    reloadButton->setText(qtTrId("app.rv23.events.reload"));
}

} // namespace moduleRV_23
