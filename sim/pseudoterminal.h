#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace Sim {

// The unit's end of a pseudo-terminal. It keeps a handle of its own on the other (slave) end,
// which tells how much of the output the reader there has not taken yet, and which keeps the
// terminal alive while readers come and go.
class PseudoTerminal final : public QObject
{
    Q_OBJECT

public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    bool open(QString* error);
    void close();
    bool isOpen() const { return master >= 0; }
    QString path() const { return slavePath; }

    // Writes without blocking; what the terminal cannot take yet follows as it drains.
    void write(const QByteArray& data);
    // Bytes written that the reader on the slave end has not read yet.
    int untaken() const;

signals:
    void received(const QByteArray& data);

private:
    void readMaster();
    void flush();

    int master = -1;
    int slave = -1;
    QString slavePath;
    QByteArray pending;
    QSocketNotifier* readNotifier = nullptr;
    QSocketNotifier* writeNotifier = nullptr;
};

} // namespace Sim
