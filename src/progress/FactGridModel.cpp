#include "FactGridModel.h"

#include <QBrush>

namespace {

constexpr int kOperands = 9;

} // namespace

FactGridModel::FactGridModel(Words words, QObject* parent) : QAbstractTableModel(parent), words_(std::move(words)) {}

void FactGridModel::setSummaries(std::vector<FactSummary> summaries)
{
    beginResetModel();
    summaries_ = std::move(summaries);
    endResetModel();
}

int FactGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kOperands;
}

int FactGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kOperands;
}

const FactSummary* FactGridModel::summaryAt(const QModelIndex& index) const
{
    for (const FactSummary& summary : summaries_) {
        if (summary.fact.a == index.row() + 1 && summary.fact.b == index.column() + 1)
            return &summary;
    }
    return nullptr;
}

QColor FactGridModel::colorOf(Mastery mastery)
{
    switch (mastery) {
    case Mastery::New: return QColor(224, 224, 224);
    case Mastery::Learning: return QColor(255, 204, 128);
    case Mastery::Slow: return QColor(255, 240, 130);
    case Mastery::Fluent: return QColor(140, 214, 140);
    case Mastery::Slipping: return QColor(240, 140, 140);
    }
    return {};
}

QString FactGridModel::markOf(Mastery mastery)
{
    switch (mastery) {
    case Mastery::New: return QString();
    case Mastery::Learning: return "?";
    case Mastery::Slow: return "~";
    case Mastery::Fluent: return QString(QChar(0x2713));
    case Mastery::Slipping: return "!";
    }
    return {};
}

QVariant FactGridModel::cellLook(Mastery mastery, int role)
{
    switch (role) {
    case Qt::DisplayRole: return markOf(mastery);
    case Qt::BackgroundRole: return QBrush(colorOf(mastery));
    case Qt::ForegroundRole: return QBrush(Qt::black);
    case Qt::TextAlignmentRole: return Qt::AlignCenter;
    default: return {};
    }
}

QVariant FactGridModel::data(const QModelIndex& index, int role) const
{
    const FactSummary* summary = summaryAt(index);
    if (!summary)
        return {};
    const auto mastery = static_cast<std::size_t>(summary->mastery);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(factReading(*summary, words_.masteries[mastery].toStdString(),
                                                  words_.answers.toStdString(), words_.median.toStdString()));
    return cellLook(summary->mastery, role);
}

QVariant FactGridModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role == Qt::DisplayRole)
        return QString::number(section + 1);
    return {};
}

Qt::ItemFlags FactGridModel::flags(const QModelIndex& index) const
{
    return summaryAt(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
