#include "loaderdialog.h"

namespace Praxon {

LoaderDialog::LoaderDialog(QWidget* parent)
    : QProgressDialog(parent)
{
    setObjectName(QStringLiteral("loader"));
    setWindowModality(Qt::WindowModal);
    // The module's operations cannot be cancelled half way.
    setCancelButton(nullptr);
    setMinimumDuration(0);
    setAutoReset(false);
    setAutoClose(false);
    setRange(0, 0);
    QProgressDialog::reset();
    hide();
}

void LoaderDialog::showLoader(bool shown, const QString& text)
{
    if (!shown) {
        hide();
        setRange(0, 0);
        return;
    }
    setLabelText(text);
    show();
}

void LoaderDialog::setLoaderMaximum(int maximum)
{
    setRange(0, qMax(0, maximum));
    setValue(0);
}

void LoaderDialog::setLoaderValue(int value)
{
    setValue(value);
}

} // namespace Praxon
