#pragma once

#include "ClassRules.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>

// A class's mastery of one operation as a grid: a row for each pupil and a column for each
// level-1 fact, each cell coloured and marked as the pupil's own grid marks it, and read to a
// screen reader as "Ada, 7 x 8: fluent".
class ClassGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The words for each mastery, in the order of Mastery.
    explicit ClassGridModel(std::array<QString, 5> masteries, QObject* parent = nullptr);

    void setFigures(ClassFigures figures);
    const ClassFigures& figures() const { return figures_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::array<QString, 5> masteries_;
    ClassFigures figures_;
};
