#pragma once

#include "host/deviceinfo.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTreeWidget;

namespace Praxon {

class HostSession;

// Searches for units and lets the user choose one: serial number, firmware, behaviour version.
class UnitDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit UnitDialog(HostSession* session, QWidget* parent = nullptr);

    void search();
    DeviceInfo chosen() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateButtons();
    void fitColumns();

    HostSession* session;
    QTreeWidget* list;
    QPushButton* searchButton;
    QPushButton* connectButton;
    QList<DeviceInfo> units;
    bool searched = false;
};

} // namespace Praxon
