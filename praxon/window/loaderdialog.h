#pragma once

#include <QProgressDialog>

namespace Praxon {

// The host's loader: shown while the module works on something long, with the module's text and,
// once it gives a maximum, the progress; without one it only shows that work goes on.
class LoaderDialog final : public QProgressDialog
{
    Q_OBJECT

public:
    explicit LoaderDialog(QWidget* parent = nullptr);

    void showLoader(bool shown, const QString& text);
    void setLoaderMaximum(int maximum);
    void setLoaderValue(int value);
};

} // namespace Praxon
