#include "ClassGridModel.h"

#include "DisplayText.h"
#include "FactGridModel.h"

ClassGridModel::ClassGridModel(std::array<QString, 5> masteries, QObject* parent)
    : QAbstractTableModel(parent), masteries_(std::move(masteries))
{
}

void ClassGridModel::setFigures(ClassFigures figures)
{
    beginResetModel();
    figures_ = std::move(figures);
    endResetModel();
}

int ClassGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(figures_.pupils.size());
}

int ClassGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(figures_.facts.size());
}

QVariant ClassGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto pupil = static_cast<std::size_t>(index.row());
    const auto fact = static_cast<std::size_t>(index.column());
    const Mastery mastery = figures_.mastery.at(pupil).at(fact);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return displayText(figures_.pupils[pupil]) + ", " + QString::fromStdString(factText(figures_.facts[fact])) + ": "
            + masteries_[static_cast<std::size_t>(mastery)];
    return FactGridModel::cellLook(mastery, role);
}

QVariant ClassGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Vertical)
        return displayText(figures_.pupils.at(static_cast<std::size_t>(section)));
    // The fact on two lines, so that a column stays narrow: "7" above "x 8".
    const std::string text = factText(figures_.facts.at(static_cast<std::size_t>(section)));
    if (role == Qt::AccessibleTextRole)
        return QString::fromStdString(text);
    const auto space = text.find(' ');
    return QString::fromStdString(text.substr(0, space) + "\n" + text.substr(space + 1));
}
