#include "signalpanel.h"

#include "signalplot.h"

#include "praxon/core/hostsession.h"
#include "praxon/core/signalsampler.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHideEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>

namespace Praxon {

namespace {

QLabel* newLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

SignalPanel::SignalPanel(HostSession* session, QWidget* parent)
    : QWidget(parent)
    , session(session)
    , valueLabel(newLabel("signalValue", this))
    , bandLabel(newLabel("signalBand", this))
    , voltageLabel(newLabel("signalVoltage", this))
    , operatorLabel(newLabel("signalOperator", this))
    , summaryLabel(newLabel("signalSummary", this))
    , plot(new SignalPlot(this))
    , markEdit(new QLineEdit(this))
    , markButton(new QPushButton(this))
    , exportButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("signalPanel"));
    QFont big = valueLabel->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    valueLabel->setFont(big);
    markEdit->setObjectName(QStringLiteral("markLabel"));
    markButton->setObjectName(QStringLiteral("mark"));
    exportButton->setObjectName(QStringLiteral("exportSamples"));

    auto* readings = new QGridLayout;
    readings->addWidget(valueLabel, 0, 0, 2, 1);
    readings->addWidget(bandLabel, 0, 1);
    readings->addWidget(voltageLabel, 0, 2, Qt::AlignRight);
    readings->addWidget(operatorLabel, 1, 1);
    readings->addWidget(summaryLabel, 1, 2, Qt::AlignRight);
    readings->setColumnStretch(1, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(markEdit, 1);
    actions->addWidget(markButton);
    actions->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(readings);
    layout->addWidget(plot, 1);
    layout->addLayout(actions);

    connect(markButton, &QPushButton::clicked, this, &SignalPanel::mark);
    connect(markEdit, &QLineEdit::returnPressed, this, &SignalPanel::mark);
    connect(exportButton, &QPushButton::clicked, this, &SignalPanel::exportCsv);
    retranslate();
}

void SignalPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Opened: the statistics start afresh.
    if (sampler || !session)
        return;
    samples = SignalLog();
    sampler = new SignalSampler(session, this);
    connect(sampler, &SignalSampler::sampled, this, &SignalPanel::add);
    refresh();
}

void SignalPanel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A minimised window keeps measuring; a closed panel does not.
    if (!event->spontaneous())
        delete sampler;
}

void SignalPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void SignalPanel::add(const SignalLog::Sample& sample)
{
    samples.add(sample);
    refresh();
}

void SignalPanel::mark()
{
    QString label = markEdit->text().trimmed();
    if (label.isEmpty())
        label = tr("Mark %1").arg(samples.marks().size() + 1);
    samples.addMark(QDateTime::currentDateTime(), label);
    markEdit->clear();
    refresh();
}

bool SignalPanel::exportCsvTo(const QString& file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(samples.toCsv().toUtf8()) < 0 || !out.commit()) {
        QMessageBox::warning(this, tr("Export samples"), tr("Cannot write %1: %2").arg(file, out.errorString()));
        return false;
    }
    return true;
}

void SignalPanel::exportCsv()
{
    const QString file = QFileDialog::getSaveFileName(this, tr("Export samples"), QString(), tr("CSV files (*.csv)"));
    if (!file.isEmpty())
        exportCsvTo(file);
}

void SignalPanel::refresh()
{
    const QList<SignalLog::Sample>& all = samples.samples();
    const SignalLog::Summary summary = samples.summary();
    if (all.isEmpty()) {
        valueLabel->setText(QStringLiteral("–"));
        bandLabel->clear();
        voltageLabel->clear();
        operatorLabel->clear();
        summaryLabel->setText(tr("waiting for the unit's next status"));
        plot->showLog(samples, QDateTime::currentDateTime());
        return;
    }
    const SignalLog::Sample& last = all.last();
    valueLabel->setText(last.signal);
    bandLabel->setText(QCoreApplication::translate("Praxon::SignalLog",
                                                   SignalLog::bandName(SignalLog::band(last.level()))));
    voltageLabel->setText(tr("Supply %1").arg(last.voltageText()));
    operatorLabel->setText(last.operatorName);
    summaryLabel->setText(summary.rated == 0 ? tr("samples %1, none on the 0-31 scale").arg(summary.samples)
                                             : tr("min %1  mean %2  max %3  samples %4")
                                                   .arg(summary.minimum)
                                                   .arg(summary.mean, 0, 'f', 1)
                                                   .arg(summary.maximum)
                                                   .arg(summary.samples));
    const QDateTime lastMark = samples.marks().isEmpty() ? last.time : samples.marks().last().time;
    plot->showLog(samples, std::max(last.time, lastMark));
}

void SignalPanel::retranslate()
{
    markEdit->setPlaceholderText(tr("Label of the spot, e.g. roof"));
    markButton->setText(tr("Mark"));
    exportButton->setText(tr("Export CSV…"));
    refresh();
}

} // namespace Praxon
