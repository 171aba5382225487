#include "fieldlabels.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace Praxon {

namespace {

QString plain(const QString& text)
{
    const QString shown = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return shown.simplified().remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

bool hasAncestor(const QWidget* widget, const QString& name)
{
    for (const QWidget* above = widget->parentWidget(); above; above = above->parentWidget()) {
        if (above->objectName() == name)
            return true;
    }
    return false;
}

// The text of the label in the grid that spans row, left of column (any column when column < 0).
QString labelInRow(const QGridLayout* grid, int row, int column)
{
    for (int i = 0; i < grid->count(); ++i) {
        const auto* label = qobject_cast<const QLabel*>(grid->itemAt(i)->widget());
        int top = 0, left = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &top, &left, &rows, &columns);
        if (label && !label->text().isEmpty() && top <= row && row < top + rows && (column < 0 || left < column))
            return plain(label->text());
    }
    return {};
}

QString labelBeside(const QWidget* field)
{
    const QWidget* box = field->parentWidget();
    const auto* grid = box ? qobject_cast<const QGridLayout*>(box->layout()) : nullptr;
    const int index = grid ? grid->indexOf(const_cast<QWidget*>(field)) : -1;
    if (index < 0)
        return {};
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    QString text = labelInRow(grid, row, column);
    // A page may describe the rows of several groups once, in a group of labels beside them.
    for (const QObject* sibling : box->parentWidget() ? box->parentWidget()->children() : QObjectList()) {
        const auto* other = qobject_cast<const QGroupBox*>(sibling);
        const auto* otherGrid = other && other != box ? qobject_cast<const QGridLayout*>(other->layout()) : nullptr;
        if (text.isEmpty() && otherGrid && otherGrid->count() > 0
            && other->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size() == otherGrid->count())
            text = labelInRow(otherGrid, row, -1);
    }
    return text;
}

} // namespace

FieldLabels::FieldLabels(QWidget* pages)
    : pages(pages)
{
}

QWidget* FieldLabels::widget(const QStringList& path) const
{
    if (!pages || path.isEmpty())
        return nullptr;
    const QList<QWidget*> candidates = pages->findChildren<QWidget*>(path.last());
    for (QWidget* candidate : candidates) {
        if (path.size() < 3 || hasAncestor(candidate, path.at(1)))
            return candidate;
    }
    return nullptr;
}

QString FieldLabels::tabText(const QString& name) const
{
    QList<QTabWidget*> tabs = pages ? pages->findChildren<QTabWidget*>() : QList<QTabWidget*>();
    if (auto* own = qobject_cast<QTabWidget*>(pages.data()))
        tabs.prepend(own);
    for (const QTabWidget* tab : qAsConst(tabs)) {
        for (int i = 0; i < tab->count(); ++i) {
            const QString page = tab->widget(i)->objectName();
            // A page's widget is named after its class: "moduleRV_23__Inputs" holds "inputs".
            if (page.compare(name, Qt::CaseInsensitive) == 0 || page.endsWith(QLatin1String("__") + name, Qt::CaseInsensitive))
                return plain(tab->tabText(i));
        }
    }
    return {};
}

bool FieldLabels::isPage(const QString& name) const
{
    return !tabText(name).isEmpty();
}

QString FieldLabels::page(const QString& name) const
{
    const QString text = tabText(name);
    return text.isEmpty() ? name : text;
}

QByteArray FieldLabels::pagesOnly(const QByteArray& text) const
{
    QJsonObject object = QJsonDocument::fromJson(text).object();
    for (const QString& name : object.keys()) {
        if (!isPage(name))
            object.remove(name);
    }
    // Pages the labels cannot find tell nothing: the text stays as it is.
    return object.isEmpty() ? text : QJsonDocument(object).toJson(QJsonDocument::Compact);
}

int FieldLabels::position(const QStringList& path) const
{
    const QWidget* found = widget(path);
    for (; found && found->parentWidget(); found = found->parentWidget()) {
        const auto* grid = qobject_cast<const QGridLayout*>(found->parentWidget()->layout());
        const int index = grid ? grid->indexOf(const_cast<QWidget*>(found)) : -1;
        if (index >= 0) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            return row * grid->columnCount() + column;
        }
    }
    return 0;
}

QString FieldLabels::group(const QStringList& path) const
{
    const auto* box = qobject_cast<const QGroupBox*>(widget(path.mid(0, 2)));
    return box && !box->title().isEmpty() ? plain(box->title()) : path.value(1);
}

QString FieldLabels::field(const QStringList& path) const
{
    const QWidget* found = widget(path);
    if (!found)
        return path.last();
    const auto* button = qobject_cast<const QAbstractButton*>(found);
    if (button && !button->text().isEmpty())
        return plain(button->text());
    // Fields grouped below a label item carry that label's name in their path.
    const auto* owner = path.size() > 3 ? qobject_cast<const QLabel*>(widget(path.mid(0, path.size() - 1))) : nullptr;
    if (owner && !owner->text().isEmpty())
        return plain(owner->text());
    const QString beside = labelBeside(found);
    return beside.isEmpty() ? path.last() : beside;
}

bool FieldLabels::isTable(const QStringList& path) const
{
    return qobject_cast<const QAbstractItemView*>(widget(path)) != nullptr;
}

QString FieldLabels::column(const QStringList& path, int column, const QString& name) const
{
    const auto* view = qobject_cast<const QAbstractItemView*>(widget(path));
    const QAbstractItemModel* model = view ? view->model() : nullptr;
    if (!model)
        return name;
    // The row numbers are the vertical header.
    const QString title = model->headerData(column, Qt::Horizontal).toString();
    return title.isEmpty() ? name : plain(title);
}

QString FieldLabels::describe(const QString& path) const
{
    const QStringList parts = path.split(QLatin1Char('.'));
    QStringList shown{page(parts.first())};
    if (parts.size() > 2)
        shown << group(parts);
    if (parts.size() == 5 && isTable(parts.mid(0, 3))) {
        shown << field(parts.mid(0, 3)) + QLatin1String(": ") + column(parts.mid(0, 3), columnOf(parts.at(3)), parts.at(3))
                     + QStringLiteral(" %1").arg(rowOf(parts.at(4)) + 1);
    } else if (parts.size() > 1) {
        shown << field(parts);
    }
    return shown.join(QLatin1String(" > "));
}

QString FieldLabels::describe(const ConfigurationDiff::Change& change) const
{
    if (!pages)
        return ConfigurationDiff::describe(change);
    const QString named = QStringLiteral("%1 (%2)").arg(describe(change.path), change.path);
    return ConfigurationDiff::describe({named, change.before, change.after});
}

int FieldLabels::rowOf(const QString& cell)
{
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const QRegularExpressionMatch match = digits.match(cell);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

int FieldLabels::columnOf(const QString& name)
{
    const int number = rowOf(name);
    return number > 0 ? number - 1 : 0;
}

} // namespace Praxon
