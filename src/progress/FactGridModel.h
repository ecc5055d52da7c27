#pragma once

#include "HistoryFigures.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <array>
#include <vector>

// The level-1 facts of one operation as a grid: a row for each left operand and a column for
// each right one, 1 to 9. A fact's cell shows its mastery by a colour and a mark, so colour is
// never the only sign, and tells a screen reader all of it ("7 x 8: slow, 5 answers, median
// 3.4 s"). A pair that is no fact of the operation is an empty cell that takes no focus.
class FactGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The words for each mastery, in the order of Mastery, and for "answers" and "median".
    struct Words {
        std::array<QString, 5> masteries;
        QString answers;
        QString median;
    };

    explicit FactGridModel(Words words, QObject* parent = nullptr);

    void setSummaries(std::vector<FactSummary> summaries);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The colour and the mark of a mastery, as the grid and its legend show them.
    static QColor colorOf(Mastery mastery);
    static QString markOf(Mastery mastery);
    // What a cell of that mastery shows for a role of look (mark, colours, alignment); nothing
    // for any other role.
    static QVariant cellLook(Mastery mastery, int role);

private:
    const FactSummary* summaryAt(const QModelIndex& index) const;

    Words words_;
    std::vector<FactSummary> summaries_;
};
